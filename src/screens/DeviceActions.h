#pragma once

namespace breezekit {

class TForm1;
class DeviceLink;

// Receive current parameters, restore default parameters, reset the filter timer.
class DeviceActions {
  public:
    DeviceActions(TForm1& form, DeviceLink& link);

    void Button_Get_current_parametersClick();
    void Button_Restore_default_parametersClick();
    void Button_Reset_filter_timerClick();

  private:
    TForm1& form_;
    DeviceLink& link_;
};

} // namespace breezekit
