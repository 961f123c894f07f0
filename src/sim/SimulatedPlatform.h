#pragma once

#include "hid/device/HidPlatform.h"
#include "sim/FactoryParameters.h"
#include "sim/VirtualInterface.h"

#include <memory>
#include <vector>

namespace breezekit::sim {

// The HID platform over virtual interfaces, with a second interface for tests and the demo: plug and
// unplug interfaces, reach each unit's firmware and the reports it received. Plug and unplug on the
// GUI thread; the change notification arrives through the event loop, as the real one does.
class SimulatedPlatform : public HidPlatform {
    Q_OBJECT
  public:
    SimulatedPlatform() = default;
    ~SimulatedPlatform() override;

    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidConnection> open(const HidInterfaceInfo& info, HidOpenMode mode) override;

    // A unit with its firmware, its report lengths from the factory parameters.
    std::shared_ptr<VirtualInterface> plugUnit(FactoryParameters parameters = {},
                                               VirtualAccess access = VirtualAccess::ReadWrite);
    // An interface that is not a unit.
    std::shared_ptr<VirtualInterface> plugMouse();
    std::shared_ptr<VirtualInterface> plug(VirtualInterfaceSetup setup,
                                           std::unique_ptr<VirtualUnit> unit = nullptr);
    void unplug(const std::shared_ptr<VirtualInterface>& interface);

    // Whether every interface, plugged now or later, keeps the reports written to it (the default, for
    // tests); the demo turns it off.
    void setRecordsReceivedReports(bool records);

    // Plugged interfaces in plug order.
    const std::vector<std::shared_ptr<VirtualInterface>>& interfaces() const { return interfaces_; }

  private:
    void announceChange();

    std::vector<std::shared_ptr<VirtualInterface>> interfaces_;
    int nextNumber_ = 1;
    bool recordsReceived_ = true;
};

} // namespace breezekit::sim
