#pragma once

#include "protocol/core/WifiApply.h"

namespace breezekit {

class TForm1;
class UnitLink;
class UserActions;
class InputReport;

// The network search and the Wi-Fi Apply/Save.
class WifiPage {
  public:
    WifiPage(TForm1& form, UnitLink& link, UserActions& actions);

    void Button_Search_Wi_FiClick();
    void Timer1Timer();
    void Timer2Timer();
    void Button_Apply_Save_Wi_FiClick();

  private:
    void applyWifiSettings();
    void onSearchReport(const InputReport& report);
    // The message of an Apply that sent nothing.
    void showOutcome(WifiApplyOutcome outcome);

    TForm1& form_;
    UnitLink& link_;
    UserActions& actions_;
};

} // namespace breezekit
