#pragma once

#include "ctl/UnitValues.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/CommandSequence.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace breezekit {
class HidPlatform;
class HidDevice;
} // namespace breezekit

namespace breezekit::ctl {

// One unit's status: link states and the filter counter.
struct UnitStatus {
    bool wifiConnected = false;
    bool masterConnected = false;
    std::uint32_t filterSeconds = 0;
};

// Talks to units through the device layer's UnitLink, awaiting each reply in the event loop.
class Session {
  public:
    static constexpr std::chrono::milliseconds kReplyTimeout{1000};

    explicit Session(HidPlatform& platform);
    ~Session();

    // Runs the first scan; false when the list did not come in time.
    [[nodiscard]] bool start();
    const std::vector<HidDevice*>& units() const { return link_.listedDevices(); }
    void select(HidDevice* unit) { link_.setCurrentDevice(unit); }
    HidDevice* selected() const { return link_.CurrentDevice(); }
    UnitLink& link() { return link_; }

    // Sends a request and waits for the reply of code; the reply's bytes, or none after the time-out.
    std::optional<std::vector<std::uint8_t>> request(std::uint8_t code, const std::function<void()>& send,
                                                     std::chrono::milliseconds timeout = kReplyTimeout);
    std::optional<std::string> readSerial();
    // The 22 parameters in the read-back order; on silence, failedStep names the parameter awaited.
    std::optional<UnitValues> readParameters(std::string& failedStep);
    std::optional<UnitStatus> readStatus(std::string& failedStep);

    // Sends the commands with their pauses; between two of them an interrupt closes an open write
    // group and stops. False when interrupted or a write failed.
    [[nodiscard]] bool send(const CommandSequence& commands);
    bool writeGroupOpen() const { return groupOpen_; }

    // Runs the event loop until done() holds, the time runs out or a signal arrives.
    bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Stops the readers; its duration is what a benchmark reports apart.
    void shutdown() { link_.shutdown(); }
    bool unitGone() const;

  private:
    UnitLink link_;
    bool listed_ = false;
    bool groupOpen_ = false;
};

} // namespace breezekit::ctl
