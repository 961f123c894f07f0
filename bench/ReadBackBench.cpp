// The read-back's speed against the protocol's floor, and the window's idle CPU with one unit selected.
#include "WindowBenchmarkMain.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "hid/DeviceList.h"
#include "hid/device/UnitLink.h"
#include "markers/FlockInstanceMarkers.h"
#include "protocol/core/ReadBackTable.h"
#include "screens/DeviceActions.h"
#include "screens/IpAddressEdit.h"
#include "sim/SimulatedPlatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>

using namespace breezekit;
using Clock = std::chrono::steady_clock;

namespace {

constexpr double kStepPauseSeconds = 0.001;
constexpr auto kDeadline = std::chrono::seconds(10);

// The window over the simulated platform with one unit plugged and selected.
class OneUnitWindow {
  public:
    explicit OneUnitWindow(std::chrono::microseconds replyDelay) {
        sim::FactoryParameters unit;
        unit.replyDelay = replyDelay;
        platform_.plugUnit(unit);
        form_ = std::make_unique<TForm1>(TForm1::Environment{platform_, settings_, markers_});
        if (form_->FormCreate() != TForm1::StartOutcome::Run) return;
        runUntil([&] { return form_->unitLink().CurrentDevice() != nullptr; });
    }

    TForm1& form() { return *form_; }
    bool ready() const { return form_ && form_->unitLink().CurrentDevice() != nullptr; }

    // Runs the event loop until done() holds; false when the deadline passed first.
    template <typename Done> bool runUntil(Done done) {
        const auto deadline = Clock::now() + kDeadline;
        while (!done()) {
            if (Clock::now() > deadline) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

  private:
    QTemporaryDir dir_;
    sim::SimulatedPlatform platform_;
    SettingsStore settings_{dir_.filePath(QStringLiteral("settings.ini"))};
    FlockInstanceMarkers markers_{dir_.filePath(QStringLiteral("user.lock")).toStdString(),
                                  dir_.filePath(QStringLiteral("service.lock")).toStdString()};
    std::unique_ptr<TForm1> form_;
};

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// "Receive current parameters" until the reply to the gateway is shown, with the unit's reply delay as
// the argument in microseconds. The status poll is stopped: its 20 ms pauses are no part of the chain.
void BM_FullReadBack(benchmark::State& state) {
    const std::chrono::microseconds replyDelay(state.range(0));
    OneUnitWindow window(replyDelay);
    if (!window.ready()) {
        state.SkipWithError("no unit selected");
        return;
    }
    TForm1& form = window.form();
    form.Timer3->stop();
    const QString factoryGateway = QStringLiteral("192.168.4.1");
    const double floorSeconds = static_cast<double>(kReadBackChain.size()) *
                                (kStepPauseSeconds + std::chrono::duration<double>(replyDelay).count());

    double ratios = 0;
    for (auto _ : state) {
        form.JvGateway->setText(QStringLiteral("0.0.0.0"));
        const auto start = Clock::now();
        form.deviceActions().Button_Get_current_parametersClick();
        if (!window.runUntil([&] { return form.JvGateway->text() == factoryGateway; })) {
            state.SkipWithError("the read-back did not finish");
            return;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        ratios += seconds / floorSeconds;
    }
    state.counters["floor_ms"] = floorSeconds * 1000;
    state.counters["ratio_to_floor"] = benchmark::Counter(ratios, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullReadBack)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->Repetitions(3)
    ->ReportAggregatesOnly(false);

// The whole process's CPU time per second of wall time while the window idles with one unit selected
// and the Wi-Fi page showing: the status poll, the readers and the virtual unit all count.
void BM_IdleCpuOneUnit(benchmark::State& state) {
    OneUnitWindow window(std::chrono::microseconds(1000));
    if (!window.ready()) {
        state.SkipWithError("no unit selected");
        return;
    }
    window.form().PageControl->setCurrentWidget(window.form().Wi_Fi);
    const int idleMs = static_cast<int>(state.range(0));
    double cpuPerSecond = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(idleMs, &loop, &QEventLoop::quit);
        const double cpuBefore = processCpuSeconds();
        const auto start = Clock::now();
        loop.exec();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = processCpuSeconds() - cpuBefore;
        state.SetIterationTime(wall);
        cpuPerSecond += cpu / wall;
    }
    state.counters["cpu_ms_per_s"] =
        benchmark::Counter(cpuPerSecond * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_IdleCpuOneUnit)->Arg(5000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
