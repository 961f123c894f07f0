#pragma once

#include "SimWindow.h"
#include "hid/device/UnitLink.h"
#include "sim/SimulatedPlatform.h"

#include <QSignalSpy>
#include <memory>

namespace breezekit::testing {

// One UnitLink over virtual units and nothing else on it, as the companion has it; the first unit selected.
class LinkRig {
  public:
    explicit LinkRig(const std::vector<sim::FactoryParameters>& units) {
        for (const sim::FactoryParameters& p : units)
            units_.push_back(platform_.plugUnit(p));
        link_ = std::make_unique<UnitLink>(platform_);
        QSignalSpy rebuilt(link_.get(), &UnitLink::listRebuilt);
        link_->start();
        if (rebuilt.wait(5000) && !link_->listedDevices().empty())
            link_->setCurrentDevice(link_->listedDevices().front());
    }

    UnitLink& link() { return *link_; }
    sim::SimulatedPlatform& platform() { return platform_; }
    sim::VirtualInterface& unit(std::size_t i) { return *units_.at(i); }

  private:
    sim::SimulatedPlatform platform_;
    std::vector<std::shared_ptr<sim::VirtualInterface>> units_;
    std::unique_ptr<UnitLink> link_;
};

} // namespace breezekit::testing
