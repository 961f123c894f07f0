#include "hid/device/UnitLink.h"

#include "hid/core/Framing.h"
#include "hid/core/ReportText.h"
#include "hid/device/HidController.h"
#include "hid/device/HidLog.h"
#include "hid/device/Pause.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"

#include <QMetaObject>
#include <QStringList>
#include <algorithm>

namespace breezekit {

namespace {
constexpr char16_t kModelPavona[] = u"Pavona";
constexpr char16_t kModelMox[] = u"Pavona MOX";
constexpr int kMinInputLength = 4; // report ID, code, length byte, one payload byte

QString logText(std::span<const std::uint8_t> report) {
    return QString::fromStdString(reportForLog(report));
}
} // namespace

UnitLink::UnitLink(HidPlatform& platform) : controller_(std::make_unique<HidController>(platform)) {
    controller_->OnDeviceChange = [this] { JvHidDeviceController1DeviceChange(); };
    controller_->OnEnumerate = [this](HidDevice& device, int index) {
        return JvHidDeviceController1Enumerate(device, index);
    };
    // The interface is skipped without a message; every later scan tries it again.
    controller_->OnDeviceCreateError = [](const HidInterfaceInfo&, bool& handled, bool&) { handled = true; };
    controller_->OnDeviceData = [this](HidDevice& device, const InputReport& report) {
        JvHidDeviceController1DeviceData(device, report);
    };
}

UnitLink::~UnitLink() {
    shutdown();
}

void UnitLink::start() {
    QMetaObject::invokeMethod(
        controller_.get(), [this] { controller_->startUp(); }, Qt::QueuedConnection);
}

void UnitLink::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    setCurrentDevice(nullptr);
    controller_->OnDeviceChange = nullptr;
    controller_->CheckIn(units_);
    units_.clear();
}

void UnitLink::setCurrentDevice(HidDevice* device) {
    if (current_ == device) return;
    current_ = device;
    emit currentDeviceChanged(device);
}

UnitAccess UnitLink::accessOf(HidDevice& device) {
    if (device.access() == HidAccess::IdentificationOnly) return UnitAccess::NoAccess;
    if (!canFrame(device.outputReportLength()) || device.inputReportLength() < kMinInputLength)
        return UnitAccess::UnusableReports;
    return UnitAccess::Usable;
}

bool UnitLink::isMox(const HidDevice& device) {
    return device.productString() == kModelMox;
}

std::u16string UnitLink::modelOf(const HidDevice& device) {
    return isMox(device) ? kModelMox : kModelPavona;
}

void UnitLink::setReportHandler(std::uint8_t code, ReportHandler handler) {
    handlers_[code] = std::move(handler);
}

UnitLink::ListenerId UnitLink::addReportListener(std::uint8_t code, ReportHandler listener) {
    listeners_.push_back({++lastListener_, code, std::move(listener)});
    return lastListener_;
}

void UnitLink::removeReportListener(ListenerId id) {
    std::erase_if(listeners_, [id](const Listener& l) { return l.id == id; });
}

void UnitLink::sendSequence(const CommandSequence& commands) {
    for (const OutgoingCommand& command : commands) {
        SendCommand(command.code, command.payload);
        if (command.pauseAfterMs > 0) pause(command.pauseAfterMs);
    }
}

void UnitLink::SendCommand(std::uint8_t code, std::u16string_view payload) {
    HidDevice* device = current_;
    if (device == nullptr) return;
    const int length = device->outputReportLength();
    if (!canFrame(length)) {
        qCDebug(lcHid) << "no write: output report length" << length << "cannot carry a command";
        ++failedWrites_;
        return;
    }
    UnitWrites& state = writes_[device->identity()];
    bool allWritten = true;
    frameCommand(code, payload, length, [&](std::span<const std::uint8_t> report) {
        allWritten = writeReport(*device, state, report) && allWritten;
        return !state.stalled;
    });
    if (code == CmdWriteSession && !payload.empty())
        state.closePending = payload[0] == kWriteSessionEnd && !allWritten && state.stalled;
}

bool UnitLink::writeReport(HidDevice& device, UnitWrites& state, std::span<const std::uint8_t> report) {
    if (state.stalled) {
        qCDebug(lcHid).noquote() << "tx skipped, the unit stalled:" << logText(report);
        ++failedWrites_;
        return false;
    }
    qCDebug(lcHid).noquote() << "tx" << logText(report);
    const auto began = std::chrono::steady_clock::now();
    const bool written = device.write(report);
    const auto took = std::chrono::steady_clock::now() - began;
    if (took >= kStallTime) {
        // Each further write could block as long again: skip them until the unit answers.
        state.stalled = true;
        qCWarning(lcHid) << "a write blocked for"
                         << std::chrono::duration_cast<std::chrono::milliseconds>(took).count()
                         << "ms; writes to this unit wait until it sends a report";
    }
    if (!written) {
        ++failedWrites_;
        const std::string reason = device.lastError();
        qCWarning(lcHid).noquote() << "write failed" +
                                          QString::fromStdString(reason.empty() ? "" : ": " + reason);
    }
    return written;
}

void UnitLink::resumeAfterStall(HidDevice& device) {
    const auto found = writes_.find(device.identity());
    if (found == writes_.end() || !found->second.stalled) return;
    found->second.stalled = false;
    qCInfo(lcHid) << "the stalled unit answers again";
    if (!std::exchange(found->second.closePending, false) || &device != current_) return;
    SendCommand(CmdWriteSession, numberPayload(kWriteSessionEnd));
}

void UnitLink::JvHidDeviceController1DeviceData(HidDevice& device, const InputReport& report) {
    qCDebug(lcHid).noquote() << "rx" << logText(report.bytes());
    resumeAfterStall(device);
    if (&device != current_) return;
    if (const ReportHandler& handler = handlers_[report.code()]) handler(report);
    if (listeners_.empty()) return;
    // The ones listening now, by id: a listener may remove others or itself, or add new ones.
    std::vector<ListenerId> hearing;
    for (const Listener& l : listeners_)
        if (l.code == report.code()) hearing.push_back(l.id);
    for (ListenerId id : hearing) {
        const auto found = std::find_if(listeners_.begin(), listeners_.end(),
                                        [id](const Listener& l) { return l.id == id; });
        if (found == listeners_.end()) continue;
        // a copy: removing itself must not destroy the function while it runs
        const ReportHandler hear = found->hear;
        hear(report);
    }
}

void UnitLink::JvHidDeviceController1DeviceChange() {
    // The rebuild keeps the user's unit selected when it is still listed.
    const std::string keep = current_ ? current_->identity() : std::string();
    // Reports still waiting in the hand-over are handled while the handles live: the selection stays
    // until every reader has stopped.
    const std::vector<HidDevice*> released = std::move(units_);
    units_.clear();
    controller_->CheckIn(released);
    setCurrentDevice(nullptr);

    controller_->Enumerate();

    QStringList listed;
    for (std::size_t i = 0; i < units_.size(); ++i)
        listed << QStringLiteral("%1. %2 [%3]")
                      .arg(i + 1)
                      .arg(QString::fromStdU16String(modelOf(*units_[i])),
                           QString::fromStdString(units_[i]->identity()));
    qCDebug(lcHid).noquote() << "device list:"
                             << (listed.isEmpty() ? QStringLiteral("(none)") : listed.join(", "));

    std::erase_if(writes_, [&](const auto& entry) {
        return std::none_of(units_.begin(), units_.end(),
                            [&](HidDevice* d) { return d->identity() == entry.first; });
    });
    const auto kept =
        std::find_if(units_.begin(), units_.end(), [&](HidDevice* d) { return d->identity() == keep; });
    emit listRebuilt(kept == units_.end() ? -1 : static_cast<int>(kept - units_.begin()));
}

bool UnitLink::JvHidDeviceController1Enumerate(HidDevice& device, int index) {
    if (device.vendorId() != kVendorId || device.productId() != kProductId) return true;
    if (HidDevice* taken = controller_->CheckOutByIndex(index)) units_.push_back(taken);
    return true;
}

} // namespace breezekit
