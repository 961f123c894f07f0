#pragma once

#include <QObject>

class QPushButton;

namespace breezekit {

class UnitLink;
class UserActions;

// Receive current parameters, restore default parameters, reset the filter timer.
class DeviceActions : public QObject {
    Q_OBJECT
  public:
    struct Controls {
        QPushButton* Button_Get_current_parameters;
        QPushButton* Button_Restore_default_parameters;
        QPushButton* Button_Reset_filter_timer;
    };

    DeviceActions(Controls controls, UnitLink& link, UserActions& actions);

    void Button_Get_current_parametersClick();
    void Button_Restore_default_parametersClick();
    void Button_Reset_filter_timerClick();

  private:
    UnitLink& link_;
    UserActions& actions_;
};

} // namespace breezekit
