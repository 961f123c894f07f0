#pragma once

#include <memory>

namespace breezekit {

// Presence markers between processes: one held by every running copy of this program, one by the
// maker's service program. A marker held by a process that died counts as not held.
class InstanceMarkers {
  public:
    virtual ~InstanceMarkers() = default;

    static constexpr const char* kUserProgram = "User_program_Holmgard_Lumio";
    static constexpr const char* kServiceProgram = "Service_program_Holmgard_Lumio";
    // The demo's own copy marker: the demo and the real program never stop each other from starting.
    static constexpr const char* kDemoUserProgram = "User_program_Holmgard_Lumio_demo";

    // Tests for another running copy and, when there is none, takes this copy's marker, in one atomic
    // step; the marker is then held until the process ends. False: another copy holds it. A marker
    // that cannot be created at all counts as taken, so the program runs on.
    [[nodiscard]] virtual bool takeUserProgramMarker() = 0;
    // Whether another process holds the service program's marker.
    [[nodiscard]] virtual bool serviceProgramRuns() = 0;
};

// The markers of this operating system: this copy's under userProgram, the service program's as above.
std::unique_ptr<InstanceMarkers>
makeSystemInstanceMarkers(const char* userProgram = InstanceMarkers::kUserProgram);

} // namespace breezekit
