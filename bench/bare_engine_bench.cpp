// The floor under the program's start and footprint: a bare QWebEngineView showing one small
// page, as any QtWebEngine program would. Each repetition starts this program again as a
// child with --bare-page, times it from the start to its first loadFinished, waits for it to
// settle and sums the PSS of its process tree (the client and the engine's processes).
// tools/startup/measure.py starts the same child beside the program, for ratios in one run.
// Runs on a display (scripts/with-desktop.sh).
//
//   bench_bare_engine_bench [--settle-s=20] [benchmark flags]
#include <QApplication>
#include <QWebEngineView>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

const char* kPageFlag = "--bare-page";
std::string self;
double settleS = 20;

double monotonicMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The child: one view, one small page; says when its first load has finished, then lives on
// until it is ended.
int barePage(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool ok) {
        static bool once = false;
        if (once) return;
        once = true;
        std::printf("loaded %.3f %d\n", monotonicMs(), ok ? 1 : 0);
        std::fflush(stdout);
    });
    view.resize(800, 600);
    view.setHtml(QStringLiteral("<!doctype html><html><head><meta charset=utf-8><title>floor</title></head>"
                                "<body><h1>Quenra</h1><p>A small page.</p></body></html>"));
    view.show();
    return app.exec();
}

std::map<int, std::vector<int>> childrenByParent() {
    std::map<int, std::vector<int>> tree;
    DIR* proc = opendir("/proc");
    if (!proc) return tree;
    while (dirent* e = readdir(proc)) {
        const int pid = std::atoi(e->d_name);
        if (pid <= 0) continue;
        std::ifstream stat("/proc/" + std::string(e->d_name) + "/stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        const size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        int ppid = 0;
        char state = 0;
        if (std::sscanf(line.c_str() + close + 2, "%c %d", &state, &ppid) == 2) tree[ppid].push_back(pid);
    }
    closedir(proc);
    return tree;
}

long pssKb(int pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value = 0;
    while (rollup >> key >> value) {
        if (key == "Pss:") return value;
        rollup.ignore(1 << 10, '\n');
    }
    return 0;
}

// The process and all its descendants.
std::vector<int> processTree(int root) {
    const std::map<int, std::vector<int>> tree = childrenByParent();
    std::vector<int> found, todo{root};
    while (!todo.empty()) {
        const int p = todo.back();
        todo.pop_back();
        found.push_back(p);
        if (const auto it = tree.find(p); it != tree.end())
            todo.insert(todo.end(), it->second.begin(), it->second.end());
    }
    return found;
}

struct Child {
    pid_t pid = -1;
    FILE* out = nullptr;
};

Child startChild() {
    int fds[2];
    if (pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* args[] = {self.data(), const_cast<char*>(kPageFlag), nullptr};
    Child c;
    if (posix_spawn(&c.pid, self.c_str(), &actions, nullptr, args, environ) != 0) c.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    c.out = fdopen(fds[0], "r");
    return c;
}

void endChild(const Child& c) {
    kill(c.pid, SIGTERM);
    int status = 0;
    waitpid(c.pid, &status, 0);
    if (c.out) std::fclose(c.out);
}

// Linear interpolation between the closest ranks, as numpy's percentile does.
double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const double rank = p / 100 * static_cast<double>(v.size() - 1);
    const auto lo = static_cast<size_t>(rank);
    const size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (rank - static_cast<double>(lo));
}

void BM_BareEngineStart(benchmark::State& state) {
    for (auto _ : state) {
        const double begin = monotonicMs();
        const Child child = startChild();
        double loaded = 0;
        int ok = 0;
        if (child.pid < 0 || !child.out || std::fscanf(child.out, "loaded %lf %d", &loaded, &ok) != 2 || !ok) {
            state.SkipWithError("the bare page did not load");
            if (child.pid > 0) endChild(child);
            break;
        }
        state.SetIterationTime((loaded - begin) / 1e3);
        std::this_thread::sleep_for(
            std::chrono::duration<double>(std::max(0.0, settleS - (monotonicMs() - begin) / 1e3)));
        const std::vector<int> tree = processTree(child.pid);
        long total = 0;
        for (int p : tree) total += pssKb(p);
        state.counters["pss_MB"] = static_cast<double>(total) / 1024;
        state.counters["processes"] = static_cast<double>(tree.size());
        endChild(child);
    }
}
BENCHMARK(BM_BareEngineStart)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(false)
    ->ComputeStatistics("p50", [](const std::vector<double>& v) { return percentile(v, 50); })
    ->ComputeStatistics("p95", [](const std::vector<double>& v) { return percentile(v, 95); });

} // namespace

int main(int argc, char** argv) {
    self = "/proc/self/exe";
    if (argc > 1 && std::strcmp(argv[1], kPageFlag) == 0) return barePage(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--settle-s=", 11) == 0) settleS = std::atof(argv[i] + 11);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
