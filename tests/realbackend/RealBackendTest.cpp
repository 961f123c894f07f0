// The real Linux platform (hidapi over hidraw, libudev) against virtual units, with no kernel device.
//
// How: main() re-executes itself with the HidrawRedirect library preloaded, then moves into private
// mount and network namespaces. There a fake sysfs is bind-mounted over /sys, a tmpfs over /dev holds
// the hidraw nodes, and a tmpfs over /run holds udev's control file so that libudev listens at all.
// hidapi and libudev enumerate the fake tree as they would the kernel's; an open of /dev/hidrawN
// becomes a socket connection to the UnitServer, where a VirtualUnit answers report by report; plug
// events are libudev messages sent to the namespace's own udev netlink group. Needs root (CI has it);
// otherwise every case is skipped with the reason.
#include "FakeMachine.h"
#include "hid/linux/HidApiPlatform.h"
#include "protocol/core/Commands.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace breezekit;
using namespace breezekit::realbackend;

namespace {

// The unit's command codes for a read request and for its serial number.
constexpr std::uint8_t kCmdRead = breezekit::CmdRead;
constexpr std::uint8_t kCmdSerialNumber = breezekit::CmdSerialNumber;
constexpr std::size_t kHeaderBytes = 3; // report ID, code, length
constexpr int kEventWaitMs = 5000;
constexpr int kReplyWaitMs = 2000;

FakeMachine::EntryResult entry{FakeMachine::Entry::Skipped, "main() did not run"};

const HidInterfaceInfo* findPath(const std::vector<HidInterfaceInfo>& list, const std::string& path) {
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const auto& info) { return info.path == path; });
    return found == list.end() ? nullptr : &*found;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<std::uint8_t>)

class RealBackendTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanup();

    void enumeratesEveryInterfaceWithItsIdentity();
    void reportLengthsFromTheDescriptor_data();
    void reportLengthsFromTheDescriptor();
    void writesAndReadsReportsByteForByte_data();
    void writesAndReadsReportsByteForByte();
    void plugAndUnplugChangeTheList();
    void refusedNodeOpensForIdentificationOnly();
    void nodeAnswersHidrawQueries();

  private:
    PluggedHid plug(const FakeHid& hid, const sim::FactoryParameters& unit = {});
    HidInterfaceInfo infoOf(HidApiPlatform& platform, const PluggedHid& hid);

    std::unique_ptr<FakeMachine> machine_;
    std::vector<PluggedHid> plugged_;
};

void RealBackendTest::initTestCase() {
    if (entry.entry == FakeMachine::Entry::Skipped) QSKIP(("no fake machine: " + entry.message).c_str());
    if (entry.entry == FakeMachine::Entry::Failed)
        QFAIL(("fake machine not built: " + entry.message).c_str());
    machine_ = std::make_unique<FakeMachine>();
}

void RealBackendTest::cleanup() {
    for (const PluggedHid& hid : plugged_)
        machine_->unplug(hid);
    plugged_.clear();
}

PluggedHid RealBackendTest::plug(const FakeHid& hid, const sim::FactoryParameters& unit) {
    plugged_.push_back(machine_->plug(hid, unit));
    return plugged_.back();
}

HidInterfaceInfo RealBackendTest::infoOf(HidApiPlatform& platform, const PluggedHid& hid) {
    const std::vector<HidInterfaceInfo> list = platform.enumerate();
    const HidInterfaceInfo* info = findPath(list, hid.path);
    return info != nullptr ? *info : HidInterfaceInfo{};
}

void RealBackendTest::enumeratesEveryInterfaceWithItsIdentity() {
    const FakeHid setups[] = {
        {},
        {.product = "Pavona Mini", .reportId = std::nullopt, .reportBytes = 32},
        {.vendorId = 0x1234, .productId = 0x0001, .manufacturer = "Other", .product = "Keypad"},
    };
    std::vector<PluggedHid> hids;
    for (const FakeHid& setup : setups)
        hids.push_back(plug(setup));

    HidApiPlatform platform;
    const std::vector<HidInterfaceInfo> list = platform.enumerate();
    QCOMPARE(list.size(), std::size(setups));
    for (std::size_t i = 0; i < hids.size(); ++i) {
        const HidInterfaceInfo* info = findPath(list, hids[i].path);
        QVERIFY2(info != nullptr, hids[i].path.c_str());
        QCOMPARE(info->identity, hids[i].identity);
        QCOMPARE(info->vendorId, setups[i].vendorId);
        QCOMPARE(info->productId, setups[i].productId);
        QCOMPARE(QString::fromStdU16String(info->productString), QString::fromStdString(setups[i].product));
    }
    QVERIFY(hids[0].identity != hids[1].identity);
}

void RealBackendTest::reportLengthsFromTheDescriptor_data() {
    QTest::addColumn<std::optional<std::uint8_t>>("reportId");
    QTest::addColumn<int>("reportBytes");
    QTest::addColumn<int>("length");
    QTest::newRow("numbered, 64 bytes") << std::optional<std::uint8_t>(1) << 64 << 65;
    QTest::newRow("unnumbered, 32 bytes") << std::optional<std::uint8_t>() << 32 << 33;
    QTest::newRow("numbered, 32 bytes") << std::optional<std::uint8_t>(1) << 32 << 33;
    QTest::newRow("unnumbered, 64 bytes") << std::optional<std::uint8_t>() << 64 << 65;
}

void RealBackendTest::reportLengthsFromTheDescriptor() {
    QFETCH(std::optional<std::uint8_t>, reportId);
    QFETCH(int, reportBytes);
    QFETCH(int, length);
    const PluggedHid hid = plug({.reportId = reportId, .reportBytes = reportBytes});
    HidApiPlatform platform;
    const HidInterfaceInfo info = infoOf(platform, hid);
    for (const HidOpenMode mode : {HidOpenMode::ReadWrite, HidOpenMode::IdentificationOnly}) {
        const auto connection = platform.open(info, mode);
        QVERIFY(connection != nullptr);
        QCOMPARE(connection->reportLengths().input, length);
        QCOMPARE(connection->reportLengths().output, length);
    }
}

void RealBackendTest::writesAndReadsReportsByteForByte_data() {
    QTest::addColumn<std::optional<std::uint8_t>>("reportId");
    QTest::addColumn<int>("reportBytes");
    QTest::newRow("numbered, 65-byte reports") << std::optional<std::uint8_t>(1) << 64;
    QTest::newRow("unnumbered, 33-byte reports") << std::optional<std::uint8_t>() << 32;
}

// The unit is asked for its serial number; every byte written reaches it and every byte of its answer
// comes back, behind a 0 where hidraw gives the report without its ID.
void RealBackendTest::writesAndReadsReportsByteForByte() {
    QFETCH(std::optional<std::uint8_t>, reportId);
    QFETCH(int, reportBytes);
    const sim::FactoryParameters unit;
    const PluggedHid hid = plug({.reportId = reportId, .reportBytes = reportBytes}, unit);
    HidApiPlatform platform;
    const auto connection = platform.open(infoOf(platform, hid), HidOpenMode::ReadWrite);
    QVERIFY(connection != nullptr);
    const auto length = static_cast<std::size_t>(reportBytes + 1);

    Bytes request(length, 0);
    request[0] = reportId.value_or(0);
    request[1] = kCmdRead;
    request[2] = 1;
    request[3] = kCmdSerialNumber;
    request[length - 1] = 0xA5; // a last byte that is not padding
    QVERIFY(connection->write(request));
    QTRY_COMPARE_WITH_TIMEOUT(machine_->server().received(hid.node).size(), 1u, kReplyWaitMs);
    QCOMPARE(machine_->server().received(hid.node).front(), request);

    Bytes reply(length + 8, 0xEE);
    const int count = connection->read(reply, kReplyWaitMs);
    QCOMPARE(count, static_cast<int>(length));
    reply.resize(length);
    const std::vector<Bytes> sent = machine_->server().sent(hid.node);
    QCOMPARE(sent.size(), 1u);
    Bytes expected = sent.front();
    if (!reportId) expected.insert(expected.begin(), 0);
    QCOMPARE(reply, expected);
    QCOMPARE(reply[0], reportId ? sim::VirtualUnit::kInputReportId : std::uint8_t{0});
    QCOMPARE(reply[1], kCmdSerialNumber);
    const std::string serial(reply.begin() + kHeaderBytes, reply.begin() + kHeaderBytes + reply[2]);
    QCOMPARE(serial, unit.serialNumber.substr(0, length - kHeaderBytes));

    // Nothing more is coming: the read times out.
    QCOMPARE(connection->read(reply, 50), 0);
}

void RealBackendTest::plugAndUnplugChangeTheList() {
    HidApiPlatform platform;
    QSignalSpy changed(&platform, &HidPlatform::devicesChanged);
    QVERIFY(platform.enumerate().empty());

    const PluggedHid first = plug({});
    machine_->announce("add", first);
    QVERIFY(changed.wait(kEventWaitMs));
    const HidInterfaceInfo firstInfo = infoOf(platform, first);
    QCOMPARE(firstInfo.identity, first.identity);
    const auto connection = platform.open(firstInfo, HidOpenMode::ReadWrite);
    QVERIFY(connection != nullptr);

    machine_->unplug(first);
    plugged_.clear();
    machine_->announce("remove", first);
    QVERIFY(changed.wait(kEventWaitMs));
    QVERIFY(platform.enumerate().empty());
    Bytes buffer(65);
    QCOMPARE(connection->read(buffer, kReplyWaitMs), -1);
    QVERIFY(platform.open(firstInfo, HidOpenMode::IdentificationOnly) == nullptr);

    // Plugged again: the same node name, a new identity; the old one opens nothing.
    const PluggedHid second = plug({});
    machine_->announce("add", second);
    QVERIFY(changed.wait(kEventWaitMs));
    QCOMPARE(second.path, first.path);
    const HidInterfaceInfo secondInfo = infoOf(platform, second);
    QCOMPARE(secondInfo.identity, second.identity);
    QVERIFY(second.identity != first.identity);
    QVERIFY(platform.open(firstInfo, HidOpenMode::ReadWrite) == nullptr);
    QVERIFY(platform.open(secondInfo, HidOpenMode::ReadWrite) != nullptr);
}

void RealBackendTest::refusedNodeOpensForIdentificationOnly() {
    const PluggedHid hid = plug({});
    machine_->refuseAccess(hid);
    HidApiPlatform platform;
    const HidInterfaceInfo info = infoOf(platform, hid);
    QCOMPARE(info.identity, hid.identity);

    QVERIFY(platform.open(info, HidOpenMode::ReadWrite) == nullptr);
    const auto identification = platform.open(info, HidOpenMode::IdentificationOnly);
    QVERIFY(identification != nullptr);
    QCOMPARE(identification->reportLengths().input, 65);
    QCOMPARE(identification->reportLengths().output, 65);
    Bytes report(65, 0);
    report[0] = 1;
    QVERIFY(!identification->write(report));
    QCOMPARE(identification->read(report, 50), -1);
    QVERIFY(machine_->server().received(hid.node).empty());
}

// The node answers what other hidraw users ask of it, from the same sysfs entries the backend reads.
void RealBackendTest::nodeAnswersHidrawQueries() {
    const FakeHid setup{.vendorId = 0x1234, .productId = 0x0001, .reportId = std::nullopt, .reportBytes = 32};
    const PluggedHid hid = plug(setup);
    const int fd = ::open(hid.path.c_str(), O_RDWR | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const auto closeNode = qScopeGuard([fd] { ::close(fd); });
    const Bytes descriptor = vendorReportDescriptor(setup.reportId, setup.reportBytes);
    hidraw_report_descriptor read{};
    hidraw_devinfo devinfo{};
    char name[64] = {};
    char phys[8] = {};
    int size = 0;
    QCOMPARE(ioctl(fd, HIDIOCGRDESCSIZE, &size), 0);
    read.size = static_cast<std::uint32_t>(size);
    QCOMPARE(ioctl(fd, HIDIOCGRDESC, &read), 0);
    QCOMPARE(ioctl(fd, HIDIOCGRAWINFO, &devinfo), 0);
    QVERIFY(ioctl(fd, HIDIOCGRAWNAME(sizeof name), name) > 0);
    QCOMPARE(ioctl(fd, HIDIOCGRAWPHYS(sizeof phys), phys), int(sizeof phys));
    QCOMPARE(Bytes(read.value, read.value + read.size), descriptor);
    QCOMPARE(devinfo.bustype, 3u);
    QCOMPARE(static_cast<std::uint16_t>(devinfo.vendor), setup.vendorId);
    QCOMPARE(static_cast<std::uint16_t>(devinfo.product), setup.productId);
    QCOMPARE(QByteArray(name), QByteArray("BreezeKit Pavona"));
    // Cut to the buffer, still ending in 0.
    QCOMPARE(QByteArray(phys), QByteArray("usb-000"));
}

// The preload must be in place before the first library call, and the namespaces before any thread.
int main(int argc, char** argv) {
    const char* preload = std::getenv("LD_PRELOAD");
    if (preload == nullptr || std::strstr(preload, HIDRAW_REDIRECT) == nullptr) {
        // After the sanitizer runtime, when there is one: it must come first.
        const std::string list = preload != nullptr && *preload != '\0'
                                     ? std::string(preload) + ":" + HIDRAW_REDIRECT
                                     : std::string(HIDRAW_REDIRECT);
        setenv("LD_PRELOAD", list.c_str(), 1);
        execv("/proc/self/exe", argv);
        std::perror("re-executing with the hidraw redirection");
        return 1;
    }
    entry = FakeMachine::enter();
    QCoreApplication app(argc, argv);
    RealBackendTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RealBackendTest.moc"
