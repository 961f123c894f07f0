#include "app/Startup.h"
#include "markers/InstanceMarkers.h"
#include "sim/DemoUnits.h"

// The program on virtual units, to try it without hardware.
int main(int argc, char** argv) {
    return breezekit::runApplication(
        argc, argv, [] { return breezekit::sim::makeDemoUnits(); },
        breezekit::InstanceMarkers::kDemoUserProgram);
}
