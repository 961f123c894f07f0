#pragma once

#include <cstdint>
#include <string>

class QCheckBox;
class QRadioButton;
class QSlider;

namespace breezekit {

class TForm1;
class UnitLink;
class ConnectionRules;
class IpAddressEdit;
class TimeEdit;
class InputReport;
struct ReadBackStep;

// The reply handlers of the parameter read-back; each reply asks for the next parameter.
class ReadBack {
  public:
    ReadBack(TForm1& form, UnitLink& link, ConnectionRules& rules);

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

    TForm1& form_;
    UnitLink& link_;
    ConnectionRules& rules_;
};

} // namespace breezekit
