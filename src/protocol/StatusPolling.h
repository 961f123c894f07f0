#pragma once

namespace breezekit {

class TForm1;
class DeviceLink;
struct InputReport;

// Asks the selected unit once a second for its link states and, on the Filter page, its counter.
class StatusPolling {
  public:
    StatusPolling(TForm1& form, DeviceLink& link);

    void Timer3Timer();

  private:
    void onWifiState(const InputReport& report);
    void onMasterState(const InputReport& report);
    void onFilterTime(const InputReport& report);

    TForm1& form_;
    DeviceLink& link_;
};

} // namespace breezekit
