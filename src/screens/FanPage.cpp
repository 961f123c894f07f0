#include "screens/FanPage.h"

#include "app/CurrentLanguage.h"
#include "app/FormBuilder.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/FanApply.h"
#include "screens/TimeEdit.h"
#include "screens/UserActions.h"
#include "text/core/TextRows.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace breezekit {

FanPage::FanPage(Controls controls, DeviceSettings& settings, const CurrentLanguage& language, UnitLink& link,
                 UserActions& actions)
    : c_(controls), settings_(settings), language_(language), link_(link), actions_(actions) {
    connect(c_.Button_Apply_Save_Fan, &QPushButton::clicked, this, [this] { Button_Apply_Save_FanClick(); });
    connect(c_.TrackBar_Humidity_sensor, &QSlider::valueChanged, this,
            [this] { TrackBar_Humidity_sensorChange(); });
    connect(c_.TrackBar_External_sensor2, &QSlider::valueChanged, this,
            [this] { TrackBar_External_sensor2Change(); });
}

void FanPage::TrackBar_Humidity_sensorChange() {
    const int percent = thresholdOfPosition(c_.TrackBar_Humidity_sensor->value());
    form::setAutoSizedText(c_.Label_Humidity_sensor,
                           QString::number(percent) + language_.text(kRowHumidityUnit));
}

void FanPage::TrackBar_External_sensor2Change() {
    const int percent = thresholdOfPosition(c_.TrackBar_External_sensor2->value());
    form::setAutoSizedText(c_.Label_External_sensor2, QString::number(percent) + QStringLiteral(" %"));
}

void FanPage::Button_Apply_Save_FanClick() {
    actions_.run([this] { link_.sendSequence(applyFan(settings_, readInputs())); });
}

FanInputs FanPage::readInputs() const {
    FanInputs inputs;
    inputs.offAllowed = c_.CheckBox_Available_OFF_device->isChecked();
    inputs.exhaust = c_.RadioButton_Exhaust->isChecked();
    inputs.scenarioExhaust = c_.RadioButton_Exhaust_MOX->isChecked();
    inputs.humiditySensor = c_.CheckBox_Humidity_sensor->isChecked();
    inputs.relaySensor = c_.CheckBox_External_sensor1->isChecked();
    inputs.analogSensor = c_.CheckBox_External_sensor2->isChecked();
    inputs.humidityPosition = c_.TrackBar_Humidity_sensor->value();
    inputs.analogPosition = c_.TrackBar_External_sensor2->value();
    inputs.turnOffDelay = c_.JvTimeEdit_Timer_after_reacting_any_sensor->time();
    inputs.nightTimer = c_.JvTimeEdit_Timer_night_mode->time();
    inputs.partyTimer = c_.JvTimeEdit_Timer_party_mode->time();
    return inputs;
}

} // namespace breezekit
