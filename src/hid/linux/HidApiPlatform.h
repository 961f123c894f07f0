#pragma once

#include "hid/device/HidPlatform.h"

struct udev;
struct udev_monitor;
class QSocketNotifier;

namespace breezekit {

// The real platform on Linux: hidapi over hidraw for the interfaces, a udev monitor for changes.
class HidApiPlatform : public HidPlatform {
    Q_OBJECT
  public:
    HidApiPlatform();
    ~HidApiPlatform() override;

    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidConnection> open(const HidInterfaceInfo& info, HidOpenMode mode) override;

  private:
    void onUdevEvents();

    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace breezekit
