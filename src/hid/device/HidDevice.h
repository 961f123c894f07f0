#pragma once

#include "hid/device/HidPlatform.h"

#include <memory>
#include <optional>
#include <span>
#include <string>

namespace breezekit {

class DeviceReader;

enum class HidAccess { ReadWrite, IdentificationOnly };

// One present HID interface in the controller's pool; while taken by the device list, a unit.
class HidDevice {
  public:
    static constexpr std::size_t kMaxProductStringLength = 254;

    HidDevice(HidPlatform& platform, HidInterfaceInfo info, HidAccess access);
    ~HidDevice();

    HidDevice(const HidDevice&) = delete;
    HidDevice& operator=(const HidDevice&) = delete;

    const std::string& path() const { return info_.path; }
    const std::string& identity() const { return info_.identity; }
    std::uint16_t vendorId() const { return info_.vendorId; }
    std::uint16_t productId() const { return info_.productId; }
    const std::u16string& productString() const { return info_.productString; }
    const HidInterfaceInfo& info() const { return info_; }
    HidAccess access() const { return access_; }

    bool pluggedIn() const { return pluggedIn_; }
    bool taken() const { return taken_; }
    bool hasReader() const { return reader_ != nullptr; }

    // Report ID byte included; fetched on first use and kept until the entry is released.
    int inputReportLength();
    int outputReportLength();

    // One synchronous write of a whole output report; false when it failed (no access, gone).
    [[nodiscard]] bool write(std::span<const std::uint8_t> report);
    // Why the last write failed, as the system said it; empty when it said nothing.
    std::string lastError() const;

  private:
    friend class HidController;

    const HidReportLengths& capabilities();
    void closeSyncHandle();

    HidPlatform& platform_;
    HidInterfaceInfo info_;
    HidAccess access_;
    bool pluggedIn_ = true;
    bool taken_ = false;
    std::optional<HidReportLengths> capabilities_;
    std::unique_ptr<HidConnection> syncHandle_;
    std::unique_ptr<DeviceReader> reader_;
};

} // namespace breezekit
