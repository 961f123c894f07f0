#pragma once

namespace breezekit {

class TForm1;
class DeviceLink;

// Asks the selected unit once a second for its link states and, on the Filter page, its counter.
class StatusPolling {
  public:
    StatusPolling(TForm1& form, DeviceLink& link);

    void Timer3Timer();

  private:
    TForm1& form_;
    DeviceLink& link_;
};

} // namespace breezekit
