#pragma once

namespace breezekit {

class TForm1;
class UnitLink;
class UserActions;

// Receive current parameters, restore default parameters, reset the filter timer.
class DeviceActions {
  public:
    DeviceActions(TForm1& form, UnitLink& link, UserActions& actions);

    void Button_Get_current_parametersClick();
    void Button_Restore_default_parametersClick();
    void Button_Reset_filter_timerClick();

  private:
    TForm1& form_;
    UnitLink& link_;
    UserActions& actions_;
};

} // namespace breezekit
