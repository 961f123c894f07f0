#include "hid/linux/SysfsHid.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <libudev.h>
#include <memory>

namespace breezekit::linux_hid {

namespace {
struct DeviceUnref {
    void operator()(udev_device* device) const { udev_device_unref(device); }
};
using DevicePtr = std::unique_ptr<udev_device, DeviceUnref>;
} // namespace

std::optional<HidrawNode> lookUpHidraw(udev* context, const std::string& devicePath) {
    if (context == nullptr) return std::nullopt;
    const std::string sysname = std::filesystem::path(devicePath).filename().string();
    DevicePtr hidraw(udev_device_new_from_subsystem_sysname(context, "hidraw", sysname.c_str()));
    if (!hidraw) return std::nullopt;
    // The parent belongs to the child: no unref of its own.
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw.get(), "hid", nullptr);
    if (hid == nullptr) return std::nullopt;

    const char* name = udev_device_get_sysname(hid);
    const char* syspath = udev_device_get_syspath(hid);
    if (name == nullptr || syspath == nullptr) return std::nullopt;

    HidrawNode node;
    node.identity = name;
    // The report descriptor in sysfs is readable by everyone, unlike the node itself.
    std::ifstream file(std::filesystem::path(syspath) / "report_descriptor", std::ios::binary);
    if (file)
        node.reportDescriptor.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return node;
}

} // namespace breezekit::linux_hid
