#include "ctl/Session.h"

#include "ctl/Interrupt.h"
#include "hid/device/HidDevice.h"
#include "hid/device/Pause.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/ReadBackTable.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>

namespace breezekit::ctl {

namespace {
constexpr unsigned long kStepPauseMs = 1;

const char* nameOf(std::uint8_t code) {
    switch (code) {
    case CmdDeviceMode:
        return "device mode";
    case CmdConnectionType:
        return "connection type";
    case CmdSsid:
        return "network name";
    case CmdPassword:
        return "password";
    case CmdSlaveNumber:
        return "slave number";
    case CmdSlaveDhcp:
        return "slave addressing";
    case CmdSlaveIp:
        return "slave address";
    case CmdMasterIp:
        return "master address";
    case CmdWifiChannel:
        return "Wi-Fi channel";
    case CmdSecurity:
        return "security";
    case CmdOffAllowed:
        return "switching off allowed";
    case CmdDirection:
        return "direction";
    case CmdHumiditySensor:
        return "humidity sensor";
    case CmdRelaySensor:
        return "relay sensor";
    case CmdAnalogSensor:
        return "analog sensor";
    case CmdHumidityThreshold:
        return "humidity threshold";
    case CmdAnalogThreshold:
        return "analog threshold";
    case CmdTurnOffDelay:
        return "turn-off delay";
    case CmdNightTimer:
        return "night timer";
    case CmdPartyTimer:
        return "party timer";
    case CmdHumidityScenario:
        return "humidity scenario";
    case CmdGateway:
        return "gateway";
    case CmdWifiState:
        return "Wi-Fi state";
    case CmdMasterState:
        return "master link state";
    case CmdFilterTime:
        return "filter counter";
    case CmdSerialNumber:
        return "serial number";
    default:
        return "reply";
    }
}

std::u16string cutText(const InputReport& report) {
    return std::u16string(cutAtZero(report.text()));
}

// Stores one reply as the window's read-back does.
void store(UnitValues& v, const InputReport& r) {
    DeviceSettings& s = v.settings;
    const std::uint8_t b = r.payloadByte(1);
    const auto address = [&] {
        return ipv4Payload({r.payloadByte(1), r.payloadByte(2), r.payloadByte(3), r.payloadByte(4)});
    };
    const auto seconds = [&] { return secondsFrom24(r.payloadByte(1), r.payloadByte(2), r.payloadByte(3)); };
    switch (r.code()) {
    case CmdDeviceMode:
        s.DeviceMode = b;
        break;
    case CmdConnectionType:
        s.ConnectionType = b;
        break;
    case CmdSsid:
        s.Ssid = cutText(r);
        break;
    // cut at the first zero, or a later apply would send the padding
    case CmdPassword:
        s.Password = cutText(r);
        break;
    case CmdSlaveNumber:
        s.SlaveNumber = b;
        break;
    case CmdSlaveDhcp:
        s.SlaveDhcp = b;
        break;
    case CmdSlaveIp:
        s.SlaveIp = address();
        break;
    case CmdMasterIp:
        s.MasterIp = address();
        break;
    case CmdWifiChannel:
        s.WifiChannel = b;
        break;
    case CmdSecurity:
        s.SecurityCode = b;
        break;
    case CmdOffAllowed:
        s.OffAllowed = b;
        break;
    case CmdDirection:
        s.Direction = b;
        break;
    case CmdHumiditySensor:
        s.HumiditySensorOn = b;
        break;
    case CmdRelaySensor:
        s.RelaySensorOn = b;
        break;
    case CmdAnalogSensor:
        s.AnalogSensorOn = b;
        break;
    case CmdHumidityThreshold:
        s.HumidityThreshold = b;
        break;
    case CmdAnalogThreshold:
        s.AnalogThreshold = b;
        break;
    case CmdTurnOffDelay:
        v.turnOffDelaySeconds = seconds();
        break;
    case CmdNightTimer:
        v.nightTimerSeconds = seconds();
        break;
    case CmdPartyTimer:
        v.partyTimerSeconds = seconds();
        break;
    case CmdHumidityScenario:
        s.HumidityScenario = b;
        break;
    case CmdGateway:
        s.Gateway = address();
        break;
    default:
        break;
    }
}
} // namespace

Session::Session(HidPlatform& platform) : link_(platform) {
    QObject::connect(&link_, &UnitLink::listRebuilt, &link_, [this] { listed_ = true; });
    // The module's own lines are not used.
    link_.setReportHandler(CmdModuleText, [](const InputReport&) {});
}

Session::~Session() {
    link_.shutdown();
}

bool Session::start() {
    link_.start();
    return waitUntil([this] { return listed_; }, std::chrono::milliseconds(5000));
}

bool Session::waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const QDeadlineTimer deadline(timeout);
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (!done()) {
        if (deadline.hasExpired() || interrupted()) return false;
        // a timer may fire a little early: arm it again for what is left
        if (!wake.isActive()) wake.start(std::max<qint64>(1, deadline.remainingTime()));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool Session::unitGone() const {
    return link_.CurrentDevice() == nullptr;
}

std::optional<std::vector<std::uint8_t>>
Session::request(std::uint8_t code, const std::function<void()>& send, std::chrono::milliseconds timeout) {
    std::optional<std::vector<std::uint8_t>> reply;
    link_.setReportHandler(code, [&reply](const InputReport& report) {
        if (!reply) reply.emplace(report.bytes().begin(), report.bytes().end());
    });
    send();
    waitUntil([&] { return reply.has_value() || unitGone(); }, timeout);
    link_.setReportHandler(code, nullptr);
    return reply;
}

std::optional<std::string> Session::readSerial() {
    const auto reply =
        request(CmdSerialNumber, [this] { link_.SendCommand(CmdRead, numberPayload(CmdSerialNumber)); });
    if (!reply) return std::nullopt;
    const std::u16string serial = InputReport(*reply).serialNumber();
    std::string text;
    for (char16_t c : cutAtZero(serial))
        text += static_cast<char>(c);
    return text;
}

std::optional<UnitValues> Session::readParameters(std::string& failedStep) {
    UnitValues values;
    std::uint8_t asked = kReadBackFirst;
    for (const ReadBackStep& step : kReadBackChain) {
        const auto reply = request(step.reply, [&] { link_.SendCommand(CmdRead, numberPayload(asked)); });
        if (!reply) {
            failedStep = nameOf(step.reply);
            return std::nullopt;
        }
        store(values, InputReport(*reply));
        // the window pauses after every reply before it asks for the next parameter
        pause(kStepPauseMs);
        if (step.next) asked = *step.next;
    }
    return values;
}

std::optional<UnitStatus> Session::readStatus(std::string& failedStep) {
    UnitStatus status;
    const std::uint8_t codes[] = {CmdWifiState, CmdMasterState, CmdFilterTime};
    for (std::uint8_t code : codes) {
        const auto reply = request(code, [&] { link_.SendCommand(CmdRead, numberPayload(code)); });
        if (!reply) {
            failedStep = nameOf(code);
            return std::nullopt;
        }
        const InputReport r(*reply);
        if (code == CmdWifiState) status.wifiConnected = r.payloadByte(1) != 0;
        if (code == CmdMasterState) status.masterConnected = r.payloadByte(1) != 0;
        if (code == CmdFilterTime)
            status.filterSeconds = secondsFrom24(r.payloadByte(1), r.payloadByte(2), r.payloadByte(3));
        // each request awaits its reply, so the window's 20 ms spacing is not needed
        if (code != CmdFilterTime) pause(kStepPauseMs);
    }
    return status;
}

bool Session::send(const CommandSequence& commands) {
    const std::uint64_t failedBefore = link_.failedWrites();
    for (const OutgoingCommand& command : commands) {
        const bool opensGroup = command.code == CmdWriteSession && !command.payload.empty() &&
                                command.payload[0] == kWriteSessionBegin;
        // After an interrupt an open group is closed and no new one starts; what follows a closed group
        // (the module's restart) still goes out, or the unit's Wi-Fi module could stay off.
        if (interrupted() && (groupOpen_ || opensGroup)) {
            if (groupOpen_) link_.SendCommand(CmdWriteSession, numberPayload(kWriteSessionEnd));
            groupOpen_ = false;
            return false;
        }
        link_.sendSequence({command});
        if (command.code == CmdWriteSession && !command.payload.empty())
            groupOpen_ = command.payload[0] == kWriteSessionBegin;
    }
    return !interrupted() && link_.failedWrites() == failedBefore;
}

} // namespace breezekit::ctl
