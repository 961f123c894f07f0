#include "FakeMachine.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <linux/netlink.h>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

namespace breezekit::realbackend {

namespace fs = std::filesystem;

namespace {

constexpr char kRoot[] = "/run/breezekit-fake";
constexpr char kSockets[] = "/run/breezekit-fake/sockets";
constexpr char kHostController[] = "/sys/devices/pci0000:00/0000:00:14.0";
constexpr int kHidrawMajor = 240;
constexpr std::uint16_t kBusUsb = 0x0003;

// HID report descriptor items: the byte is the tag with the data size in its low two bits.
constexpr std::uint8_t kUsagePage16 = 0x06;
constexpr std::uint8_t kUsage8 = 0x09;
constexpr std::uint8_t kCollection8 = 0xA1;
constexpr std::uint8_t kApplication = 0x01;
constexpr std::uint8_t kEndCollection = 0xC0;
constexpr std::uint8_t kReportId8 = 0x85;
constexpr std::uint8_t kLogicalMinimum8 = 0x15;
constexpr std::uint8_t kLogicalMaximum16 = 0x26;
constexpr std::uint8_t kReportSize8 = 0x75;
constexpr std::uint8_t kReportCount8 = 0x95;
constexpr std::uint8_t kInput8 = 0x81;
constexpr std::uint8_t kOutput8 = 0x91;
constexpr std::uint8_t kDataVariableAbsolute = 0x02;

// udev's monitor messages: this header, then the properties as KEY=value strings, each ending in 0.
struct MonitorHeader {
    char prefix[8] = "libudev";
    std::uint32_t magic = htonl(0xfeedcafe);
    std::uint32_t headerSize = sizeof(MonitorHeader);
    std::uint32_t propertiesOffset = sizeof(MonitorHeader);
    std::uint32_t propertiesLength = 0;
    // Network order, for the receivers' socket filters.
    std::uint32_t subsystemHash = 0;
    std::uint32_t devtypeHash = 0;
    std::uint32_t tagBloomHigh = 0;
    std::uint32_t tagBloomLow = 0;
};
static_assert(sizeof(MonitorHeader) == 40);
constexpr std::uint32_t kUdevGroup = 2;

// MurmurHash2 with seed 0, the hash udev puts in the header for a receiver's subsystem filter.
std::uint32_t murmurHash2(const std::string& text) {
    constexpr std::uint32_t m = 0x5bd1e995;
    std::size_t length = text.size();
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    std::uint32_t h = static_cast<std::uint32_t>(length);
    for (; length >= 4; data += 4, length -= 4) {
        std::uint32_t k = 0;
        std::memcpy(&k, data, 4);
        k *= m;
        k ^= k >> 24;
        k *= m;
        h = (h * m) ^ k;
    }
    switch (length) {
    case 3:
        h ^= static_cast<std::uint32_t>(data[2]) << 16;
        [[fallthrough]];
    case 2:
        h ^= static_cast<std::uint32_t>(data[1]) << 8;
        [[fallthrough]];
    case 1:
        h ^= data[0];
        h *= m;
    }
    h ^= h >> 13;
    h *= m;
    h ^= h >> 15;
    return h;
}

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
    return text;
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Relative links, as sysfs has them.
void link(const fs::path& from, const fs::path& to) {
    fs::create_symlink(to.lexically_relative(from.parent_path()), from);
}

// A sysfs device folder with its uevent (KEY=value lines) and its subsystem link.
void addDevice(const fs::path& dir, const std::string& subsystemLink,
               std::initializer_list<std::string> uevent) {
    fs::create_directories(dir);
    std::string text;
    for (const std::string& line : uevent)
        text += line + "\n";
    writeFile(dir / "uevent", text);
    link(dir / "subsystem", subsystemLink);
}

void check(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what + ": " + std::strerror(errno));
}

void bindMount(const std::string& from, const std::string& to, unsigned long flags = 0) {
    check(mount(from.c_str(), to.c_str(), nullptr, MS_BIND | flags, nullptr) == 0,
          "bind " + from + " on " + to);
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

void makeRootPrivate() {
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0) return;
    // In a chroot / is no mount point (EINVAL). Binding it onto itself would reach the host while the
    // mount that holds it is shared; the root of this namespace is a mount point, and private to it.
    check(errno == EINVAL, "private /");
    const Descriptor chrootDir{open("/", O_PATH | O_DIRECTORY | O_CLOEXEC)};
    const Descriptor workingDir{open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)};
    const Descriptor ns{open("/proc/self/ns/mnt", O_RDONLY | O_CLOEXEC)};
    check(chrootDir.fd >= 0 && workingDir.fd >= 0 && ns.fd >= 0, "open /, . and /proc/self/ns/mnt");
    // Joining the namespace we are in moves to its root, out of the chroot.
    check(setns(ns.fd, CLONE_NEWNS) == 0, "join this mount namespace");
    const bool madePrivate = mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    const int error = errno;
    check(fchdir(chrootDir.fd) == 0 && chroot(".") == 0 && fchdir(workingDir.fd) == 0,
          "back into the chroot");
    errno = error;
    check(madePrivate, "private root of the mount namespace");
}

void buildMachine() {
    // A tmpfs on /run leaves the host's /run alone and gives udev's control file a place.
    check(mount("tmpfs", "/run", "tmpfs", MS_NOSUID | MS_NODEV, "mode=0755") == 0, "tmpfs on /run");
    fs::create_directories("/run/udev");
    // libudev only listens to the udev group while udev seems to run.
    writeFile("/run/udev/control", "");
    const fs::path root = kRoot;
    fs::create_directories(kSockets);

    fs::create_directories(root / "dev");
    for (const char* node : {"null", "zero", "random", "urandom"}) {
        writeFile(root / "dev" / node, "");
        bindMount(std::string("/dev/") + node, (root / "dev" / node).string());
    }
    fs::create_symlink("/proc/self/fd", root / "dev/fd");

    const fs::path sys = root / "sys";
    for (const char* dir : {"class/hidraw", "bus/hid/devices", "bus/usb/devices", "bus/pci/devices"})
        fs::create_directories(sys / dir);
    // Links inside the tree point at /sys, where it will be seen.
    bindMount(sys.string(), "/sys");
    bindMount((root / "dev").string(), "/dev", MS_REC);

    addDevice("/sys/devices/pci0000:00", "/sys/bus/pci", {});
    addDevice(kHostController, "/sys/bus/pci",
              {"DRIVER=xhci_hcd", "PCI_CLASS=C0330", "PCI_SLOT_NAME=0000:00:14.0"});
    link("/sys/bus/pci/devices/0000:00:14.0", kHostController);
    addDevice(fs::path(kHostController) / "usb1", "/sys/bus/usb",
              {"MAJOR=189", "MINOR=0", "DEVNAME=bus/usb/001/001", "DEVTYPE=usb_device", "DRIVER=usb",
               "BUSNUM=001", "DEVNUM=001"});
    link("/sys/bus/usb/devices/usb1", fs::path(kHostController) / "usb1");
}

} // namespace

Bytes vendorReportDescriptor(std::optional<std::uint8_t> reportId, int reportBytes) {
    Bytes d{kUsagePage16, 0x00, 0xFF, kUsage8, 0x01, kCollection8, kApplication};
    if (reportId) d.insert(d.end(), {kReportId8, *reportId});
    for (const std::uint8_t main : {kInput8, kOutput8}) {
        d.insert(d.end(),
                 {kUsage8, 0x01, kLogicalMinimum8, 0x00, kLogicalMaximum16, 0xFF, 0x00, kReportSize8, 8,
                  kReportCount8, static_cast<std::uint8_t>(reportBytes), main, kDataVariableAbsolute});
    }
    d.push_back(kEndCollection);
    return d;
}

FakeMachine::EntryResult FakeMachine::enter() {
    if (geteuid() != 0) return {Entry::Skipped, "needs root for private mount and network namespaces"};
    if (unshare(CLONE_NEWNS | CLONE_NEWNET) != 0)
        return {Entry::Skipped,
                std::string("unshare(CLONE_NEWNS | CLONE_NEWNET) not permitted: ") + std::strerror(errno)};
    try {
        // Nothing mounted from here on may reach the host.
        makeRootPrivate();
        buildMachine();
    } catch (const std::exception& error) {
        return {Entry::Failed, error.what()};
    }
    // libudev takes the tree for sysfs only with this: it is a tmpfs.
    setenv("SYSTEMD_DEVICE_VERIFY_SYSFS", "0", 1);
    setenv("BREEZEKIT_HIDRAW_SOCKETS", kSockets, 1);
    return {Entry::Entered, {}};
}

FakeMachine::FakeMachine() : server_(kSockets) {}

PluggedHid FakeMachine::plug(const FakeHid& hid, sim::FactoryParameters unit) {
    // The kernel gives the lowest free minor, so a replugged unit gets its old node name back.
    int number = 0;
    while (usedNodes_.contains(number))
        ++number;
    usedNodes_.insert(number);
    const std::string port = std::to_string(number + 1);
    const std::string vid = hex4(hid.vendorId), pid = hex4(hid.productId);
    PluggedHid plugged;
    plugged.node = "hidraw" + std::to_string(number);
    plugged.path = "/dev/" + plugged.node;
    plugged.identity =
        hex4(kBusUsb) + ":" + vid + ":" + pid + "." + hex4(static_cast<unsigned>(nextInstance_++));

    const fs::path usb = fs::path(kHostController) / "usb1" / ("1-" + port);
    char productLine[64];
    std::snprintf(productLine, sizeof productLine, "PRODUCT=%x/%x/200", hid.vendorId, hid.productId);
    addDevice(usb, "/sys/bus/usb",
              {"MAJOR=189", "MINOR=" + port, "DEVNAME=bus/usb/001/00" + port, "DEVTYPE=usb_device",
               "DRIVER=usb", productLine, "BUSNUM=001", "DEVNUM=00" + port});
    writeFile(usb / "idVendor", vid + "\n");
    writeFile(usb / "idProduct", pid + "\n");
    writeFile(usb / "bcdDevice", "0200\n");
    writeFile(usb / "manufacturer", hid.manufacturer + "\n");
    writeFile(usb / "product", hid.product + "\n");
    writeFile(usb / "serial", unit.serialNumber + "\n");
    link("/sys/bus/usb/devices/1-" + port, usb);

    const fs::path interface = usb / ("1-" + port + ":1.0");
    addDevice(interface, "/sys/bus/usb",
              {"DEVTYPE=usb_interface", "DRIVER=usbhid", productLine, "INTERFACE=3/0/0"});
    writeFile(interface / "bInterfaceNumber", "00\n");
    writeFile(interface / "bInterfaceClass", "03\n");

    const fs::path hidDir = interface / plugged.identity;
    addDevice(hidDir, "/sys/bus/hid",
              {"DRIVER=hid-generic", "HID_ID=" + hex4(kBusUsb) + ":0000" + vid + ":0000" + pid,
               "HID_NAME=" + hid.manufacturer + " " + hid.product,
               "HID_PHYS=usb-0000:00:14.0-" + port + "/input0", "HID_UNIQ=" + unit.serialNumber,
               "MODALIAS=hid:b0003g0001v0000" + vid + "p0000" + pid});
    const Bytes descriptor = vendorReportDescriptor(hid.reportId, hid.reportBytes);
    writeFile(hidDir / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
    link("/sys/bus/hid/devices/" + plugged.identity, hidDir);

    const fs::path hidraw = hidDir / "hidraw" / plugged.node;
    addDevice(hidraw, "/sys/class/hidraw",
              {"MAJOR=" + std::to_string(kHidrawMajor), "MINOR=" + std::to_string(number),
               "DEVNAME=" + plugged.node});
    writeFile(hidraw / "dev", std::to_string(kHidrawMajor) + ":" + std::to_string(number) + "\n");
    link(hidraw / "device", hidDir);
    link("/sys/class/hidraw/" + plugged.node, hidraw);
    plugged.devpath = hidraw.string().substr(std::strlen("/sys"));

    writeFile(plugged.path, "");
    unit.inputReportLength = unit.outputReportLength = hid.reportBytes + 1;
    server_.add(plugged.node, std::move(unit), hid.reportId.has_value());
    return plugged;
}

void FakeMachine::unplug(const PluggedHid& hid) {
    server_.remove(hid.node);
    usedNodes_.erase(std::stoi(hid.node.substr(std::strlen("hidraw"))));
    const fs::path hidraw = "/sys" + hid.devpath;
    const fs::path usb = hidraw.parent_path().parent_path().parent_path().parent_path();
    fs::remove("/sys/class/hidraw/" + hid.node);
    fs::remove("/sys/bus/hid/devices/" + hid.identity);
    fs::remove("/sys/bus/usb/devices/" + usb.filename().string());
    fs::remove_all(usb);
    fs::remove(hid.path);
    fs::remove(std::string(kSockets) + "/" + hid.node + ".eacces");
}

void FakeMachine::refuseAccess(const PluggedHid& hid) {
    writeFile(std::string(kSockets) + "/" + hid.node + ".eacces", "");
}

void FakeMachine::announce(const std::string& action, const PluggedHid& hid) {
    const std::string subsystem = "hidraw";
    const std::string properties[] = {
        "ACTION=" + action,
        "DEVPATH=" + hid.devpath,
        "SUBSYSTEM=" + subsystem,
        "DEVNAME=" + hid.path,
        "MAJOR=" + std::to_string(kHidrawMajor),
        "MINOR=" + hid.node.substr(std::strlen("hidraw")),
        "SEQNUM=" + std::to_string(nextSeqnum_++),
    };
    std::string body;
    for (const std::string& property : properties)
        body.append(property).push_back('\0');
    MonitorHeader header;
    header.propertiesLength = static_cast<std::uint32_t>(body.size());
    header.subsystemHash = htonl(murmurHash2(subsystem));
    std::string message(reinterpret_cast<const char*>(&header), sizeof header);
    message += body;

    const int fd = socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_KOBJECT_UEVENT);
    check(fd >= 0, "netlink socket");
    sockaddr_nl to{};
    to.nl_family = AF_NETLINK;
    to.nl_groups = kUdevGroup;
    const ssize_t sent =
        sendto(fd, message.data(), message.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    const int error = errno;
    close(fd);
    errno = error;
    check(sent == static_cast<ssize_t>(message.size()), "send to the udev group");
}

} // namespace breezekit::realbackend
