#include "hid/linux/HidApiPlatform.h"

#include "hid/device/HidLog.h"
#include "hid/linux/SysfsHid.h"

#include <QSocketNotifier>
#include <QString>
#include <hidapi/hidapi.h>
#include <libudev.h>
#include <unistd.h>

namespace breezekit {

namespace {

std::string errorText(const wchar_t* text) {
    return text == nullptr ? std::string() : QString::fromWCharArray(text).toStdString();
}

// udevd creates its control socket when it runs; without udevd the monitor never hears a thing.
bool udevRuns() {
    return ::access("/run/udev/control", F_OK) == 0;
}

// hidapi's handle, one per open; hidapi keeps one error string per handle.
class HidApiConnection : public HidConnection {
  public:
    HidApiConnection(hid_device* device, ReportLengths lengths) : device_(device), lengths_(lengths) {}
    ~HidApiConnection() override {
        if (device_ != nullptr) hid_close(device_);
    }

    HidReportLengths reportLengths() const override {
        return {static_cast<int>(lengths_.input), static_cast<int>(lengths_.output)};
    }

    bool write(std::span<const std::uint8_t> report) override {
        if (device_ == nullptr) return false;
        return hid_write(device_, report.data(), report.size()) == static_cast<int>(report.size());
    }

    int read(std::span<std::uint8_t> buffer, int timeoutMs) override {
        if (device_ == nullptr || buffer.empty()) return -1;
        if (lengths_.numbered) return hid_read_timeout(device_, buffer.data(), buffer.size(), timeoutMs);
        // Without numbered reports hidraw leaves the report ID out: put the 0 in front.
        const int count = hid_read_timeout(device_, buffer.data() + 1, buffer.size() - 1, timeoutMs);
        if (count <= 0) return count;
        buffer[0] = 0;
        return count + 1;
    }

    std::string lastError() const override {
        if (device_ == nullptr) return "opened for identification only";
        return errorText(hid_error(device_));
    }

  private:
    hid_device* device_; // none: opened for identification only
    ReportLengths lengths_;
};

std::u16string toU16(const wchar_t* text) {
    return text == nullptr ? std::u16string() : QString::fromWCharArray(text).toStdU16String();
}

} // namespace

HidApiPlatform::HidApiPlatform() {
    if (hid_init() != 0) qCWarning(lcHid) << "hidapi could not be initialised";
    udev_ = udev_new();
    if (udev_ != nullptr) {
        // "udev", not "kernel": the event comes after the access rules have been applied to the node.
        monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    }
    if (monitor_ != nullptr &&
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) >= 0 &&
        udev_monitor_enable_receiving(monitor_) >= 0) {
        notifier_ = new QSocketNotifier(udev_monitor_get_fd(monitor_), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &HidApiPlatform::onUdevEvents);
    }
    if (notifier_ == nullptr || !udevRuns())
        qCWarning(lcHid) << "no udev monitor: plugging and unplugging will not be noticed";
}

HidApiPlatform::~HidApiPlatform() {
    delete notifier_;
    if (monitor_ != nullptr) udev_monitor_unref(monitor_);
    if (udev_ != nullptr) udev_unref(udev_);
    hid_exit();
}

void HidApiPlatform::onUdevEvents() {
    bool any = false;
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        qCDebug(lcHid) << "udev:" << (action ? action : "?") << udev_device_get_sysname(device);
        udev_device_unref(device);
        any = true;
    }
    if (any) emit devicesChanged();
}

std::vector<HidInterfaceInfo> HidApiPlatform::enumerate() {
    std::vector<HidInterfaceInfo> present;
    hid_device_info* list = hid_enumerate(0, 0);
    for (hid_device_info* entry = list; entry != nullptr; entry = entry->next) {
        if (entry->path == nullptr) continue;
        const auto node = linux_hid::lookUpHidraw(udev_, entry->path);
        if (!node) continue;
        HidInterfaceInfo info;
        info.path = entry->path;
        info.identity = node->identity;
        info.vendorId = entry->vendor_id;
        info.productId = entry->product_id;
        info.productString = toU16(entry->product_string);
        present.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return present;
}

std::unique_ptr<HidConnection> HidApiPlatform::open(const HidInterfaceInfo& info, HidOpenMode mode) {
    const auto node = linux_hid::lookUpHidraw(udev_, info.path);
    // Gone, or plugged again as another device under the same node name.
    if (!node || node->identity != info.identity) return nullptr;
    const ReportLengths lengths = parseReportDescriptor(node->reportDescriptor).value_or(ReportLengths{});
    if (mode == HidOpenMode::IdentificationOnly) return std::make_unique<HidApiConnection>(nullptr, lengths);
    hid_device* device = hid_open_path(info.path.c_str());
    if (device == nullptr) {
        qCDebug(lcHid).noquote() << "open" << QString::fromStdString(info.path)
                                 << "failed:" << QString::fromStdString(errorText(hid_error(nullptr)));
        return nullptr;
    }
    return std::make_unique<HidApiConnection>(device, lengths);
}

} // namespace breezekit
