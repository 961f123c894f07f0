#include "sim/DemoUnits.h"

namespace breezekit::sim {

namespace {

// A few access points for a search to find, among them the names a parser is most likely to get wrong.
std::vector<Network> networksInRange() {
    return {{"Home-5G", -52, "a0:b1:c2:d3:e4:f5", 6, 3},
            {"", -71, "a0:b1:c2:d3:e4:f6", 1, 4},
            {"Cafe, Garden", -80, "10:22:33:44:55:66", 11, 0},
            {"Workshop", -64, "3c:84:6a:01:02:03", 6, 2}};
}

} // namespace

std::unique_ptr<SimulatedPlatform> makeDemoUnits() {
    auto platform = std::make_unique<SimulatedPlatform>();
    // A demo may run for days.
    platform->setRecordsReceivedReports(false);
    FactoryParameters mox;
    mox.productString = u"Pavona MOX";
    mox.serialNumber = "48FF6D065077554932380587";
    // a unit in service: its Wi-Fi link up and its filter counter running for some weeks
    mox.settings.wifiState = 1;
    mox.settings.filterSeconds = 23 * 86400 + 7 * 3600;
    mox.networks = networksInRange();
    FactoryParameters pavona;
    pavona.productString = u"Pavona";
    pavona.serialNumber = "3E0049001851363436303233";
    pavona.networks = networksInRange();
    platform->plugUnit(mox);
    platform->plugUnit(pavona);
    return platform;
}

} // namespace breezekit::sim
