#pragma once

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace breezekit {

struct DeviceSettings;
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

    // Shows one reply in the window and the record of last-known parameters.
    using Show = void (ReadBack::*)(const InputReport&);

  private:
    void runStep(const ReadBackStep& step, Show show, const InputReport& report);

    void showDeviceMode(const InputReport& report);
    void showConnectionType(const InputReport& report);
    void showSsid(const InputReport& report);
    void showPassword(const InputReport& report);
    void showSlaveNumber(const InputReport& report);
    void showSlaveDhcp(const InputReport& report);
    void showSlaveIp(const InputReport& report);
    void showMasterIp(const InputReport& report);
    void showWifiChannel(const InputReport& report);
    void showSecurity(const InputReport& report);
    void showOffAllowed(const InputReport& report);
    void showDirection(const InputReport& report);
    void showHumiditySensor(const InputReport& report);
    void showRelaySensor(const InputReport& report);
    void showAnalogSensor(const InputReport& report);
    void showHumidityThreshold(const InputReport& report);
    void showAnalogThreshold(const InputReport& report);
    void showTurnOffDelay(const InputReport& report);
    void showNightTimer(const InputReport& report);
    void showPartyTimer(const InputReport& report);
    void showHumidityScenario(const InputReport& report);
    void showGateway(const InputReport& report);

    void showFlag(const InputReport& report, std::uint8_t& field, QCheckBox* box);
    void showThreshold(const InputReport& report, std::uint8_t& field, QSlider* slider);
    void showAddress(const InputReport& report, std::u16string& field, IpAddressEdit* edit);
    void showTime(const InputReport& report, TimeEdit* edit);

    Controls c_;
    DeviceSettings& settings_;
    UnitLink& link_;
    ConnectionRules& rules_;
};

} // namespace breezekit
