#pragma once

#include "hid/device/UnitLink.h"
#include "profile/UnitReads.h"
#include "protocol/core/UnitValues.h"

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

using profile::UnitStatus;

// The companion's one UnitLink, and the event loop that its commands run the library's reads in.
class Session {
  public:
    explicit Session(HidPlatform& platform);
    ~Session();

    // Runs the first scan; false when the list did not come in time.
    [[nodiscard]] bool start();
    const std::vector<HidDevice*>& units() const { return link_.listedDevices(); }
    void select(HidDevice* unit) { link_.setCurrentDevice(unit); }
    HidDevice* selected() const { return link_.CurrentDevice(); }
    UnitLink& link() { return link_; }

    std::optional<std::string> readSerial();
    // The 22 parameters in the read-back order; on silence, failedStep names the parameter awaited.
    std::optional<UnitValues> readParameters(std::string& failedStep);
    std::optional<UnitStatus> readStatus(std::string& failedStep);

    // Runs the event loop while busy() holds; false when an interrupt came first.
    bool await(const std::function<bool()>& busy);
    // Runs the event loop until done() holds, the time runs out or a signal arrives.
    bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Stops the readers; its duration is what a benchmark reports apart.
    void shutdown() { link_.shutdown(); }
    bool unitGone() const;

  private:
    // Runs a read to its end; false when it ended without every reply.
    bool finish(profile::ReplyChain& read);

    UnitLink link_;
    bool listed_ = false;
};

// The name of the parameter or state a reply code carries, as the companion's messages say it.
const char* parameterName(std::uint8_t code);

} // namespace breezekit::ctl
