#!/usr/bin/env python3
"""Soak: the installed program against the demo server under load and faults.

Starts the demo server with the chosen load and faults and the installed program (headless,
or with --window its real window on the project's private Xvfb desktop), shows progress,
samples memory (PSS of the program and its child processes) and CPU every few seconds, then
stops the program with SIGTERM and checks, from the server's log and the program's dumped
pages and files, that no flash sent while it was logged on went missing, that no row is
listed twice, how long each reconnect took, that the program never died and that ZEP.xml
and the remember file are whole. Writes samples.csv, plot.svg and summary.txt into the
output folder; exits 1 when a check fails.
"""
import argparse
import csv
import datetime
import html.parser
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ACCOUNT = "demo@quenra.test"
REMEMBERED = b"1,1,demo@quenra.test,56>@`ab,demo"   # demo123, scrambled as the login dialog does
KEEP_ALIVE_S = 10.0
# The program reconnects at its next keep-alive tick once the server is there, and logs on
# again at the tick after the connection is up: one tick and two ticks, and a second's slack.
CONNECT_LIMIT_S = KEEP_ALIVE_S + 1.0
LOGON_LIMIT_S = 2 * KEEP_ALIVE_S + 1.0
RESET_GRACE_S = 1.0     # a reset may take with it what was written this shortly before
LIST_ROWS = 300
FLOOR_SETTLE_S = 20.0   # as the start-up measurement samples the footprint


def parse_args():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--minutes", type=float, default=10.0, help="how long to run (default 10)")
    p.add_argument("--news-per-second", type=int, default=10)
    p.add_argument("--quotes-per-second", type=int, default=5)
    p.add_argument("--no-faults", action="store_true", help="load only, no faults")
    p.add_argument("--drop-s", type=float, default=60, help="mean time between dropped connections")
    p.add_argument("--restart-s", type=float, default=90, help="mean time between listener restarts")
    p.add_argument("--down-s", type=float, default=5, help="how long the listener stays away")
    p.add_argument("--stall-s", type=float, default=240, help="mean time between stalls")
    p.add_argument("--stall-length-s", type=float, default=25)
    p.add_argument("--junk-s", type=float, default=10, help="mean time between junk records")
    p.add_argument("--cut-percent", type=int, default=30)
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--sample-s", type=float, default=5.0, help="seconds between samples")
    p.add_argument("--build", default=os.path.join(ROOT, "build"), help="the build tree to install")
    p.add_argument("--out", default=None, help="output folder (default artifacts/soak-<time>)")
    p.add_argument("--window", action="store_true", help="the real window on a private Xvfb desktop")
    p.add_argument("--growth-limit-kb", type=float, default=1024,
                   help="largest memory growth per hour that passes (default 1024 kB)")
    return p.parse_args()


def free_port(kind):
    s = socket.socket(socket.AF_INET, kind)
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


# --- installation --------------------------------------------------------------------------

def install(args, out):
    for target in ("Zavez_ZEP", "quenra-demo-server"):
        subprocess.run(["cmake", "--build", args.build, "-j2", "--target", target], check=True,
                       stdout=subprocess.DEVNULL)
    app = os.path.join(out, "app")
    subprocess.run(["cmake", "--install", args.build, "--prefix", app], check=True, stdout=subprocess.DEVNULL)
    for d in ("home", "config", "data", "windows", "tmp", "pages"):
        os.makedirs(os.path.join(out, d), exist_ok=True)
    ports = {"login": free_port(socket.SOCK_DGRAM), "identity": free_port(socket.SOCK_DGRAM),
             "push": free_port(socket.SOCK_STREAM), "http": free_port(socket.SOCK_STREAM)}
    site = "http://127.0.0.1:%d" % ports["http"]
    server = ('<Server Address="127.0.0.1" PushPort="%d" LoginPort="%d" LoginLocalPort="%d" IdentityPort="%d" '
              'IdentityLocalPort="%d" WebSite="%s" FileServer="%s" ProductSite="%s/product" MakerSite="%s/maker"/>'
              % (ports["push"], ports["login"], free_port(socket.SOCK_DGRAM), ports["identity"],
                 free_port(socket.SOCK_DGRAM), site, site, site, site))
    zep = os.path.join(app, "ZEP.xml")
    config = open(zep, "rb").read().decode("latin-1")   # GB2312; the element is ASCII
    open(zep, "wb").write(re.sub(r"<Server [^>]*/>", lambda _: server, config).encode("latin-1"))
    with open(os.path.join(app, "registry"), "wb") as f:
        f.write(REMEMBERED)
    return app, ports


def environment(out, window):
    env = dict(os.environ)
    if not window:
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
    env.update(HOME=os.path.join(out, "home"), XDG_CONFIG_HOME=os.path.join(out, "config"),
               XDG_DATA_HOME=os.path.join(out, "data"), ZEP_WINDOWS_DIR=os.path.join(out, "windows"),
               TMPDIR=os.path.join(out, "tmp"), QTWEBENGINE_DISABLE_SANDBOX="1")
    return env


def server_arguments(args, app, ports):
    a = [os.path.join(app, "quenra-demo-server"), "--data", os.path.join(app, "demo-data"),
         "--seed", str(args.seed), "--login-port", str(ports["login"]), "--identity-port", str(ports["identity"]),
         "--push-port", str(ports["push"]), "--http-port", str(ports["http"]),
         "--news-per-second", str(args.news_per_second), "--quotes-per-second", str(args.quotes_per_second)]
    if not args.no_faults:
        ms = lambda s: str(int(s * 1000))
        a += ["--fault-drop-ms", ms(args.drop_s), "--fault-restart-ms", ms(args.restart_s),
              "--fault-down-ms", ms(args.down_s), "--fault-stall-ms", ms(args.stall_s),
              "--fault-stall-length-ms", ms(args.stall_length_s), "--fault-junk-ms", ms(args.junk_s),
              "--fault-cut-percent", str(args.cut_percent)]
    return a


# --- sampling ------------------------------------------------------------------------------

def children_of():
    tree = {}
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            stat = open("/proc/%s/stat" % pid).read()
        except OSError:
            continue
        ppid = int(stat[stat.rindex(")") + 2:].split()[1])
        tree.setdefault(ppid, []).append(int(pid))
    return tree


def descendants(pid):
    tree, found, todo = children_of(), [], [pid]
    while todo:
        p = todo.pop()
        found.append(p)
        todo += tree.get(p, [])
    return found


def memory_kb(pid):
    """PSS, and the dirty private part: what the program wrote itself (heap, stacks). PSS
    moves whenever another process maps or drops the same libraries; the dirty part does
    not, so a leak shows in it."""
    pss = dirty = 0
    try:
        for line in open("/proc/%d/smaps_rollup" % pid):
            if line.startswith("Pss:"):
                pss = int(line.split()[1])
            elif line.startswith("Private_Dirty:"):
                dirty = int(line.split()[1])
    except OSError:
        pass
    return pss, dirty


def cpu_ticks(pid):
    try:
        stat = open("/proc/%d/stat" % pid).read()
        fields = stat[stat.rindex(")") + 2:].split()
        return int(fields[11]) + int(fields[12])
    except OSError:
        return 0


def find_program(pid, name="Zavez_ZEP"):
    """The program itself: the launched process, or its descendant of that name (under Xvfb)."""
    for p in descendants(pid):
        try:
            if open("/proc/%d/comm" % p).read().strip() == name[:15]:
                return p
        except OSError:
            pass
    return None


def floor_pss_kb(args, env):
    """PSS of the bare engine (one QWebEngineView showing one small page) FLOOR_SETTLE_S after
    its start on the same kind of desktop, the program stopped: the floor that the program's
    footprint compares with. None where the build has no benchmarks."""
    bench = os.path.join(os.path.abspath(args.build), "bench", "bench_bare_engine_bench")
    if not os.path.exists(bench):
        return None
    launched = subprocess.Popen([os.path.join(ROOT, "scripts", "with-desktop.sh"), bench, "--bare-page"], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(FLOOR_SETTLE_S)
    pid = find_program(launched.pid, "bench_bare_engine_bench")
    kb = sum(memory_kb(p)[0] for p in descendants(pid)) if pid else None
    if pid:
        os.kill(pid, signal.SIGTERM)
    try:
        launched.wait(30)
    except subprocess.TimeoutExpired:
        launched.kill()
    return kb


def pss_against(samples, floor_kb_, at_s):
    """The program's PSS in the first sample from at_s seconds on, and its ratio to the floor."""
    sample = next((s for s in samples if s["t"] >= at_s), samples[-1])
    text = "%.1f MB at %.1f min" % (sample["pss_kb"] / 1024, sample["t"] / 60)
    return text + (" = %.2fx the floor" % (sample["pss_kb"] / floor_kb_) if floor_kb_ else "")


# --- the server's log ----------------------------------------------------------------------

class ServerLog:
    STAMP = re.compile(r"^(\d\d):(\d\d):(\d\d)\.(\d\d\d) (.*)$")

    def __init__(self, path, start_wall):
        self.published, self.written, self.logons, self.ends, self.resets, self.connects = {}, [], [], [], [], []
        self.minute = {}
        self.backs, self.downs, self.junk, self.stalls, self.drops = [], [], 0, 0, 0
        base = datetime.datetime.fromtimestamp(start_wall).replace(hour=0, minute=0, second=0, microsecond=0)
        day0, last = base.timestamp(), 0.0
        for raw in open(path, encoding="utf-8", errors="replace"):
            m = self.STAMP.match(raw.rstrip("\n"))
            if not m:
                continue
            t = day0 + int(m[1]) * 3600 + int(m[2]) * 60 + int(m[3]) + int(m[4]) / 1000
            if t < last - 43200:   # past midnight
                day0 += 86400
                t += 86400
            last = t
            self.read(t, m[5])

    def read(self, t, text):
        if m := re.match(r"news (\d+)(?: \(article\))?: (.*)$", text):
            self.published[int(m[1])] = " ".join(m[2].split())
            self.minute[int(m[1])] = time.strftime("%H:%M", time.localtime(t))
        elif m := re.match(r"push: to (\S+) \((.*)\) news ([\d,]+)$", text):
            if m[2] == ACCOUNT:
                self.written += [(t, m[1], int(i)) for i in m[3].split(",")]
        elif m := re.match(r"push: logon from (\S+): account (.*), highest news id (-?\d+)$", text):
            if m[2] == ACCOUNT:
                self.logons.append((t, m[1]))
        elif m := re.match(r"push: (\S+) connected$", text):
            self.connects.append(t)
        elif m := re.match(r"push: (\S+) \((.*)\) disconnected$", text):
            if m[2] == ACCOUNT:
                self.ends.append((t, m[1]))
        elif m := re.match(r"push: fault: (reset|close|truncated record \(\d+ bytes\) and close) (\S+) ", text):
            self.drops += 1
            if m[1] == "reset":
                self.resets.append((t, m[2]))
        elif text.startswith("push: fault: listener down"):
            self.downs.append(t)
        elif text.startswith("push: fault: listener back"):
            self.backs.append(t)
        elif text.startswith("push: fault: junk"):
            self.junk += 1
        elif text.startswith("push: fault: stall"):
            self.stalls += 1

    def required(self, until):
        """Flashes written to the program's connection, but those a reset may have taken."""
        need, in_flight = {}, set()
        for t, peer, nid in self.written:
            if t > until:
                continue
            if any(p == peer and 0 <= rt - t < RESET_GRACE_S for rt, p in self.resets):
                in_flight.add(nid)
            else:
                need.setdefault(nid, t)
        return need, in_flight - set(need)

    def reconnects(self):
        """For each end of a logged-on connection: seconds from the server being there again
        (the end, or the listener's return) to the next connection and to the next logon, and
        from the end to the logon."""
        times = []
        for t, _ in self.ends:
            logon = next((lt for lt, _ in self.logons if lt > t), None)
            if logon is None:
                continue
            up = max([b for b in self.backs if t <= b <= logon] + [t])
            connect = next((ct for ct in self.connects if ct >= up), logon)
            times.append({"connect": connect - up, "logon": logon - up, "total": logon - t})
        return times


# --- the program's pages and files ---------------------------------------------------------

class RowTexts(html.parser.HTMLParser):
    """The rows of one table, as text with white space collapsed."""

    def __init__(self, table_id):
        super().__init__(convert_charrefs=True)
        self.table_id, self.depth, self.rows, self.row = table_id, 0, [], None

    def handle_starttag(self, tag, attrs):
        if tag == "table" and (self.depth or dict(attrs).get("id") == self.table_id):
            self.depth += 1
        elif self.depth and tag == "tr":
            self.row = []

    def handle_endtag(self, tag):
        if self.depth and tag == "table":
            self.depth -= 1
        elif self.depth and tag == "tr" and self.row is not None:
            self.rows.append(" ".join("".join(self.row).replace("\xa0", " ").split()))
            self.row = None

    def handle_data(self, data):
        if self.row is not None:
            self.row.append(data)


def listed_rows(pages):
    path = os.path.join(pages, "ruzezaro.htm")
    if not os.path.exists(path):
        return None
    parser = RowTexts("firstpage_table")
    parser.feed(open(path, encoding="utf-8", errors="replace").read())
    return parser.rows[1:]   # below the header row


def listable(need, log, rows):
    """The real window prints no popups: only the list tells. It lists a flash once per minute
    and text (a repeat within its minute adds no row) and keeps the newest rows; rows of one
    minute stand in any order, so flashes of the oldest minute still listed are not judged."""
    listed_minutes = [r[6:11] for r in rows if re.match(r"\d\d/\d\d \d\d:\d\d", r)]
    if not listed_minutes:
        return need, 0
    oldest = min(listed_minutes)
    seen, kept = set(), {}
    for nid in sorted(need):
        key = (log.minute.get(nid), log.published.get(nid))
        if key in seen:
            continue
        seen.add(key)
        if key[0] is not None and key[0] > oldest:
            kept[nid] = need[nid]
    return kept, len(need) - len(kept)


def config_whole(path):
    try:
        raw = open(path, "rb").read()
        text = raw.decode("gb18030")
        text = re.sub(r'^<\?xml[^>]*\?>', '<?xml version="1.0"?>', text)
        root = ET.fromstring(text.encode("utf-8"))
        return root.tag == "App" and root.find("Settings/ZEP/Server") is not None, len(raw)
    except (OSError, ET.ParseError, UnicodeDecodeError):
        return False, 0


def remember_whole(path):
    try:
        fields = open(path, "rb").read().strip().split(b",")
        return len(fields) == 5 and fields[0] == b"1" and fields[2] == ACCOUNT.encode(), oct(os.stat(path).st_mode & 0o777)
    except OSError:
        return False, "-"


# --- output --------------------------------------------------------------------------------

def svg_plot(samples, marks, path):
    """Memory and CPU over time, with a mark at every reconnect and listener restart."""
    w, h, left, top, ph = 900, 460, 70, 30, 170
    t_end = max(s["t"] for s in samples) or 1
    pss = [s["pss_kb"] / 1024 for s in samples]
    private = [s["dirty_kb"] / 1024 for s in samples]
    lo, hi = min(pss + private), max(pss + private)
    lo, hi = (lo - 1, hi + 1) if hi - lo < 2 else (lo, hi)
    x = lambda t: left + (w - left - 20) * t / t_end
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" font-family="sans-serif" font-size="12">' % (w, h),
           '<rect width="100%" height="100%" fill="white"/>']

    def panel(y0, series, vlo, vhi, title):
        y = lambda v: y0 + ph - ph * (v - vlo) / ((vhi - vlo) or 1)
        out.append('<rect x="%d" y="%d" width="%d" height="%d" fill="none" stroke="#999"/>' % (left, y0, w - left - 20, ph))
        out.append('<text x="%d" y="%d">%s</text>' % (left, y0 - 6, title))
        for v in (vlo, (vlo + vhi) / 2, vhi):
            out.append('<text x="%d" y="%.1f" text-anchor="end">%.1f</text>' % (left - 4, y(v) + 4, v))
        for kind, t in marks:
            out.append('<line x1="%.1f" x2="%.1f" y1="%d" y2="%d" stroke="%s" stroke-width="1" opacity="0.6"/>'
                       % (x(t), x(t), y0, y0 + ph, "#d33" if kind == "restart" else "#e90"))
        for values, colour in series:
            pts = " ".join("%.1f,%.1f" % (x(s["t"]), y(v)) for s, v in zip(samples, values))
            out.append('<polyline fill="none" stroke="%s" stroke-width="1.5" points="%s"/>' % (colour, pts))

    panel(top, [(pss, "#1f5fbf"), (private, "#7b3fbf")], lo, hi,
          "Memory of the program and its child processes, MB (blue: PSS, purple: dirty private)")
    cpu = [s["cpu_percent"] for s in samples]
    panel(top + ph + 50, [(cpu, "#2a8a2a")], 0, max(cpu + [1]), "CPU (% of one core)")
    y_axis = top + 2 * ph + 50
    for i in range(6):
        t = t_end * i / 5
        out.append('<text x="%.1f" y="%d" text-anchor="middle">%.1f</text>' % (x(t), y_axis + 16, t / 60))
    out.append('<text x="%d" y="%d">minutes; orange: connection dropped, red: listener restarted</text>' % (left, y_axis + 36))
    out.append("</svg>")
    open(path, "w").write("\n".join(out))


def longest(reconnects, key):
    return max([r[key] for r in reconnects] + [0])


def floor_kb(samples, part=lambda s: s["dirty_kb"]):
    """The dirty memory the program comes back to: the least of each minute's samples.
    Transient allocations come and go within seconds; what stays shows in the floor."""
    minutes = {}
    for s in samples:
        minutes.setdefault(int(s["t"] // 60), []).append(part(s))
    return [(m * 60 + 30, min(v)) for m, v in sorted(minutes.items())]


def growth_kb_per_hour(samples, part=lambda s: s["dirty_kb"]):
    """Least-squares slope of the dirty memory floor over the second half of the run."""
    floor = floor_kb(samples, part)
    half = floor[len(floor) // 2:]
    if len(half) < 3:
        return None
    n = len(half)
    mt = sum(t for t, _ in half) / n
    mm = sum(v for _, v in half) / n
    var = sum((t - mt) ** 2 for t, _ in half) or 1
    return sum((t - mt) * (v - mm) for t, v in half) / var * 3600


def split_growth(samples):
    """Which side grows: the program's own heap, or the browser engine's processes."""
    program = growth_kb_per_hour(samples, lambda s: s["program_dirty_kb"])
    browser = growth_kb_per_hour(samples, lambda s: s["dirty_kb"] - s["program_dirty_kb"])
    return "%+.0f / %+.0f kB/hour" % (program, browser) if program is not None else "too short"


# --- the run -------------------------------------------------------------------------------

def run(args):
    stamp = time.strftime("%Y%m%d-%H%M%S")
    out = os.path.abspath(args.out or os.path.join(ROOT, "artifacts", "soak-" + stamp))
    if os.path.exists(os.path.join(out, "app")):
        shutil.rmtree(os.path.join(out, "app"))
    os.makedirs(out, exist_ok=True)
    print("soak: installing into %s" % out, flush=True)
    app, ports = install(args, out)
    env = environment(out, args.window)
    server_log = os.path.join(out, "server.log")
    start_wall = time.time()
    server = subprocess.Popen(server_arguments(args, app, ports), stdin=subprocess.PIPE,
                              stdout=open(server_log, "w"), stderr=subprocess.STDOUT)
    time.sleep(1)
    if server.poll() is not None:
        sys.exit("soak: the demo server did not start: " + open(server_log, encoding="utf-8", errors="replace").read().strip())
    program_cmd = [os.path.join(app, "Zavez_ZEP"), "--dump-pages", os.path.join(out, "pages")]
    if args.window:
        program_cmd = [os.path.join(ROOT, "scripts", "with-desktop.sh")] + program_cmd
    else:
        program_cmd.insert(1, "--headless")
    program_out = os.path.join(out, "program.out")
    launched = subprocess.Popen(program_cmd, cwd=os.path.join(out, "home"), env=env,
                                stdout=open(program_out, "w"), stderr=open(os.path.join(out, "program.err"), "w"))
    program = None
    samples, died, tick = [], False, os.sysconf("SC_CLK_TCK")
    end = time.time() + args.minutes * 60
    last_cpu, last_t = None, None
    try:
        while time.time() < end:
            time.sleep(args.sample_s)
            program = program or find_program(launched.pid)
            if launched.poll() is not None or (program and not os.path.exists("/proc/%d" % program)):
                died = True
                break
            if not program:
                continue
            tree = descendants(program)
            now = time.time()
            cpu = sum(cpu_ticks(p) for p in tree)
            memory = [memory_kb(p) for p in tree]
            sample = {"t": round(now - start_wall, 1), "pss_kb": sum(m[0] for m in memory),
                      "dirty_kb": sum(m[1] for m in memory), "program_pss_kb": memory[0][0],
                      "program_dirty_kb": memory[0][1], "processes": len(tree),
                      "cpu_percent": round(100.0 * (cpu - last_cpu) / tick / (now - last_t), 1) if last_cpu is not None else 0.0}
            last_cpu, last_t = cpu, now
            log = ServerLog(server_log, start_wall)
            sample.update(logons=len(log.logons), drops=log.drops, restarts=len(log.backs), published=len(log.published))
            samples.append(sample)
            print("soak: %5.1f/%.0f min  PSS %6.1f MB  CPU %5.1f%%  flashes %5d  logons %3d  drops %3d  restarts %3d"
                  % (sample["t"] / 60, args.minutes, sample["pss_kb"] / 1024, sample["cpu_percent"],
                     sample["published"], sample["logons"], sample["drops"], sample["restarts"]), flush=True)
    finally:
        term_wall = time.time()
        exit_code = None
        if program and not died:
            os.kill(program, signal.SIGTERM)
            try:
                launched.wait(60)
                exit_code = launched.returncode
            except subprocess.TimeoutExpired:
                launched.kill()
        elif launched.poll() is None:
            launched.kill()
        else:
            exit_code = launched.returncode
        server.terminate()
        server.wait(10)
    floor = floor_pss_kb(args, env) if args.window else None
    return check(args, out, app, samples, died, exit_code, start_wall, term_wall, floor)


def check(args, out, app, samples, died, exit_code, start_wall, term_wall, floor):
    log = ServerLog(os.path.join(out, "server.log"), start_wall)
    rows = listed_rows(os.path.join(out, "pages")) or []
    popups = [" ".join(l[7:].split()) for l in open(os.path.join(out, "program.out"), encoding="utf-8", errors="replace")
              if l.startswith("popup: ")]
    need, in_flight = log.required(term_wall - 1.0)
    unverifiable = 0
    if not popups:
        need, unverifiable = listable(need, log, rows)
    missing = []
    for nid in sorted(need):
        text = log.published.get(nid)
        if text and not any(r.endswith(text) for r in rows) and not any(p.endswith(text) for p in popups):
            missing.append(nid)
    duplicates = len(rows) - len(set(rows))
    reconnects = log.reconnects()
    slow = [r for r in reconnects if r["connect"] > CONNECT_LIMIT_S or r["logon"] > LOGON_LIMIT_S]
    lost_in_flight = [n for n in in_flight if log.published.get(n) and not any(r.endswith(log.published[n]) for r in rows)
                      and not any(p.endswith(log.published[n]) for p in popups)]
    config_ok, config_size = config_whole(os.path.join(app, "ZEP.xml"))
    remember_ok, remember_mode = remember_whole(os.path.join(app, "registry"))
    growth = growth_kb_per_hour(samples) if samples else None

    with open(os.path.join(out, "samples.csv"), "w", newline="") as f:
        if samples:
            w = csv.DictWriter(f, fieldnames=list(samples[0].keys()))
            w.writeheader()
            w.writerows(samples)
    marks = [("drop", t - start_wall) for t, _ in log.ends] + [("restart", t - start_wall) for t in log.downs]
    if samples:
        svg_plot(samples, marks, os.path.join(out, "plot.svg"))

    checks = [
        ("program ran to the end and exited 0 on SIGTERM", not died and exit_code == 0, "exit code %s" % exit_code),
        ("every flash sent while logged on is listed or was shown", not missing and bool(need or unverifiable),
         "%d sent, %d missing%s" % (len(need), len(missing), (" (first: %s)" % missing[:5]) if missing else "")),
        ("no row listed twice", duplicates == 0 and 0 < len(rows) <= LIST_ROWS, "%d rows, %d duplicates" % (len(rows), duplicates)),
        ("reconnect within %.0f s, logon within %.0f s of the server being there" % (CONNECT_LIMIT_S, LOGON_LIMIT_S),
         not slow, "%d reconnects, longest %.1f s / %.1f s" % (len(reconnects), longest(reconnects, "connect"),
                                                                 longest(reconnects, "logon"))),
        ("ZEP.xml whole", config_ok, "%d bytes" % config_size),
        ("remember file whole and private", remember_ok and remember_mode == "0o600", "mode %s" % remember_mode),
        ("memory growth under %.0f kB an hour" % args.growth_limit_kb, growth is None or growth < args.growth_limit_kb,
         "%+.0f kB/hour" % growth if growth is not None else "not judged: the run is too short for a trend"),
    ]
    figures = [
        ("run", "%.1f min, %d news/s, %d quote batches/s, faults %s, seed %d" % (
            (term_wall - start_wall) / 60, args.news_per_second, args.quotes_per_second,
            "off" if args.no_faults else "on", args.seed)),
        ("flashes published / sent while logged on", "%d / %d" % (len(log.published), len(need))),
        ("sent just before a reset (not counted) / of them lost", "%d / %d" % (len(in_flight), len(lost_in_flight))),
        ("popup lines printed", "%d" % len(popups)),
        ("repeats in their minute or before the list's window, not judged (window mode)", "%d" % unverifiable),
        ("logons / connection ends / faults dropped", "%d / %d / %d" % (len(log.logons), len(log.ends), log.drops)),
        ("listener restarts survived", "%d" % len(log.backs)),
        ("stalls / junk records", "%d / %d" % (log.stalls, log.junk)),
        ("connection end to logon: median / longest", "%.1f / %.1f s" % (
            sorted(r["total"] for r in reconnects)[len(reconnects) // 2] if reconnects else 0,
            longest(reconnects, "total"))),
        ("bare engine's PSS %.0f s after its start (the floor)" % FLOOR_SETTLE_S,
         "%.1f MB" % (floor / 1024) if floor else "not measured (headless, or no benchmarks built)"),
        ("program's PSS %.0f s after the start / at the end" % FLOOR_SETTLE_S,
         "%s / %s" % (pss_against(samples, floor, FLOOR_SETTLE_S), pss_against(samples, floor, samples[-1]["t"]))
         if samples else "-"),
        ("dirty private memory floor first / last minute", "%.1f / %.1f MB" % (floor_kb(samples)[0][1] / 1024, floor_kb(samples)[-1][1] / 1024) if samples else "-"),
        ("dirty private memory peak", "%.1f MB" % (max(s["dirty_kb"] for s in samples) / 1024) if samples else "-"),
        ("dirty private memory floor trend (second half)", "%+.0f kB/hour" % growth if growth is not None else "too short"),
        ("  of it the program / its browser processes", split_growth(samples)),
        ("CPU mean", "%.1f %%" % (sum(s["cpu_percent"] for s in samples[1:]) / max(1, len(samples) - 1))),
    ]
    lines = ["", "soak summary (%s)" % out, ""]
    lines += ["  %-56s %s" % (k, v) for k, v in figures]
    lines += [""]
    lines += ["  %-4s %-56s %s" % ("ok" if ok else "FAIL", name, detail) for name, ok, detail in checks]
    lines += ["", "  samples.csv, plot.svg, server.log, program.out, pages/ in %s" % out]
    text = "\n".join(lines)
    print(text)
    open(os.path.join(out, "summary.txt"), "w").write(text + "\n")
    return 0 if all(ok for _, ok, _ in checks) else 1


if __name__ == "__main__":
    # A soak stopped with SIGTERM still stops its program and server on the way out.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    sys.exit(run(parse_args()))
