// How much of the time the window is blocked while the selected unit stalls: every write to it blocks
// 5 s, as the kernel's USB time-out does, and the status poll goes on once a second.
#include "WindowBenchmarkMain.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "hid/device/UnitLink.h"
#include "markers/FlockInstanceMarkers.h"
#include "sim/SimulatedPlatform.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

using namespace breezekit;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr auto kStall = 5s;
constexpr auto kBeat = 10ms;
// A beat this late means the window thread sat in a stalled write.
constexpr auto kStallSeen = 1s;

// The window's thread is blocked for a gap between heartbeats beyond one beat.
void BM_BlockedWhileUnitStalls(benchmark::State& state) {
    const auto window = std::chrono::seconds(state.range(0));
    QTemporaryDir dir;
    sim::SimulatedPlatform platform;
    const auto unit = platform.plugUnit();
    SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
    FlockInstanceMarkers markers(dir.filePath(QStringLiteral("user.lock")).toStdString(),
                                 dir.filePath(QStringLiteral("service.lock")).toStdString());
    TForm1 form({platform, settings, markers});
    if (form.FormCreate() != TForm1::StartOutcome::Run) {
        state.SkipWithError("the window did not start");
        return;
    }

    for (auto _ : state) {
        std::vector<Clock::time_point> beats;
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        heartbeat.setInterval(kBeat);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] { beats.push_back(Clock::now()); });
        QEventLoop loop;
        QTimer::singleShot(500ms, &loop, [&] { unit->setWriteStall(kStall); });
        // The first stalled write may block; the measured window starts when it is over.
        Clock::time_point measureFrom{};
        QObject::connect(&heartbeat, &QTimer::timeout, &loop, [&] {
            if (measureFrom == Clock::time_point{} && beats.size() > 1 &&
                beats[beats.size() - 1] - beats[beats.size() - 2] >= kStallSeen)
                measureFrom = beats.back();
            if (measureFrom != Clock::time_point{} && beats.back() - measureFrom >= window) loop.quit();
        });
        QTimer::singleShot(window + kStall * 3, &loop, &QEventLoop::quit);
        heartbeat.start();
        loop.exec();
        unit->setWriteStall(0ms);
        if (measureFrom == Clock::time_point{}) {
            state.SkipWithError("no write stalled");
            return;
        }

        Clock::duration blocked{};
        for (std::size_t i = 1; i < beats.size(); ++i) {
            if (beats[i - 1] < measureFrom) continue;
            const auto gap = beats[i] - beats[i - 1];
            if (gap > kBeat) blocked += gap - kBeat;
        }
        const double measured = std::chrono::duration<double>(beats.back() - measureFrom).count();
        state.SetIterationTime(measured);
        state.counters["blocked_fraction"] = std::chrono::duration<double>(blocked).count() / measured;
        state.counters["stalled_writes"] = unit->failedWrites();
    }
}
BENCHMARK(BM_BlockedWhileUnitStalls)->Arg(60)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
