#pragma once

#include "markers/InstanceMarkers.h"

#include <functional>
#include <memory>

namespace breezekit {

class HidPlatform;

// The program's entry after main(): theme, window, start-up rules, message loop. Always returns 0.
// userProgramMarker names this copy's presence marker (InstanceMarkers::kUserProgram for the real
// program); the service program's marker is the same for every caller.
int runApplication(int argc, char** argv, const std::function<std::unique_ptr<HidPlatform>()>& makePlatform,
                   const char* userProgramMarker = InstanceMarkers::kUserProgram);

} // namespace breezekit
