#pragma once

namespace breezekit {

class TForm1;
class DeviceLink;
struct InputReport;

// The network search and the Wi-Fi Apply/Save.
class WifiPage {
  public:
    WifiPage(TForm1& form, DeviceLink& link);

    void Button_Search_Wi_FiClick();
    void Timer1Timer();
    void Timer2Timer();
    void Button_Apply_Save_Wi_FiClick();

  private:
    void onSearchReport(const InputReport& report);

    TForm1& form_;
    DeviceLink& link_;
};

} // namespace breezekit
