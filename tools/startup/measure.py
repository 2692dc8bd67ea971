#!/usr/bin/env python3
"""Start-up time and footprint of the program against a bare QtWebEngine view, in one run.

Installs a build into a scratch folder (as tools/soak/soak.py does), starts the demo server,
then alternately starts the floor (bench_bare_engine_bench --bare-page: one QWebEngineView,
one small page) and the program on a private Xvfb desktop (scripts/with-desktop.sh, entered by
itself). For each start: the time from starting the process to the floor's first loadFinished
or to the program's main page being complete (the program's "zep.start" milestones, stamped
with the monotonic clock), and after a settle time the PSS of the process and its children.
Prints p50/p95 over the starts and each figure as a ratio to the floor; --timeline adds the
program's milestones (median ms after the start); --json writes every sample.
"""
import argparse
import json
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools", "soak"))
import soak  # noqa: E402  (install, descendants, memory_kb: the soak's way)

MAIN_PAGE = "ruzezaro.htm"
MARK = re.compile(r"^\s*(\d+\.\d+) zep\.start: (.*)$")


def parse_args():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--starts", type=int, default=5, help="measured starts of each (default 5)")
    p.add_argument("--settle-s", type=float, default=20.0, help="seconds after the start for PSS (default 20)")
    p.add_argument("--build", default=os.path.join(ROOT, "build-test"), help="the build tree (default build-test)")
    p.add_argument("--out", default=None, help="scratch folder (default a temporary one)")
    p.add_argument("--timeline", action="store_true", help="print the program's start milestones")
    p.add_argument("--json", default=None, help="write every sample to this file")
    p.add_argument("--mappings", type=int, default=0, help="print the program's largest N mappings (last start)")
    p.add_argument("--program-env", action="append", default=[], metavar="NAME=VALUE",
                   help="an environment variable for the program only, e.g. QTWEBENGINE_CHROMIUM_FLAGS=... to try "
                        "switches (the floor keeps the environment given)")
    return p.parse_args()


def percentile(values, p):
    v = sorted(values)
    if not v:
        return float("nan")
    rank = p / 100 * (len(v) - 1)
    lo = int(rank)
    hi = min(lo + 1, len(v) - 1)
    return v[lo] + (v[hi] - v[lo]) * (rank - lo)


def process_kind(pid):
    try:
        cmd = open("/proc/%d/cmdline" % pid, "rb").read().split(b"\0")
    except OSError:
        return "?"
    for a in cmd:
        if a.startswith(b"--type="):
            kind = a[7:].decode()
            for b in cmd:
                if b.startswith(b"--utility-sub-type="):
                    kind += ":" + b.split(b".")[-1].decode()
            return kind
    return os.path.basename(cmd[0].decode(errors="replace")) if cmd and cmd[0] else "?"


def footprint(pid):
    procs = [(p, process_kind(p), soak.memory_kb(p)[0]) for p in soak.descendants(pid)]
    return {"total_kb": sum(k for _, _, k in procs), "processes": [{"kind": kind, "pss_kb": kb} for _, kind, kb in procs]}


def mappings_kb(pid, top):
    """The process's PSS by mapping (a file, the heap, anonymous memory), largest first."""
    pss, name = {}, "?"
    try:
        for line in open("/proc/%d/smaps" % pid):
            parts = line.split()
            if parts and "-" in parts[0] and not parts[0].endswith(":"):
                name = parts[5] if len(parts) > 5 else "[anonymous]"
            elif parts and parts[0] == "Pss:":
                pss[name] = pss.get(name, 0) + int(parts[1])
    except OSError:
        pass
    return sorted(pss.items(), key=lambda kv: -kv[1])[:top]


class Lines:
    """Reads a pipe on a thread; each line with the monotonic time it arrived."""

    def __init__(self, stream):
        self.lines, self.cond = [], threading.Condition()
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for raw in stream:
            with self.cond:
                self.lines.append(raw.decode("utf-8", "replace").rstrip("\n"))
                self.cond.notify_all()
        with self.cond:
            self.lines.append(None)
            self.cond.notify_all()

    def wait_for(self, match, timeout):
        end = time.monotonic() + timeout
        seen = 0
        with self.cond:
            while True:
                while seen < len(self.lines):
                    line = self.lines[seen]
                    seen += 1
                    if line is None:
                        return None
                    found = match(line)
                    if found:
                        return found
                left = end - time.monotonic()
                if left <= 0:
                    return None
                self.cond.wait(left)


def stop(proc, pid=None):
    try:
        os.kill(pid or proc.pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    try:
        proc.wait(60)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def settle_and_sample(begin, settle_s, pid):
    time.sleep(max(0.0, begin + settle_s - time.monotonic()))
    return footprint(pid)


def floor_start(bench, env, settle_s):
    begin = time.monotonic()
    proc = subprocess.Popen([bench, "--bare-page"], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    out = Lines(proc.stdout)
    m = out.wait_for(lambda l: re.match(r"^loaded (\d+\.\d+) 1$", l), 60)
    if not m:
        stop(proc)
        raise RuntimeError("the bare page did not load")
    sample = {"ready_ms": float(m[1]) - begin * 1000}
    sample.update(settle_and_sample(begin, settle_s, proc.pid))
    stop(proc)
    return sample


def program_start(app, env, settle_s, extra):
    env = dict(env, **dict(e.split("=", 1) for e in extra))
    begin = time.monotonic()
    proc = subprocess.Popen([os.path.join(app, "Zavez_ZEP")], cwd=env["HOME"], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    err = Lines(proc.stderr)
    marks = []

    def ready(line):
        m = MARK.match(line)
        if not m:
            return None
        marks.append((float(m[1]) * 1000 - begin * 1000, m[2]))
        return m[2].startswith("document complete") and MAIN_PAGE in m[2].lower()

    if not err.wait_for(ready, 60):
        stop(proc)
        raise RuntimeError("the main page did not become ready: " + "\n".join(l for l in err.lines[-20:] if l))
    sample = {"ready_ms": marks[-1][0]}
    sample.update(settle_and_sample(begin, settle_s, proc.pid))
    sample["mappings"] = mappings_kb(proc.pid, 40)
    with err.cond:
        found = [MARK.match(l) for l in err.lines if l]
    sample["marks"] = [(round(float(m[1]) * 1000 - begin * 1000, 1), m[2]) for m in found if m]
    sample["shown_ms"] = next((t for t, what in sample["marks"] if what.startswith("show")), float("nan"))
    stop(proc)
    return sample


def kinds_table(samples):
    """Median PSS per process kind (several processes of a kind are summed per start)."""
    per = {}
    for s in samples:
        counted = {}
        for p in s["processes"]:
            counted[p["kind"]] = counted.get(p["kind"], 0) + p["pss_kb"]
            counted.setdefault("#" + p["kind"], 0)
            counted["#" + p["kind"]] += 1
        for k, v in counted.items():
            per.setdefault(k, []).append(v)
    return {k: statistics.median(v) for k, v in per.items() if not k.startswith("#")}, \
           {k[1:]: statistics.median(v) for k, v in per.items() if k.startswith("#")}


def report(floor, program, timeline, mappings):
    def row(name, values, floor_values, unit, scale):
        p50, p95 = percentile(values, 50), percentile(values, 95)
        f50 = percentile(floor_values, 50)
        print("%-28s p50 %8.1f %s  p95 %8.1f %s  = %.2fx the floor's p50" % (name, p50 / scale, unit, p95 / scale,
                                                                             unit, p50 / f50))

    print("\n%d starts each, settle %.0f s; load average at the end %.2f %.2f %.2f"
          % ((len(program), SETTLE) + os.getloadavg()))
    row("floor: first load", [s["ready_ms"] for s in floor], [s["ready_ms"] for s in floor], "ms", 1)
    row("program: main page ready", [s["ready_ms"] for s in program], [s["ready_ms"] for s in floor], "ms", 1)
    row("program: main window shown", [s["shown_ms"] for s in program], [s["ready_ms"] for s in floor], "ms", 1)
    row("floor: PSS total", [s["total_kb"] for s in floor], [s["total_kb"] for s in floor], "MB", 1024)
    row("program: PSS total", [s["total_kb"] for s in program], [s["total_kb"] for s in floor], "MB", 1024)
    # PSS moves with whatever else maps the same libraries at that moment: the ratio within
    # each pair of starts is the steadier figure.
    for what, key in (("time", "ready_ms"), ("PSS", "total_kb")):
        ratios = [p[key] / f[key] for f, p in zip(floor, program)]
        print("program/floor %-4s per start: p50 %.2fx  p95 %.2fx  (%s)" % (what, percentile(ratios, 50),
              percentile(ratios, 95), " ".join("%.2f" % r for r in ratios)))
    for name, samples in (("floor", floor), ("program", program)):
        pss, count = kinds_table(samples)
        print("%s per process (median PSS):" % name)
        for kind in sorted(pss, key=lambda k: -pss[k]):
            print("    %-34s x%g %7.1f MB" % (kind, count[kind], pss[kind] / 1024))
    if mappings:
        print("program's largest mappings (last start, PSS):")
        for name, kb in program[-1]["mappings"][:mappings]:
            print("    %7.1f MB  %s" % (kb / 1024, name))
    if timeline:
        print("program milestones (median ms after the start; first of each):")
        firsts = {}
        for s in program:
            seen = set()
            for t, what in s["marks"]:
                if what not in seen:
                    seen.add(what)
                    firsts.setdefault(what, []).append(t)
        for what, ts in sorted(firsts.items(), key=lambda kv: statistics.median(kv[1])):
            print("    %8.1f  %s%s" % (statistics.median(ts), what, "" if len(ts) == len(program) else
                                       "  (%d of %d starts)" % (len(ts), len(program))))


def main():
    global SETTLE
    args = parse_args()
    SETTLE = args.settle_s
    if not os.environ.get("ZEP_MEASURE_DESKTOP"):
        os.environ["ZEP_MEASURE_DESKTOP"] = "1"
        os.execv(os.path.join(ROOT, "scripts", "with-desktop.sh"),
                 ["with-desktop.sh", sys.executable, os.path.abspath(__file__)] + sys.argv[1:])
    out = os.path.abspath(args.out or tempfile.mkdtemp(prefix="startup-"))
    if os.path.exists(os.path.join(out, "app")):
        shutil.rmtree(os.path.join(out, "app"))
    os.makedirs(out, exist_ok=True)
    bench = os.path.join(args.build, "bench", "bench_bare_engine_bench")
    subprocess.run(["cmake", "--build", args.build, "-j2", "--target", "bench_bare_engine_bench"], check=True,
                   stdout=subprocess.DEVNULL)
    app, ports = soak.install(argparse.Namespace(build=args.build), out)
    env = soak.environment(out, True)
    env.update(QT_LOGGING_RULES="zep.start.info=true", QT_MESSAGE_PATTERN="%{time boot} %{category}: %{message}")
    # The demo server's own pace of news and quotes, as a user's first minute sees it.
    server_args = [os.path.join(app, "quenra-demo-server"), "--data", os.path.join(app, "demo-data"), "--seed", "1"]
    for name in ("login", "identity", "push", "http"):
        server_args += ["--%s-port" % name, str(ports[name])]
    server = subprocess.Popen(server_args, stdout=open(os.path.join(out, "server.log"), "w"), stderr=subprocess.STDOUT)
    time.sleep(1)
    floor, program = [], []
    try:
        # One start of each first, not counted: the libraries come into the page cache.
        for i in range(args.starts + 1):
            f = floor_start(bench, env, args.settle_s)
            p = program_start(app, env, args.settle_s, args.program_env)
            print("start %d%s: floor %.0f ms %.1f MB | program %.0f ms %.1f MB" %
                  (i, " (warm-up)" if i == 0 else "", f["ready_ms"], f["total_kb"] / 1024, p["ready_ms"],
                   p["total_kb"] / 1024), flush=True)
            if i:
                floor.append(f)
                program.append(p)
    finally:
        server.terminate()
        server.wait(10)
    report(floor, program, args.timeline, args.mappings)
    if args.json:
        json.dump({"floor": floor, "program": program}, open(args.json, "w"), indent=1)
    return 0


if __name__ == "__main__":
    sys.exit(main())
