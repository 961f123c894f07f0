#pragma once

#include "hid/device/HidPlatform.h"

#include <QStringList>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>

namespace breezekit::ctl {

enum ExitCode {
    kExitDone = 0,
    kExitFailed = 1, // no answer, not as asked, a write failed
    kExitUsage = 2,  // usage error or invalid profile: nothing written
    kExitNoUnit = 3, // no such unit, no access, or it went away
    kExitBusy = 4,   // the window program or the service program runs
};

// What the command line runs against; main gives the real one, tests their own.
struct Environment {
    std::ostream* out = nullptr;
    std::ostream* err = nullptr;
    // The platform for a run; simulate asks for the two virtual units.
    std::function<std::unique_ptr<HidPlatform>(bool simulate)> makePlatform;
    // A platform the caller keeps across runs, used instead of makePlatform when set.
    HidPlatform* platform = nullptr;
    // The presence markers of the window program and the service program.
    std::filesystem::path userProgramMarker;
    std::filesystem::path serviceProgramMarker;
    // Read for "-" as the profile file.
    std::function<QByteArray()> readStdin;
};

// Runs one command line (without the program name) and gives its exit code. Needs a QCoreApplication.
int runCtl(const QStringList& args, const Environment& env);

} // namespace breezekit::ctl
