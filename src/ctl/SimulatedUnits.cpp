#include "ctl/SimulatedUnits.h"

#include "sim/SimulatedPlatform.h"

namespace breezekit::ctl {

std::unique_ptr<HidPlatform> makeSimulatedUnits() {
    auto platform = std::make_unique<sim::SimulatedPlatform>();
    sim::FactoryParameters mox;
    mox.productString = u"Pavona MOX";
    mox.serialNumber = "48FF6D065077554932380587";
    mox.settings.wifiState = 1;
    mox.settings.filterSeconds = 23 * 86400 + 7 * 3600;
    sim::FactoryParameters pavona;
    pavona.productString = u"Pavona";
    pavona.serialNumber = "3E0049001851363436303233";
    platform->plugUnit(mox);
    platform->plugUnit(pavona);
    return platform;
}

} // namespace breezekit::ctl
