#include "ctl/SimulatedUnits.h"

#include "hid/device/UnitLink.h"
#include "sim/DemoUnits.h"

#include <chrono>
#include <thread>

namespace breezekit::ctl {

namespace {

// Read by the simulated units only: lets a test signal the process while a write group is open.
constexpr const char* kWriteDelayVariable = "BREEZEKITCTL_SIMULATED_WRITE_MS";

class DelayedWrites : public HidConnection {
  public:
    DelayedWrites(std::unique_ptr<HidConnection> inner, std::chrono::milliseconds delay)
        : inner_(std::move(inner)), delay_(delay) {}

    HidReportLengths reportLengths() const override { return inner_->reportLengths(); }
    bool write(std::span<const std::uint8_t> report) override {
        std::this_thread::sleep_for(delay_);
        return inner_->write(report);
    }
    int read(std::span<std::uint8_t> buffer, int timeoutMs) override {
        return inner_->read(buffer, timeoutMs);
    }
    std::string lastError() const override { return inner_->lastError(); }

  private:
    std::unique_ptr<HidConnection> inner_;
    std::chrono::milliseconds delay_;
};

class DelayedWritePlatform : public HidPlatform {
  public:
    DelayedWritePlatform(std::unique_ptr<HidPlatform> inner, std::chrono::milliseconds delay)
        : inner_(std::move(inner)), delay_(delay) {
        connect(inner_.get(), &HidPlatform::devicesChanged, this, &HidPlatform::devicesChanged);
    }

    std::vector<HidInterfaceInfo> enumerate() override { return inner_->enumerate(); }
    std::unique_ptr<HidConnection> open(const HidInterfaceInfo& info, HidOpenMode mode) override {
        std::unique_ptr<HidConnection> connection = inner_->open(info, mode);
        if (!connection) return connection;
        return std::make_unique<DelayedWrites>(std::move(connection), delay_);
    }

  private:
    std::unique_ptr<HidPlatform> inner_;
    std::chrono::milliseconds delay_;
};

// Shorter than the stall time, so a delayed write never counts as a stalled unit.
std::chrono::milliseconds writeDelay() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue(kWriteDelayVariable, &ok);
    if (!ok || ms <= 0 || std::chrono::milliseconds(ms) >= UnitLink::kStallTime) return {};
    return std::chrono::milliseconds(ms);
}

} // namespace

std::unique_ptr<HidPlatform> makeSimulatedUnits() {
    std::unique_ptr<HidPlatform> platform = sim::makeDemoUnits();
    const std::chrono::milliseconds delay = writeDelay();
    if (delay.count() == 0) return platform;
    return std::make_unique<DelayedWritePlatform>(std::move(platform), delay);
}

} // namespace breezekit::ctl
