#include "ctl/Session.h"

#include "ctl/Interrupt.h"
#include "protocol/core/Commands.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>

namespace breezekit::ctl {

const char* parameterName(std::uint8_t code) {
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

// What awaits a reply has its own time-out, which wakes the loop.
bool Session::await(const std::function<bool()>& busy) {
    while (busy()) {
        if (interrupted()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool Session::unitGone() const {
    return link_.CurrentDevice() == nullptr;
}

// An interrupt ends the wait as silence does.
bool Session::finish(profile::ReplyChain& read) {
    return await([&read] { return read.running(); }) && read.complete();
}

std::optional<std::string> Session::readSerial() {
    profile::SerialRead read(link_);
    read.start();
    if (!finish(read)) return std::nullopt;
    return read.serial();
}

std::optional<UnitValues> Session::readParameters(std::string& failedStep) {
    profile::ParameterRead read(link_);
    read.start();
    if (finish(read)) return read.values();
    failedStep = parameterName(read.awaitedCode());
    return std::nullopt;
}

std::optional<UnitStatus> Session::readStatus(std::string& failedStep) {
    profile::StatusRead read(link_);
    read.start();
    if (finish(read)) return read.status();
    failedStep = parameterName(read.awaitedCode());
    return std::nullopt;
}

} // namespace breezekit::ctl
