#include "hid/device/HidDevice.h"

#include "hid/device/DeviceReader.h"

namespace breezekit {

HidDevice::HidDevice(HidPlatform& platform, HidInterfaceInfo info, HidAccess access)
    : platform_(platform), info_(std::move(info)), access_(access) {
    if (info_.productString.size() > kMaxProductStringLength)
        info_.productString.resize(kMaxProductStringLength);
}

HidDevice::~HidDevice() = default;

const HidReportLengths& HidDevice::capabilities() {
    if (!capabilities_) {
        if (syncHandle_) {
            capabilities_ = syncHandle_->reportLengths();
        } else {
            // A query opens the interface only for as long as it takes.
            const auto mode =
                access_ == HidAccess::ReadWrite ? HidOpenMode::ReadWrite : HidOpenMode::IdentificationOnly;
            auto handle = platform_.open(info_, mode);
            capabilities_ = handle ? handle->reportLengths() : HidReportLengths{};
        }
    }
    return *capabilities_;
}

int HidDevice::inputReportLength() {
    return capabilities().input;
}

int HidDevice::outputReportLength() {
    return capabilities().output;
}

bool HidDevice::write(std::span<const std::uint8_t> report) {
    if (access_ != HidAccess::ReadWrite || !pluggedIn_) return false;
    if (!syncHandle_) syncHandle_ = platform_.open(info_, HidOpenMode::ReadWrite);
    return syncHandle_ && syncHandle_->write(report);
}

std::string HidDevice::lastError() const {
    if (access_ != HidAccess::ReadWrite) return "no access";
    if (!pluggedIn_) return "unplugged";
    return syncHandle_ ? syncHandle_->lastError() : std::string("could not open");
}

void HidDevice::closeSyncHandle() {
    syncHandle_.reset();
}

} // namespace breezekit
