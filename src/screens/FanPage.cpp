#include "screens/FanPage.h"

#include "app/FormBuilder.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/FanApply.h"
#include "screens/TimeEdit.h"
#include "screens/UserActions.h"
#include "text/CurrentLanguage.h"
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
    // The slider's own position, not the start value: the label must agree with what is sent.
    connect(&language_, &CurrentLanguage::applied, this, [this] { TrackBar_Humidity_sensorChange(); });
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
    actions_.run([this] { link_.sendSequence(applyFan(settings_, shownValues())); });
}

FanValues FanPage::shownValues() const {
    FanValues v;
    v.offAllowed = c_.CheckBox_Available_OFF_device->isChecked();
    v.exhaust = c_.RadioButton_Exhaust->isChecked();
    v.scenarioExhaust = c_.RadioButton_Exhaust_MOX->isChecked();
    v.humiditySensor = c_.CheckBox_Humidity_sensor->isChecked();
    v.relaySensor = c_.CheckBox_External_sensor1->isChecked();
    v.analogSensor = c_.CheckBox_External_sensor2->isChecked();
    v.humidityThreshold = thresholdOfPosition(c_.TrackBar_Humidity_sensor->value());
    v.analogThreshold = thresholdOfPosition(c_.TrackBar_External_sensor2->value());
    v.turnOffDelaySeconds = secondsOfTime(c_.JvTimeEdit_Timer_after_reacting_any_sensor->time());
    v.nightTimerSeconds = secondsOfTime(c_.JvTimeEdit_Timer_night_mode->time());
    v.partyTimerSeconds = secondsOfTime(c_.JvTimeEdit_Timer_party_mode->time());
    return v;
}

} // namespace breezekit
