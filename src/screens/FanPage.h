#pragma once

#include "protocol/core/FanApply.h"

namespace breezekit {

class TForm1;
class UnitLink;
class UserActions;

// The Fan page's Apply/Save and the labels beside its sliders.
class FanPage {
  public:
    FanPage(TForm1& form, UnitLink& link, UserActions& actions);

    void Button_Apply_Save_FanClick();
    void TrackBar_Humidity_sensorChange();
    void TrackBar_External_sensor2Change();

  private:
    FanInputs readInputs() const;

    TForm1& form_;
    UnitLink& link_;
    UserActions& actions_;
};

} // namespace breezekit
