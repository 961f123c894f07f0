#pragma once

#include "protocol/core/FanApply.h"

#include <QObject>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace breezekit {

class CurrentLanguage;
class TimeEdit;
class UnitLink;
class UserActions;

// The Fan page's Apply/Save and the labels beside its sliders.
class FanPage : public QObject {
    Q_OBJECT
  public:
    struct Controls {
        QCheckBox* CheckBox_Available_OFF_device;
        QRadioButton* RadioButton_Exhaust;
        QRadioButton* RadioButton_Exhaust_MOX;
        TimeEdit* JvTimeEdit_Timer_after_reacting_any_sensor;
        TimeEdit* JvTimeEdit_Timer_night_mode;
        TimeEdit* JvTimeEdit_Timer_party_mode;
        QCheckBox* CheckBox_Humidity_sensor;
        QSlider* TrackBar_Humidity_sensor;
        QLabel* Label_Humidity_sensor;
        QCheckBox* CheckBox_External_sensor1;
        QCheckBox* CheckBox_External_sensor2;
        QSlider* TrackBar_External_sensor2;
        QLabel* Label_External_sensor2;
        QPushButton* Button_Apply_Save_Fan;
    };

    FanPage(Controls controls, DeviceSettings& settings, const CurrentLanguage& language, UnitLink& link,
            UserActions& actions);

    void Button_Apply_Save_FanClick();
    void TrackBar_Humidity_sensorChange();
    void TrackBar_External_sensor2Change();

  private:
    // The one place the page's controls become the unit's values.
    FanValues shownValues() const;

    Controls c_;
    DeviceSettings& settings_;
    const CurrentLanguage& language_;
    UnitLink& link_;
    UserActions& actions_;
};

} // namespace breezekit
