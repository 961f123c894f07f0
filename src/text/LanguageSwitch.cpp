#include "text/LanguageSwitch.h"

#include "app/FormBuilder.h"
#include "app/MessageBoxes.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "hid/DeviceLink.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

namespace breezekit {

namespace {

enum Row : int {
    kSelectDevice = 0,
    kSelectDeviceMode = 1,
    kSelectConnectionType = 2,
    kMaster = 3,
    kSlave = 4,
    kNoRouter = 5,
    kWithRouter = 6,
    kReceive = 7,
    kRestore = 8,
    kWifiTab = 9,
    kFanTab = 10,
    kFilterTab = 11,
    kSearchWifi = 12,
    kWifiName = 13,
    kSecurityType = 14,
    kNewPassword = 19,
    kPassword = 20,
    kWifiChannel = 21,
    kMasterIp = 22,
    kSlaveIp = 23,
    kSlaveNumber = 24,
    kApplySave = 31,
    kAvailableOff = 32,
    kDirection = 33,
    kSupply = 34,
    kExhaust = 35,
    kHumidityUnit = 36,
    kResetFilter = 41,
    kSerialNumber = 42,
    kLanguage = 43,
    kInformationTab = 44,
    kTurnOffTimer = 45,
    kNightTimer = 46,
    kPartyTimer = 47,
    kHumiditySensor = 48,
    kRelaySensor = 49,
    kVoltageSensor = 50,
    kVersion = 51,
    kDevelopedBy = 52,
    kNoDevices = 54,
    kBoostInMode = 60,
    kBoostToExhaust = 61,
    kHumidityScenario = 62,
    kGateway = 63,
};

constexpr int kHumidityPercentPerStep = 5;
const QString kLanguageValueName = QString::fromLatin1(SettingsStore::kLanguageValue);

} // namespace

LanguageSwitch::LanguageSwitch(TForm1& form, SettingsStore& settings) : form_(form), settings_(settings) {}

void LanguageSwitch::ApplyLanguage() {
    TForm1& f = form_;

    const std::pair<QLabel*, int> labels[] = {
        {f.Label_Choose_device, kSelectDevice},
        {f.Label_Choose_device_mode, kSelectDeviceMode},
        {f.Label_Choose_type_of_connection, kSelectConnectionType},
        {f.Label_S_N, kSerialNumber},
        {f.Label_Language, kLanguage},
        {f.Label_Wi_Fi_name, kWifiName},
        {f.Label_type_security, kSecurityType},
        {f.Label_Wi_Fi_channel, kWifiChannel},
        {f.Label_IP_Master, kMasterIp},
        {f.Label_IP_Slave, kSlaveIp},
        {f.Label_Number_Slave, kSlaveNumber},
        {f.Label_Gateway, kGateway},
        {f.Label_Direction, kDirection},
        {f.Label_Direction_MOX, kHumidityScenario},
        {f.Label_Turn_off_timer, kTurnOffTimer},
        {f.Label_Timer_night_mode, kNightTimer},
        {f.Label_Timer_party_mode, kPartyTimer},
        {f.Label_Create_By, kDevelopedBy},
    };
    for (const auto& [label, row] : labels)
        form::setFittedText(label, f.text(row));

    const std::pair<QAbstractButton*, int> buttons[] = {
        {f.RadioButton_master, kMaster},
        {f.RadioButton_slave, kSlave},
        {f.RadioButton_without_router, kNoRouter},
        {f.RadioButton_with_router, kWithRouter},
        {f.Button_Get_current_parameters, kReceive},
        {f.Button_Restore_default_parameters, kRestore},
        {f.Button_Apply_Save_Wi_Fi, kApplySave},
        {f.Button_Apply_Save_Fan, kApplySave},
        {f.CheckBox_Available_OFF_device, kAvailableOff},
        {f.RadioButton_Supply, kSupply},
        {f.RadioButton_Exhaust, kExhaust},
        {f.RadioButton_Supply_Exhaust_MOX, kBoostInMode},
        {f.RadioButton_Exhaust_MOX, kBoostToExhaust},
        {f.CheckBox_Humidity_sensor, kHumiditySensor},
        {f.CheckBox_External_sensor1, kRelaySensor},
        {f.CheckBox_External_sensor2, kVoltageSensor},
        {f.Button_Reset_filter_timer, kResetFilter},
    };
    for (const auto& [button, row] : buttons)
        button->setText(f.text(row));
    f.Button_Search_Wi_Fi->setText(
        form::twoLineCaption(f.text(kSearchWifi), f.Button_Search_Wi_Fi->fontMetrics()));

    const std::pair<QWidget*, int> tabs[] = {
        {f.Wi_Fi, kWifiTab}, {f.Fan, kFanTab}, {f.Filter, kFilterTab}, {f.Information, kInformationTab}};
    for (const auto& [page, row] : tabs)
        f.PageControl->setTabText(f.PageControl->indexOf(page), f.text(row));

    // Row 19 belongs to master without router alone, as the connection-mode rules have it.
    const bool masterWithoutRouter =
        f.RadioButton_master->isChecked() && f.RadioButton_without_router->isChecked();
    form::setFittedText(f.Label_Password, f.text(masterWithoutRouter ? kNewPassword : kPassword));

    if (!f.CurrentDevice) {
        f.showWifiState(false);
        f.showMasterState(false);
    }
    if (f.ComboBox_Choose_device->currentIndex() < 0)
        f.ComboBox_Choose_device->setEditText(f.text(kNoDevices));
    f.deviceLink().showAccessTips();

    // The slider's own position, not the start value: the label must agree with what is sent.
    form::setAutoSizedText(f.Label_Humidity_sensor,
                           QString::number(f.TrackBar_Humidity_sensor->value() * kHumidityPercentPerStep) +
                               f.text(kHumidityUnit));
    // The last count received stays, in the new language.
    f.showFilterCount();
    form::setFittedText(f.Label_Versio_of_program, f.text(kVersion) + f.VersionText);
}

void LanguageSwitch::ComboBox_LanguageChange(int index) {
    if (!settings_.storeLanguage(index)) {
        messages::showStopError(&form_,
                                QStringLiteral("Failed to set data for '%1'").arg(kLanguageValueName));
        // The combo must not show a language that is not in effect.
        form_.ComboBox_Language->setCurrentIndex(form_.LanguageIndex);
        return;
    }
    form_.LanguageIndex = static_cast<quint8>(index);
    ApplyLanguage();
}

} // namespace breezekit
