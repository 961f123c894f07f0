#pragma once

#include "protocol/core/UnitValues.h"

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace breezekit {

class UnitLink;
class ConnectionRules;
class IpAddressEdit;
class TimeEdit;
class InputReport;
struct ReadBackStep;

// The reply handlers of the parameter read-back; each reply asks for the next parameter.
class ReadBack {
  public:
    struct Controls {
        QRadioButton* RadioButton_master;
        QRadioButton* RadioButton_slave;
        QRadioButton* RadioButton_without_router;
        QRadioButton* RadioButton_with_router;
        QComboBox* ComboBox_Wi_Fi_name;
        QComboBox* ComboBox_Security_WI_FI;
        QLineEdit* Edit_Password;
        QComboBox* ComboBox_Wi_Fi_channel;
        QComboBox* ComboBox_Number_Slave;
        QComboBox* ComboBox_IP_Slave;
        IpAddressEdit* JvIPAddress_IP_Slave;
        IpAddressEdit* JvIPAddress_IP_Master;
        IpAddressEdit* JvGateway;
        QCheckBox* CheckBox_Available_OFF_device;
        QRadioButton* RadioButton_Supply;
        QRadioButton* RadioButton_Exhaust;
        QRadioButton* RadioButton_Exhaust_MOX;
        QRadioButton* RadioButton_Supply_Exhaust_MOX;
        TimeEdit* JvTimeEdit_Timer_after_reacting_any_sensor;
        TimeEdit* JvTimeEdit_Timer_night_mode;
        TimeEdit* JvTimeEdit_Timer_party_mode;
        QCheckBox* CheckBox_Humidity_sensor;
        QSlider* TrackBar_Humidity_sensor;
        QCheckBox* CheckBox_External_sensor1;
        QCheckBox* CheckBox_External_sensor2;
        QSlider* TrackBar_External_sensor2;
    };

    ReadBack(Controls controls, DeviceSettings& settings, UnitLink& link, ConnectionRules& rules);

    // Shows the reply just decoded in the window and the record of last-known parameters.
    using Show = void (ReadBack::*)();

  private:
    void runStep(const ReadBackStep& step, Show show, const InputReport& report);

    void showDeviceMode();
    void showConnectionType();
    void showSsid();
    void showPassword();
    void showSlaveNumber();
    void showSlaveDhcp();
    void showSlaveIp();
    void showMasterIp();
    void showWifiChannel();
    void showSecurity();
    void showOffAllowed();
    void showDirection();
    void showHumiditySensor();
    void showRelaySensor();
    void showAnalogSensor();
    void showHumidityThreshold();
    void showAnalogThreshold();
    void showTurnOffDelay();
    void showNightTimer();
    void showPartyTimer();
    void showHumidityScenario();
    void showGateway();

    void showFlag(std::uint8_t reported, std::uint8_t& field, QCheckBox* box);
    void showThreshold(std::uint8_t reported, std::uint8_t& field, QSlider* slider);
    void showAddress(const std::u16string& reported, std::u16string& field, IpAddressEdit* edit);
    void showTime(std::uint32_t seconds, TimeEdit* edit);

    Controls c_;
    DeviceSettings& settings_;
    // The replies as decoded; only what the read-back stores goes on into settings_.
    UnitValues reported_;
    UnitLink& link_;
    ConnectionRules& rules_;
};

} // namespace breezekit
