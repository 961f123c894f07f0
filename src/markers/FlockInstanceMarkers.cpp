#include "markers/FlockInstanceMarkers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace breezekit {

namespace {

int openMarker(const std::filesystem::path& path, int flags) {
    int fd = -1;
    do {
        // No symlinks: the temp directory is shared with other users.
        fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOFOLLOW, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int tryLock(int fd, int operation) {
    int result = -1;
    do {
        result = ::flock(fd, operation | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result;
}

// Whether any open file holds a flock on the marker, as /proc/locks lists it: asking takes no lock, so a
// copy starting at that instant never meets the question's own lock. None when /proc/locks is unreadable.
std::optional<bool> flockedPerProcLocks(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    std::ifstream locks("/proc/locks");
    if (!locks) return std::nullopt;
    char file[64];
    std::snprintf(file, sizeof file, "%02x:%02x:%llu", major(status.st_dev), minor(status.st_dev),
                  static_cast<unsigned long long>(status.st_ino));
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string field;
        bool flock = false;
        while (fields >> field) {
            if (field == "FLOCK") flock = true;
            if (flock && field == file) return true;
        }
    }
    return false;
}

} // namespace

FileLockMarker::FileLockMarker(std::filesystem::path path) : path_(std::move(path)) {}

FileLockMarker::~FileLockMarker() {
    if (fd_ >= 0) ::close(fd_);
}

FileLockMarker::Hold FileLockMarker::hold() {
    if (fd_ >= 0) return Hold::Taken;
    const int fd = openMarker(path_, O_RDWR | O_CREAT);
    if (fd < 0) return Hold::Unavailable;
    if (tryLock(fd, LOCK_EX) == 0) {
        fd_ = fd;
        return Hold::Taken;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? Hold::HeldElsewhere : Hold::Unavailable;
}

bool FileLockMarker::heldElsewhere() const {
    if (const std::optional<bool> held = flockedPerProcLocks(path_)) return *held;
    // Without /proc the question takes a shared lock for an instant.
    const int fd = openMarker(path_, O_RDONLY);
    if (fd < 0) return false;
    const bool held = tryLock(fd, LOCK_SH) != 0 && errno == EWOULDBLOCK;
    ::close(fd); // also drops the probe's own shared lock
    return held;
}

std::filesystem::path markerPath(std::string_view name) {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && *runtimeDir) return std::filesystem::path(runtimeDir) / (std::string(name) + ".lock");
    std::error_code ignored;
    std::filesystem::path temp = std::filesystem::temp_directory_path(ignored);
    if (temp.empty()) temp = "/tmp";
    return temp / (std::string(name) + "-" + std::to_string(::getuid()) + ".lock");
}

FlockInstanceMarkers::FlockInstanceMarkers()
    : FlockInstanceMarkers(markerPath(kUserProgram), markerPath(kServiceProgram)) {}

FlockInstanceMarkers::FlockInstanceMarkers(std::filesystem::path userProgram,
                                           std::filesystem::path serviceProgram)
    : userProgram_(std::move(userProgram)), serviceProgram_(std::move(serviceProgram)) {}

bool FlockInstanceMarkers::takeUserProgramMarker() {
    // A marker that cannot be made at all does not stop the program.
    return userProgram_.hold() != FileLockMarker::Hold::HeldElsewhere;
}

bool FlockInstanceMarkers::serviceProgramRuns() {
    return serviceProgram_.heldElsewhere();
}

std::unique_ptr<InstanceMarkers> makeSystemInstanceMarkers(const char* userProgram) {
    return std::make_unique<FlockInstanceMarkers>(markerPath(userProgram),
                                                  markerPath(InstanceMarkers::kServiceProgram));
}

} // namespace breezekit
