#include "app/Startup.h"
#include "sim/SimulatedPlatform.h"

// The program on virtual units, to try it without hardware.
int main(int argc, char** argv) {
    return breezekit::runApplication(argc, argv, [] {
        auto platform = std::make_unique<breezekit::sim::SimulatedPlatform>();
        breezekit::sim::FactoryParameters mox;
        mox.productString = u"Pavona MOX";
        mox.serialNumber = "48FF6D065077554932380587";
        breezekit::sim::FactoryParameters pavona;
        pavona.productString = u"Pavona";
        pavona.serialNumber = "3E0049001851363436303233";
        platform->plugUnit(mox);
        platform->plugUnit(pavona);
        return platform;
    });
}
