#include "text/LanguageSwitch.h"

#include "app/FormBuilder.h"
#include "app/MessageBoxes.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "text/core/TextRows.h"

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

const QString kLanguageValueName = QString::fromLatin1(SettingsStore::kLanguageValue);

} // namespace

LanguageSwitch::LanguageSwitch(TForm1& form, SettingsStore& settings) : form_(form), settings_(settings) {}

void LanguageSwitch::ApplyLanguage() {
    TForm1& f = form_;

    const std::pair<QLabel*, int> labels[] = {
        {f.Label_Choose_device, kRowSelectDevice},
        {f.Label_Choose_device_mode, kRowSelectDeviceMode},
        {f.Label_Choose_type_of_connection, kRowSelectConnectionType},
        {f.Label_S_N, kRowSerialNumber},
        {f.Label_Language, kRowLanguage},
        {f.Label_Wi_Fi_name, kRowWifiName},
        {f.Label_type_security, kRowSecurityType},
        {f.Label_Wi_Fi_channel, kRowWifiChannel},
        {f.Label_IP_Master, kRowMasterIp},
        {f.Label_IP_Slave, kRowSlaveIp},
        {f.Label_Number_Slave, kRowSlaveNumber},
        {f.Label_Gateway, kRowGateway},
        {f.Label_Direction, kRowDirection},
        {f.Label_Direction_MOX, kRowHumidityScenario},
        {f.Label_Turn_off_timer, kRowTurnOffTimer},
        {f.Label_Timer_night_mode, kRowNightTimer},
        {f.Label_Timer_party_mode, kRowPartyTimer},
        {f.Label_Create_By, kRowDevelopedBy},
    };
    for (const auto& [label, row] : labels)
        form::setFittedText(label, f.text(row));

    const std::pair<QAbstractButton*, int> buttons[] = {
        {f.RadioButton_master, kRowMaster},
        {f.RadioButton_slave, kRowSlave},
        {f.RadioButton_without_router, kRowNoRouter},
        {f.RadioButton_with_router, kRowWithRouter},
        {f.Button_Get_current_parameters, kRowReceive},
        {f.Button_Restore_default_parameters, kRowRestore},
        {f.Button_Apply_Save_Wi_Fi, kRowApplySave},
        {f.Button_Apply_Save_Fan, kRowApplySave},
        {f.CheckBox_Available_OFF_device, kRowAvailableOff},
        {f.RadioButton_Supply, kRowSupply},
        {f.RadioButton_Exhaust, kRowExhaust},
        {f.RadioButton_Supply_Exhaust_MOX, kRowBoostInMode},
        {f.RadioButton_Exhaust_MOX, kRowBoostToExhaust},
        {f.CheckBox_Humidity_sensor, kRowHumiditySensor},
        {f.CheckBox_External_sensor1, kRowRelaySensor},
        {f.CheckBox_External_sensor2, kRowVoltageSensor},
        {f.Button_Reset_filter_timer, kRowResetFilter},
    };
    for (const auto& [button, row] : buttons)
        button->setText(f.text(row));
    f.Button_Search_Wi_Fi->setText(
        form::twoLineCaption(f.text(kRowSearchWifi), f.Button_Search_Wi_Fi->fontMetrics()));

    const std::pair<QWidget*, int> tabs[] = {{f.Wi_Fi, kRowWifiTab},
                                             {f.Fan, kRowFanTab},
                                             {f.Filter, kRowFilterTab},
                                             {f.Information, kRowInformationTab}};
    for (const auto& [page, row] : tabs)
        f.PageControl->setTabText(f.PageControl->indexOf(page), f.text(row));

    // Row 19 belongs to master without router alone, as the connection-mode rules have it.
    const bool masterWithoutRouter =
        f.RadioButton_master->isChecked() && f.RadioButton_without_router->isChecked();
    form::setFittedText(f.Label_Password, f.text(masterWithoutRouter ? kRowNewPassword : kRowPassword));

    if (f.ComboBox_Choose_device->currentIndex() < 0)
        f.ComboBox_Choose_device->setEditText(f.text(kRowNoDevices));
    form::setFittedText(f.Label_Versio_of_program, f.text(kRowVersion) + f.VersionText);
    emit languageApplied();
}

void LanguageSwitch::ComboBox_LanguageChange(int index) {
    if (!settings_.storeLanguage(index)) {
        messages::showStopError(&form_,
                                QStringLiteral("Failed to set data for '%1'").arg(kLanguageValueName));
        // The combo must not show a language that is not in effect.
        form_.ComboBox_Language->setCurrentIndex(form_.language.index);
        return;
    }
    form_.language.index = static_cast<quint8>(index);
    ApplyLanguage();
}

} // namespace breezekit
