#include "screens/FanPage.h"

#include "app/FormBuilder.h"
#include "app/TForm1.h"
#include "hid/DeviceLink.h"
#include "protocol/FanApply.h"
#include "screens/SendSequence.h"
#include "screens/TimeEdit.h"
#include "text/TextRows.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace breezekit {

namespace {}

FanPage::FanPage(TForm1& form, DeviceLink& link) : form_(form), link_(link) {
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
    if (link_.noDeviceGuard()) return;
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
    sendSequence(link_, applyFan(form_.deviceSettings, inputs));
}

} // namespace breezekit
