#pragma once

namespace breezekit {

class TForm1;
class DeviceLink;

// The reply handlers of the parameter read-back; each reply asks for the next parameter.
class ReadBack {
  public:
    ReadBack(TForm1& form, DeviceLink& link);

  private:
    TForm1& form_;
    DeviceLink& link_;
};

} // namespace breezekit
