#include "screens/FanPage.h"

#include "app/FormBuilder.h"
#include "app/TForm1.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/FanApply.h"
#include "screens/UserActions.h"
#include "screens/TimeEdit.h"
#include "text/core/TextRows.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace breezekit {


FanPage::FanPage(TForm1& form, UnitLink& link, UserActions& actions)
    : form_(form), link_(link), actions_(actions) {
    QObject::connect(form.Button_Apply_Save_Fan, &QPushButton::clicked, &form,
                     [this] { Button_Apply_Save_FanClick(); });
    QObject::connect(form.TrackBar_Humidity_sensor, &QSlider::valueChanged, &form,
                     [this] { TrackBar_Humidity_sensorChange(); });
    QObject::connect(form.TrackBar_External_sensor2, &QSlider::valueChanged, &form,
                     [this] { TrackBar_External_sensor2Change(); });
}

void FanPage::TrackBar_Humidity_sensorChange() {
    const int percent = thresholdOfPosition(form_.TrackBar_Humidity_sensor->value());
    form::setAutoSizedText(form_.Label_Humidity_sensor,
                           QString::number(percent) + form_.text(kRowHumidityUnit));
}

void FanPage::TrackBar_External_sensor2Change() {
    const int percent = thresholdOfPosition(form_.TrackBar_External_sensor2->value());
    form::setAutoSizedText(form_.Label_External_sensor2, QString::number(percent) + QStringLiteral(" %"));
}

void FanPage::Button_Apply_Save_FanClick() {
    actions_.run([this] { link_.sendSequence(applyFan(form_.deviceSettings, readInputs())); });
}

FanInputs FanPage::readInputs() const {
    FanInputs inputs;
    inputs.offAllowed = form_.CheckBox_Available_OFF_device->isChecked();
    inputs.exhaust = form_.RadioButton_Exhaust->isChecked();
    inputs.scenarioExhaust = form_.RadioButton_Exhaust_MOX->isChecked();
    inputs.humiditySensor = form_.CheckBox_Humidity_sensor->isChecked();
    inputs.relaySensor = form_.CheckBox_External_sensor1->isChecked();
    inputs.analogSensor = form_.CheckBox_External_sensor2->isChecked();
    inputs.humidityPosition = form_.TrackBar_Humidity_sensor->value();
    inputs.analogPosition = form_.TrackBar_External_sensor2->value();
    inputs.turnOffDelay = form_.JvTimeEdit_Timer_after_reacting_any_sensor->time();
    inputs.nightTimer = form_.JvTimeEdit_Timer_night_mode->time();
    inputs.partyTimer = form_.JvTimeEdit_Timer_party_mode->time();
    return inputs;
}

} // namespace breezekit
