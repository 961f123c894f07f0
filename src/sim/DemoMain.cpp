#include "app/Startup.h"
#include "sim/SimulatedPlatform.h"

// The program on virtual units, to try it without hardware.
int main(int argc, char** argv) {
    return breezekit::runApplication(argc, argv, [] {
        auto platform = std::make_unique<breezekit::sim::SimulatedPlatform>();
        breezekit::sim::FactoryParameters mox;
        mox.productString = u"Pavona MOX";
        mox.serialNumber = "48FF6D065077554932380587";
        // a unit in service: its Wi-Fi link up and its filter counter running for some weeks
        mox.settings.wifiState = 1;
        mox.settings.filterSeconds = 23 * 86400 + 7 * 3600;
        breezekit::sim::FactoryParameters pavona;
        pavona.productString = u"Pavona";
        pavona.serialNumber = "3E0049001851363436303233";
        platform->plugUnit(mox);
        platform->plugUnit(pavona);
        return platform;
    });
}
