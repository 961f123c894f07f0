#pragma once

namespace breezekit {

class TForm1;
class UnitLink;
class StatusPanels;
class InputReport;

// Asks the selected unit once a second for its link states and, on the Filter page, its counter.
class StatusPolling {
  public:
    StatusPolling(TForm1& form, UnitLink& link, StatusPanels& panels);

    void Timer3Timer();

  private:
    void onWifiState(const InputReport& report);
    void onMasterState(const InputReport& report);
    void onFilterTime(const InputReport& report);

    TForm1& form_;
    UnitLink& link_;
    StatusPanels& panels_;
};

} // namespace breezekit
