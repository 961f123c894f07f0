#include "text/LanguageSwitch.h"

#include "app/FormBuilder.h"
#include "app/MessageBoxes.h"
#include "app/SettingsStore.h"
#include "text/CurrentLanguage.h"
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

LanguageSwitch::LanguageSwitch(Captions captions, QComboBox* ComboBox_Language, CurrentLanguage& language,
                               const QString& versionText, SettingsStore& settings, QWidget* window)
    : c_(captions), languageBox_(ComboBox_Language), language_(language), versionText_(versionText),
      settings_(settings), window_(window) {
    connect(languageBox_, &QComboBox::activated, this, [this](int index) { ComboBox_LanguageChange(index); });
}

void LanguageSwitch::ApplyLanguage() {
    const std::pair<QLabel*, int> labels[] = {
        {c_.Label_Choose_device, kRowSelectDevice},
        {c_.Label_Choose_device_mode, kRowSelectDeviceMode},
        {c_.Label_Choose_type_of_connection, kRowSelectConnectionType},
        {c_.Label_S_N, kRowSerialNumber},
        {c_.Label_Language, kRowLanguage},
        {c_.Label_Wi_Fi_name, kRowWifiName},
        {c_.Label_type_security, kRowSecurityType},
        {c_.Label_Wi_Fi_channel, kRowWifiChannel},
        {c_.Label_IP_Master, kRowMasterIp},
        {c_.Label_IP_Slave, kRowSlaveIp},
        {c_.Label_Number_Slave, kRowSlaveNumber},
        {c_.Label_Gateway, kRowGateway},
        {c_.Label_Direction, kRowDirection},
        {c_.Label_Direction_MOX, kRowHumidityScenario},
        {c_.Label_Turn_off_timer, kRowTurnOffTimer},
        {c_.Label_Timer_night_mode, kRowNightTimer},
        {c_.Label_Timer_party_mode, kRowPartyTimer},
        {c_.Label_Create_By, kRowDevelopedBy},
    };
    for (const auto& [label, row] : labels)
        form::setFittedText(label, language_.text(row));

    const std::pair<QAbstractButton*, int> buttons[] = {
        {c_.RadioButton_master, kRowMaster},
        {c_.RadioButton_slave, kRowSlave},
        {c_.RadioButton_without_router, kRowNoRouter},
        {c_.RadioButton_with_router, kRowWithRouter},
        {c_.Button_Get_current_parameters, kRowReceive},
        {c_.Button_Restore_default_parameters, kRowRestore},
        {c_.Button_Apply_Save_Wi_Fi, kRowApplySave},
        {c_.Button_Apply_Save_Fan, kRowApplySave},
        {c_.CheckBox_Available_OFF_device, kRowAvailableOff},
        {c_.RadioButton_Supply, kRowSupply},
        {c_.RadioButton_Exhaust, kRowExhaust},
        {c_.RadioButton_Supply_Exhaust_MOX, kRowBoostInMode},
        {c_.RadioButton_Exhaust_MOX, kRowBoostToExhaust},
        {c_.CheckBox_Humidity_sensor, kRowHumiditySensor},
        {c_.CheckBox_External_sensor1, kRowRelaySensor},
        {c_.CheckBox_External_sensor2, kRowVoltageSensor},
        {c_.Button_Reset_filter_timer, kRowResetFilter},
    };
    for (const auto& [button, row] : buttons)
        button->setText(language_.text(row));
    c_.Button_Search_Wi_Fi->setText(
        form::twoLineCaption(language_.text(kRowSearchWifi), c_.Button_Search_Wi_Fi->fontMetrics()));

    const std::pair<QWidget*, int> tabs[] = {{c_.Wi_Fi, kRowWifiTab},
                                             {c_.Fan, kRowFanTab},
                                             {c_.Filter, kRowFilterTab},
                                             {c_.Information, kRowInformationTab}};
    for (const auto& [page, row] : tabs)
        c_.PageControl->setTabText(c_.PageControl->indexOf(page), language_.text(row));

    // Row 19 belongs to master without router alone, as the connection-mode rules have it.
    const bool masterWithoutRouter =
        c_.RadioButton_master->isChecked() && c_.RadioButton_without_router->isChecked();
    form::setFittedText(c_.Label_Password,
                        language_.text(masterWithoutRouter ? kRowNewPassword : kRowPassword));

    if (c_.ComboBox_Choose_device->currentIndex() < 0)
        c_.ComboBox_Choose_device->setEditText(language_.text(kRowNoDevices));
    form::setFittedText(c_.Label_Versio_of_program, language_.text(kRowVersion) + versionText_);
    emit languageApplied();
}

void LanguageSwitch::ComboBox_LanguageChange(int index) {
    if (!settings_.storeLanguage(index)) {
        messages::showStopError(window_,
                                QStringLiteral("Failed to set data for '%1'").arg(kLanguageValueName));
        // The combo must not show a language that is not in effect.
        languageBox_->setCurrentIndex(language_.index);
        return;
    }
    language_.index = static_cast<quint8>(index);
    ApplyLanguage();
}

} // namespace breezekit
