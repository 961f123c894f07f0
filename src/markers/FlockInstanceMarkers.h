#pragma once

#include "markers/InstanceMarkers.h"

#include <filesystem>
#include <string_view>

namespace breezekit {

// A presence marker as an exclusive flock on a file. The kernel drops the lock when the holder dies, so
// a crash leaves no stale marker. Two opens of the file conflict even inside one process.
class FileLockMarker {
  public:
    explicit FileLockMarker(std::filesystem::path path);
    ~FileLockMarker();
    FileLockMarker(const FileLockMarker&) = delete;
    FileLockMarker& operator=(const FileLockMarker&) = delete;

    enum class Hold { Taken, HeldElsewhere, Unavailable };
    // Creates the file when missing and takes the lock in one step, keeping it until destruction.
    [[nodiscard]] Hold hold();
    // Whether an open of the file holds the lock; a missing or unreadable file is not held. Takes no
    // lock itself where /proc/locks can be read.
    [[nodiscard]] bool heldElsewhere() const;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// "N.lock" in $XDG_RUNTIME_DIR, or "N-<uid>.lock" in the temp directory where that is unset.
std::filesystem::path markerPath(std::string_view name);

class FlockInstanceMarkers : public InstanceMarkers {
  public:
    FlockInstanceMarkers();
    FlockInstanceMarkers(std::filesystem::path userProgram, std::filesystem::path serviceProgram);

    [[nodiscard]] bool takeUserProgramMarker() override;
    [[nodiscard]] bool serviceProgramRuns() override;

  private:
    FileLockMarker userProgram_;
    FileLockMarker serviceProgram_;
};

} // namespace breezekit
