#pragma once

#include "hid/core/ReportDescriptor.h"

#include <optional>
#include <string>
#include <vector>

struct udev;

namespace breezekit::linux_hid {

// What sysfs tells about a hidraw node, without opening it (so also without access to the node).
struct HidrawNode {
    // The HID device's sysfs name, e.g. 0003:0483:5750.000A: new at every plug.
    std::string identity;
    std::vector<std::uint8_t> reportDescriptor;
};

// Looks up a hidraw device path such as /dev/hidraw3; none when sysfs does not know it.
std::optional<HidrawNode> lookUpHidraw(udev* context, const std::string& devicePath);

} // namespace breezekit::linux_hid
