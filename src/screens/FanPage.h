#pragma once

namespace breezekit {

class TForm1;
class DeviceLink;

// The Fan page's Apply/Save and the labels beside its sliders.
class FanPage {
  public:
    FanPage(TForm1& form, DeviceLink& link);

    void Button_Apply_Save_FanClick();
    void TrackBar_Humidity_sensorChange();
    void TrackBar_External_sensor2Change();

  private:
    TForm1& form_;
    DeviceLink& link_;
};

} // namespace breezekit
