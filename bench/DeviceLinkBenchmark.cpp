#include "WindowBenchmarkMain.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "hid/DeviceList.h"
#include "hid/device/UnitLink.h"
#include "markers/FlockInstanceMarkers.h"
#include "protocol/core/Commands.h"
#include "sim/SimulatedPlatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <thread>

using namespace breezekit;
using Clock = std::chrono::steady_clock;

namespace {

// The window over units that answer nothing, so that only the measured traffic runs.
class BenchWindow {
  public:
    explicit BenchWindow(int units)
        : settings_(dir_.filePath(QStringLiteral("settings.ini"))),
          markers_(dir_.filePath(QStringLiteral("user.lock")).toStdString(),
                   dir_.filePath(QStringLiteral("service.lock")).toStdString()) {
        for (int i = 0; i < units; ++i)
            platform_.plugUnit()->unit()->setSilent(true);
        form_ = std::make_unique<TForm1>(TForm1::Environment{platform_, settings_, markers_});
        (void)form_->FormCreate();
        QEventLoop loop;
        QObject::connect(&form_->deviceList(), &DeviceList::deviceListRebuilt, &loop, &QEventLoop::quit);
        loop.exec();
    }
    UnitLink& link() { return form_->unitLink(); }
    sim::VirtualInterface& unit(std::size_t i) { return *platform_.interfaces().at(i); }

  private:
    QTemporaryDir dir_;
    sim::SimulatedPlatform platform_;
    SettingsStore settings_;
    FlockInstanceMarkers markers_;
    std::unique_ptr<TForm1> form_;
};

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void reportDistribution(benchmark::State& state, std::vector<double> samples, const char* unit) {
    if (samples.empty()) return;
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1))];
    };
    state.counters[std::string("median_") + unit] = at(0.5);
    state.counters[std::string("p99_") + unit] = at(0.99);
    state.counters[std::string("max_") + unit] = samples.back();
}

// Report made by the virtual unit -> its dispatch has run, on an idle window.
void HandOverLatency(benchmark::State& state) {
    BenchWindow window(1);
    QEventLoop loop;
    Clock::time_point dispatched;
    window.link().setReportHandler(CmdWifiState, [&](const InputReport&) {
        dispatched = Clock::now();
        loop.quit();
    });
    std::vector<std::uint8_t> report(65, 0);
    report[0] = 1;
    report[1] = CmdWifiState;
    std::vector<double> samples;
    for (auto _ : state) {
        const Clock::time_point made = Clock::now();
        window.unit(0).sendInputReport(report);
        // The dispatch runs only on this thread, inside the loop.
        loop.exec();
        const double us = microseconds(dispatched - made);
        state.SetIterationTime(us / 1e6);
        samples.push_back(us);
    }
    reportDistribution(state, std::move(samples), "us");
}

// How long one rebuild of the device list blocks the window. Each rebuild comes at a random point of
// the readers' read slice, as a plug does; right after a rebuild the new readers may not have started a
// read yet, which would make the stall look shorter than it is.
void RebuildStall(benchmark::State& state) {
    const auto units = static_cast<int>(state.range(0));
    BenchWindow window(units);
    std::mt19937 random(1);
    std::uniform_int_distribution<int> phase(0, 100);
    std::vector<double> samples;
    for (auto _ : state) {
        std::this_thread::sleep_for(std::chrono::milliseconds(phase(random)));
        const Clock::time_point begin = Clock::now();
        window.link().JvHidDeviceController1DeviceChange();
        const double us = microseconds(Clock::now() - begin);
        state.SetIterationTime(us / 1e6);
        samples.push_back(us / 1000.0);
        QCoreApplication::processEvents();
    }
    reportDistribution(state, std::move(samples), "ms");
}

} // namespace

BENCHMARK(HandOverLatency)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RebuildStall)
    ->ArgName("units")
    ->Arg(1)
    ->Arg(32)
    ->UseManualTime()
    ->Iterations(60)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv);
}
