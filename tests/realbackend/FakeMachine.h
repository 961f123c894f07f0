#pragma once

#include "UnitServer.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace breezekit::realbackend {

// One USB HID interface to plug into the fake machine.
struct FakeHid {
    std::uint16_t vendorId = 0x0483;
    std::uint16_t productId = 0x5750;
    std::string manufacturer = "BreezeKit";
    std::string product = "Pavona";
    // The unit's report ID, or none for a device without numbered reports.
    std::optional<std::uint8_t> reportId = 1;
    // Input and output reports without the report ID byte.
    int reportBytes = 64;
};

// What plugging gave the interface: its hidraw node and the HID device's sysfs name.
struct PluggedHid {
    std::string node;     // hidraw0
    std::string path;     // /dev/hidraw0
    std::string identity; // 0003:0483:5750.0001
    std::string devpath;  // the hidraw device under /sys
};

// A vendor-defined report descriptor with one input and one output report of the given size.
Bytes vendorReportDescriptor(std::optional<std::uint8_t> reportId, int reportBytes);

// A machine made of a fake sysfs, fake /dev nodes and a udev netlink group of its own, in private
// mount and network namespaces of this process; nothing of it is seen outside.
class FakeMachine {
  public:
    enum class Entry { Entered, Skipped, Failed };
    struct EntryResult {
        Entry entry;
        std::string message;
    };
    // Moves the process into the namespaces and builds the fixed folders of the tree. Must run before
    // any thread starts: namespaces belong to the calling thread.
    static EntryResult enter();

    FakeMachine();

    // Adds the tree and the node; no event yet.
    PluggedHid plug(const FakeHid& hid, sim::FactoryParameters unit);
    void unplug(const PluggedHid& hid);
    // Sends a libudev event ("add", "remove") for the node to the udev netlink group.
    void announce(const std::string& action, const PluggedHid& hid);
    // The next opens of the node fail with EACCES, as a node without access rights for this user.
    void refuseAccess(const PluggedHid& hid);

    UnitServer& server() { return server_; }

  private:
    UnitServer server_;
    std::set<int> usedNodes_;
    int nextInstance_ = 1;
    std::uint64_t nextSeqnum_ = 1;
};

} // namespace breezekit::realbackend
