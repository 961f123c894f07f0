// `breezekitctl --simulate --unit 1 show` from exec until its last line arrives on the pipe, against
// 1.3 x 44 ms plus the median start of an empty QCoreApplication program; both measured in this run.
// The time from the last line to the process's end (the readers' shutdown) is reported apart.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    double untilLastLineMs = 0;
    double shutdownMs = 0;
};

// Runs argv, reading stdout until a line starting with lastLine; the times from spawn to it and to exit.
Timing runOnce(std::vector<std::string> args, const std::string& lastLine) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    Timing t;
    if (spawned != 0) {
        ::close(fds[0]);
        return t;
    }
    std::string buffer;
    char chunk[4096];
    Clock::time_point last = start;
    bool seen = false;
    for (ssize_t n; !seen && (n = ::read(fds[0], chunk, sizeof chunk)) > 0;) {
        buffer.append(chunk, static_cast<std::size_t>(n));
        seen = buffer.rfind("\n" + lastLine) != std::string::npos || buffer.rfind(lastLine, 0) == 0;
        last = Clock::now();
    }
    while (::read(fds[0], chunk, sizeof chunk) > 0) {
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    const Clock::time_point end = Clock::now();
    t.untilLastLineMs = std::chrono::duration<double, std::milli>(last - start).count();
    t.shutdownMs = std::chrono::duration<double, std::milli>(end - last).count();
    return t;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::vector<double> g_empty, g_show, g_shutdown;

void EmptyCoreApplication(benchmark::State& state) {
    for (auto _ : state) {
        const Timing t = runOnce({BENCH_EMPTY_APP}, "ready");
        g_empty.push_back(t.untilLastLineMs);
        state.SetIterationTime(t.untilLastLineMs / 1000.0);
    }
}
BENCHMARK(EmptyCoreApplication)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void CtlShowOnVirtualUnit(benchmark::State& state) {
    for (auto _ : state) {
        const Timing t = runOnce({BENCH_CTL, "--simulate", "--unit", "1", "show"}, "status:");
        g_show.push_back(t.untilLastLineMs);
        g_shutdown.push_back(t.shutdownMs);
        state.SetIterationTime(t.untilLastLineMs / 1000.0);
    }
    state.counters["shutdown_ms"] = median(g_shutdown);
}
BENCHMARK(CtlShowOnVirtualUnit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double budget = 1.3 * 44.0 + median(g_empty);
    std::printf("empty QCoreApplication start (median): %.1f ms\n", median(g_empty));
    std::printf("show until its last line (median): %.1f ms; budget 1.3 x 44 ms + start = %.1f ms: %s\n",
                median(g_show), budget, median(g_show) <= budget ? "within" : "OVER");
    std::printf("readers' shutdown after the last line (median): %.1f ms\n", median(g_shutdown));
    return 0;
}
