#include "ctl/Cli.h"
#include "ctl/Interrupt.h"
#include "ctl/SimulatedUnits.h"
#include "hid/linux/HidApiPlatform.h"
#include "markers/FlockInstanceMarkers.h"

#include <QCoreApplication>
#include <QFile>
#include <iostream>
#include <sys/prctl.h>

int main(int argc, char** argv) {
    // The protocol is paced in 1 ms pauses: the default 50 us slack on every sleep and wait (inherited by
    // the reader threads) adds up over the steps.
    (void)::prctl(PR_SET_TIMERSLACK, 1UL);
    QCoreApplication app(argc, argv);
    breezekit::ctl::installInterruptHandler();
    breezekit::ctl::Environment env;
    env.out = &std::cout;
    env.err = &std::cerr;
    env.makePlatform = [](bool simulate) -> std::unique_ptr<breezekit::HidPlatform> {
        if (simulate) return breezekit::ctl::makeSimulatedUnits();
        return std::make_unique<breezekit::HidApiPlatform>();
    };
    env.userProgramMarker = breezekit::markerPath(breezekit::InstanceMarkers::kUserProgram);
    env.serviceProgramMarker = breezekit::markerPath(breezekit::InstanceMarkers::kServiceProgram);
    env.readStdin = [] {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) return QByteArray();
        return in.readAll();
    };
    QStringList args = app.arguments();
    args.removeFirst();
    return breezekit::ctl::runCtl(args, env);
}
