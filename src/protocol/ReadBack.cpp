#include "protocol/ReadBack.h"

#include "hid/ControlText.h"
#include "hid/device/Pause.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/Conversions.h"
#include "protocol/core/DeviceSettings.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/ReadBackTable.h"
#include "screens/ConnectionRules.h"
#include "screens/IpAddressEdit.h"
#include "screens/TimeEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <optional>
#include <utility>

namespace breezekit {

namespace {
constexpr unsigned long kStepPauseMs = 1;
constexpr int kNoItem = -1;

struct ReplyShow {
    std::uint8_t code;
    ReadBack::Show show;
};

// Selects one of two radio buttons by a two-valued byte; its click handler runs through toggled(true)
// only when it was not selected yet.
void selectOneOf(std::optional<bool> value, QRadioButton* ifOne, QRadioButton* ifZero) {
    if (value) (*value ? ifOne : ifZero)->setChecked(true);
}

Ipv4 addressOf(const InputReport& report) {
    return {report.payloadByte(1), report.payloadByte(2), report.payloadByte(3), report.payloadByte(4)};
}

std::uint32_t secondsOf(const InputReport& report) {
    return secondsFrom24(report.payloadByte(1), report.payloadByte(2), report.payloadByte(3));
}

} // namespace

ReadBack::ReadBack(Controls controls, DeviceSettings& settings, UnitLink& link, ConnectionRules& rules)
    : c_(controls), settings_(settings), link_(link), rules_(rules) {
    static constexpr ReplyShow kShows[] = {
        {CmdDeviceMode, &ReadBack::showDeviceMode},
        {CmdConnectionType, &ReadBack::showConnectionType},
        {CmdSsid, &ReadBack::showSsid},
        {CmdPassword, &ReadBack::showPassword},
        {CmdSlaveNumber, &ReadBack::showSlaveNumber},
        {CmdSlaveDhcp, &ReadBack::showSlaveDhcp},
        {CmdSlaveIp, &ReadBack::showSlaveIp},
        {CmdMasterIp, &ReadBack::showMasterIp},
        {CmdWifiChannel, &ReadBack::showWifiChannel},
        {CmdSecurity, &ReadBack::showSecurity},
        {CmdOffAllowed, &ReadBack::showOffAllowed},
        {CmdDirection, &ReadBack::showDirection},
        {CmdHumiditySensor, &ReadBack::showHumiditySensor},
        {CmdRelaySensor, &ReadBack::showRelaySensor},
        {CmdAnalogSensor, &ReadBack::showAnalogSensor},
        {CmdHumidityThreshold, &ReadBack::showHumidityThreshold},
        {CmdAnalogThreshold, &ReadBack::showAnalogThreshold},
        {CmdTurnOffDelay, &ReadBack::showTurnOffDelay},
        {CmdNightTimer, &ReadBack::showNightTimer},
        {CmdPartyTimer, &ReadBack::showPartyTimer},
        {CmdHumidityScenario, &ReadBack::showHumidityScenario},
        {CmdGateway, &ReadBack::showGateway},
    };
    static_assert(std::size(kShows) == kReadBackChain.size());
    static_assert(
        [] {
            for (std::size_t i = 0; i < kReadBackChain.size(); ++i)
                if (kShows[i].code != kReadBackChain[i].reply) return false;
            return true;
        }(),
        "one show per step of the chain, in the chain's order");

    for (std::size_t i = 0; i < kReadBackChain.size(); ++i)
        link_.setReportHandler(kReadBackChain[i].reply,
                               [this, step = kReadBackChain[i], show = kShows[i].show](
                                   const InputReport& report) { runStep(step, show, report); });
}

// The chain keeps no state: the reply's own place in the table says what to ask next.
void ReadBack::runStep(const ReadBackStep& step, Show show, const InputReport& report) {
    (this->*show)(report);
    pause(kStepPauseMs);
    if (step.next) link_.SendCommand(CmdRead, numberPayload(*step.next));
}

void ReadBack::showDeviceMode(const InputReport& report) {
    const std::uint8_t mode = report.payloadByte(1);
    settings_.DeviceMode = mode;
    selectOneOf(oneOrZero(mode), c_.RadioButton_master, c_.RadioButton_slave);
}

void ReadBack::showConnectionType(const InputReport& report) {
    const std::uint8_t type = report.payloadByte(1);
    settings_.ConnectionType = type;
    // every slave holds type 1; its router choice comes from the network name instead
    if (settings_.DeviceMode != kRoleMaster) return;
    selectOneOf(withRouterOfConnectionType(type), c_.RadioButton_with_router, c_.RadioButton_without_router);
}

void ReadBack::showSsid(const InputReport& report) {
    const QString ssid = controlText(report.text());
    c_.ComboBox_Wi_Fi_name->setEditText(ssid);
    if (settings_.DeviceMode != kRoleSlave) return;
    const bool ownAccessPoint = isMasterAccessPointName(ssid.toStdU16String());
    (ownAccessPoint ? c_.RadioButton_without_router : c_.RadioButton_with_router)->setChecked(true);
}

void ReadBack::showPassword(const InputReport& report) {
    // cut as the field shows it, or the next Apply would send the password padded with zero bytes
    const QString password = controlText(report.text());
    settings_.Password = password.toStdU16String();
    c_.Edit_Password->setText(password);
}

void ReadBack::showSlaveNumber(const InputReport& report) {
    const std::uint8_t number = report.payloadByte(1);
    settings_.SlaveNumber = number;
    c_.ComboBox_Number_Slave->setCurrentIndex(slaveItemOfNumber(number).value_or(kNoItem));
}

void ReadBack::showSlaveDhcp(const InputReport& report) {
    const std::uint8_t dhcp = report.payloadByte(1);
    settings_.SlaveDhcp = dhcp;
    if (const std::optional<int> item = slaveDhcpItem(dhcp)) c_.ComboBox_IP_Slave->setCurrentIndex(*item);
    // a selection set from code runs no change handler, so run it here
    rules_.ComboBox_IP_SlaveChange();
}

void ReadBack::showSlaveIp(const InputReport& report) {
    showAddress(report, settings_.SlaveIp, c_.JvIPAddress_IP_Slave);
}

void ReadBack::showMasterIp(const InputReport& report) {
    showAddress(report, settings_.MasterIp, c_.JvIPAddress_IP_Master);
}

void ReadBack::showWifiChannel(const InputReport& report) {
    const std::uint8_t channel = report.payloadByte(1);
    settings_.WifiChannel = channel;
    c_.ComboBox_Wi_Fi_channel->setCurrentIndex(channelItemOfNumber(channel).value_or(kNoItem));
}

void ReadBack::showSecurity(const InputReport& report) {
    const std::uint8_t digit = report.payloadByte(1);
    settings_.SecurityCode = digit;
    if (const std::optional<int> item = securityItemOfDigit(digit))
        c_.ComboBox_Security_WI_FI->setCurrentIndex(*item);
    rules_.ComboBox_Security_WI_FIChange();
}

void ReadBack::showOffAllowed(const InputReport& report) {
    showFlag(report, settings_.OffAllowed, c_.CheckBox_Available_OFF_device);
}

void ReadBack::showDirection(const InputReport& report) {
    const std::uint8_t direction = report.payloadByte(1);
    settings_.Direction = direction;
    selectOneOf(oneOrZero(direction), c_.RadioButton_Exhaust, c_.RadioButton_Supply);
}

void ReadBack::showHumiditySensor(const InputReport& report) {
    showFlag(report, settings_.HumiditySensorOn, c_.CheckBox_Humidity_sensor);
}

void ReadBack::showRelaySensor(const InputReport& report) {
    showFlag(report, settings_.RelaySensorOn, c_.CheckBox_External_sensor1);
}

void ReadBack::showAnalogSensor(const InputReport& report) {
    showFlag(report, settings_.AnalogSensorOn, c_.CheckBox_External_sensor2);
}

void ReadBack::showHumidityThreshold(const InputReport& report) {
    showThreshold(report, settings_.HumidityThreshold, c_.TrackBar_Humidity_sensor);
}

void ReadBack::showAnalogThreshold(const InputReport& report) {
    showThreshold(report, settings_.AnalogThreshold, c_.TrackBar_External_sensor2);
}

void ReadBack::showTurnOffDelay(const InputReport& report) {
    showTime(report, c_.JvTimeEdit_Timer_after_reacting_any_sensor);
}

void ReadBack::showNightTimer(const InputReport& report) {
    showTime(report, c_.JvTimeEdit_Timer_night_mode);
}

void ReadBack::showPartyTimer(const InputReport& report) {
    showTime(report, c_.JvTimeEdit_Timer_party_mode);
}

void ReadBack::showHumidityScenario(const InputReport& report) {
    const std::uint8_t scenario = report.payloadByte(1);
    settings_.HumidityScenario = scenario;
    selectOneOf(oneOrZero(scenario), c_.RadioButton_Exhaust_MOX, c_.RadioButton_Supply_Exhaust_MOX);
}

void ReadBack::showGateway(const InputReport& report) {
    showAddress(report, settings_.Gateway, c_.JvGateway);
}

void ReadBack::showFlag(const InputReport& report, std::uint8_t& field, QCheckBox* box) {
    field = report.payloadByte(1);
    if (const std::optional<bool> on = oneOrZero(field)) box->setChecked(*on);
}

// The slider's valueChanged runs its label handler only when the position really changes.
void ReadBack::showThreshold(const InputReport& report, std::uint8_t& field, QSlider* slider) {
    field = report.payloadByte(1);
    slider->setValue(sliderPositionOfThreshold(field, slider->minimum(), slider->maximum()));
}

void ReadBack::showAddress(const InputReport& report, std::u16string& field, IpAddressEdit* edit) {
    const Ipv4 address = addressOf(report);
    field = ipv4Payload(address);
    edit->setAddress(address);
}

void ReadBack::showTime(const InputReport& report, TimeEdit* edit) {
    edit->setTime(timeOfSeconds(secondsOf(report)));
}

} // namespace breezekit
