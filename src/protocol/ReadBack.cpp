#include "protocol/ReadBack.h"

#include "hid/device/Pause.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/Conversions.h"
#include "protocol/core/DeviceSettings.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"
#include "protocol/core/ReadBackTable.h"
#include "protocol/core/ReplyDecoder.h"
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

QString textOf(const std::u16string& reported) {
    return QString::fromStdU16String(reported);
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
    decodeReply(report.code(), report.payload(), reported_);
    (this->*show)();
    pause(kReadBackStepPauseMs);
    if (step.next) link_.SendCommand(CmdRead, numberPayload(*step.next));
}

void ReadBack::showDeviceMode() {
    settings_.DeviceMode = reported_.settings.DeviceMode;
    selectOneOf(oneOrZero(settings_.DeviceMode), c_.RadioButton_master, c_.RadioButton_slave);
}

void ReadBack::showConnectionType() {
    settings_.ConnectionType = reported_.settings.ConnectionType;
    // every slave holds type 1; its router choice comes from the network name instead
    if (settings_.DeviceMode != kRoleMaster) return;
    selectOneOf(withRouterOfConnectionType(settings_.ConnectionType), c_.RadioButton_with_router,
                c_.RadioButton_without_router);
}

void ReadBack::showSsid() {
    const std::u16string& ssid = reported_.settings.Ssid;
    c_.ComboBox_Wi_Fi_name->setEditText(textOf(ssid));
    if (settings_.DeviceMode != kRoleSlave) return;
    (slaveWithRouter(ssid) ? c_.RadioButton_with_router : c_.RadioButton_without_router)->setChecked(true);
}

void ReadBack::showPassword() {
    settings_.Password = reported_.settings.Password;
    c_.Edit_Password->setText(textOf(settings_.Password));
}

void ReadBack::showSlaveNumber() {
    settings_.SlaveNumber = reported_.settings.SlaveNumber;
    c_.ComboBox_Number_Slave->setCurrentIndex(slaveItemOfNumber(settings_.SlaveNumber).value_or(kNoItem));
}

void ReadBack::showSlaveDhcp() {
    settings_.SlaveDhcp = reported_.settings.SlaveDhcp;
    if (const std::optional<int> item = slaveDhcpItem(settings_.SlaveDhcp))
        c_.ComboBox_IP_Slave->setCurrentIndex(*item);
    // a selection set from code runs no change handler, so run it here
    rules_.ComboBox_IP_SlaveChange();
}

void ReadBack::showSlaveIp() {
    showAddress(reported_.settings.SlaveIp, settings_.SlaveIp, c_.JvIPAddress_IP_Slave);
}

void ReadBack::showMasterIp() {
    showAddress(reported_.settings.MasterIp, settings_.MasterIp, c_.JvIPAddress_IP_Master);
}

void ReadBack::showWifiChannel() {
    settings_.WifiChannel = reported_.settings.WifiChannel;
    c_.ComboBox_Wi_Fi_channel->setCurrentIndex(channelItemOfNumber(settings_.WifiChannel).value_or(kNoItem));
}

void ReadBack::showSecurity() {
    settings_.SecurityCode = reported_.settings.SecurityCode;
    if (const std::optional<int> item = securityItemOfDigit(settings_.SecurityCode))
        c_.ComboBox_Security_WI_FI->setCurrentIndex(*item);
    rules_.ComboBox_Security_WI_FIChange();
}

void ReadBack::showOffAllowed() {
    showFlag(reported_.settings.OffAllowed, settings_.OffAllowed, c_.CheckBox_Available_OFF_device);
}

void ReadBack::showDirection() {
    settings_.Direction = reported_.settings.Direction;
    selectOneOf(oneOrZero(settings_.Direction), c_.RadioButton_Exhaust, c_.RadioButton_Supply);
}

void ReadBack::showHumiditySensor() {
    showFlag(reported_.settings.HumiditySensorOn, settings_.HumiditySensorOn, c_.CheckBox_Humidity_sensor);
}

void ReadBack::showRelaySensor() {
    showFlag(reported_.settings.RelaySensorOn, settings_.RelaySensorOn, c_.CheckBox_External_sensor1);
}

void ReadBack::showAnalogSensor() {
    showFlag(reported_.settings.AnalogSensorOn, settings_.AnalogSensorOn, c_.CheckBox_External_sensor2);
}

void ReadBack::showHumidityThreshold() {
    showThreshold(reported_.settings.HumidityThreshold, settings_.HumidityThreshold,
                  c_.TrackBar_Humidity_sensor);
}

void ReadBack::showAnalogThreshold() {
    showThreshold(reported_.settings.AnalogThreshold, settings_.AnalogThreshold,
                  c_.TrackBar_External_sensor2);
}

void ReadBack::showTurnOffDelay() {
    showTime(reported_.turnOffDelaySeconds, c_.JvTimeEdit_Timer_after_reacting_any_sensor);
}

void ReadBack::showNightTimer() {
    showTime(reported_.nightTimerSeconds, c_.JvTimeEdit_Timer_night_mode);
}

void ReadBack::showPartyTimer() {
    showTime(reported_.partyTimerSeconds, c_.JvTimeEdit_Timer_party_mode);
}

void ReadBack::showHumidityScenario() {
    settings_.HumidityScenario = reported_.settings.HumidityScenario;
    selectOneOf(oneOrZero(settings_.HumidityScenario), c_.RadioButton_Exhaust_MOX,
                c_.RadioButton_Supply_Exhaust_MOX);
}

void ReadBack::showGateway() {
    showAddress(reported_.settings.Gateway, settings_.Gateway, c_.JvGateway);
}

void ReadBack::showFlag(std::uint8_t reported, std::uint8_t& field, QCheckBox* box) {
    field = reported;
    if (const std::optional<bool> on = oneOrZero(field)) box->setChecked(*on);
}

// The slider's valueChanged runs its label handler only when the position really changes.
void ReadBack::showThreshold(std::uint8_t reported, std::uint8_t& field, QSlider* slider) {
    field = reported;
    slider->setValue(sliderPositionOfThreshold(field, slider->minimum(), slider->maximum()));
}

void ReadBack::showAddress(const std::u16string& reported, std::u16string& field, IpAddressEdit* edit) {
    field = reported;
    edit->setAddress(ipv4FromPayload(field).value_or(Ipv4{}));
}

void ReadBack::showTime(std::uint32_t seconds, TimeEdit* edit) {
    edit->setTime(timeOfSeconds(seconds));
}

} // namespace breezekit
