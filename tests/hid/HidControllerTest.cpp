#include "hid/device/HidController.h"

#include "hid/device/DeviceReader.h"
#include "sim/SimulatedPlatform.h"

#include <QTest>

using namespace breezekit;

namespace {
std::vector<std::string> identities(const HidController& controller) {
    std::vector<std::string> ids;
    for (const auto& entry : controller.pool())
        ids.push_back(entry->identity());
    return ids;
}
std::string id(const std::shared_ptr<sim::VirtualInterface>& i) {
    return i->info().identity;
}
// As the program starts it: once the event loop runs, after the event bindings are set.
void postStartUp(HidController& controller) {
    QMetaObject::invokeMethod(
        &controller, [&controller] { controller.startUp(); }, Qt::QueuedConnection);
}
} // namespace

class HidControllerTest : public QObject {
    Q_OBJECT
  private slots:
    void startUpRaisesChangeWithNothingPresent();
    void nothingIsScannedBeforeStartUp();
    void poolKeepsFirstSeenOrder();
    void takenEntryStaysUntilReleased();
    void checkOutTakesOnce();
    void unopenableInterfaceIsReportedAtEveryScan();
    void readersOnlyForReadWriteUnits();
    void enumerateStopsOnFalse();
};

void HidControllerTest::nothingIsScannedBeforeStartUp() {
    sim::SimulatedPlatform platform;
    platform.plugUnit();
    HidController controller(platform);
    int changes = 0;
    controller.OnDeviceChange = [&] { ++changes; };
    platform.plugUnit();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(changes, 0);
    QVERIFY(controller.pool().empty());
    controller.startUp();
    QCOMPARE(changes, 1);
    QCOMPARE(controller.pool().size(), 2u);
}

void HidControllerTest::startUpRaisesChangeWithNothingPresent() {
    sim::SimulatedPlatform platform;
    HidController controller(platform);
    postStartUp(controller);
    int changes = 0;
    controller.OnDeviceChange = [&] { ++changes; };
    QCOMPARE(changes, 0);
    QTRY_COMPARE(changes, 1);
    QVERIFY(controller.pool().empty());
}

void HidControllerTest::poolKeepsFirstSeenOrder() {
    sim::SimulatedPlatform platform;
    HidController controller(platform);
    postStartUp(controller);
    int changes = 0;
    controller.OnDeviceChange = [&] { ++changes; };
    auto a = platform.plugUnit();
    auto b = platform.plugMouse();
    auto c = platform.plugUnit();
    QTRY_COMPARE(identities(controller), (std::vector{id(a), id(b), id(c)}));

    platform.unplug(b);
    auto d = platform.plugUnit();
    QTRY_COMPARE(identities(controller), (std::vector{id(a), id(c), id(d)}));

    // A released entry keeps its place, as a fresh untaken entry.
    HidDevice* taken = controller.CheckOutByIndex(1);
    QVERIFY(taken != nullptr && taken->taken());
    controller.CheckIn({taken});
    QCOMPARE(identities(controller), (std::vector{id(a), id(c), id(d)}));
    QVERIFY(!controller.pool()[1]->taken());
    QVERIFY(changes >= 2);
}

void HidControllerTest::takenEntryStaysUntilReleased() {
    sim::SimulatedPlatform platform;
    HidController controller(platform);
    postStartUp(controller);
    auto a = platform.plugUnit();
    auto b = platform.plugUnit();
    QTRY_COMPARE(controller.pool().size(), 2u);
    HidDevice* first = controller.CheckOutByIndex(0);
    QVERIFY(first != nullptr);

    platform.unplug(a);
    QTRY_VERIFY(!first->pluggedIn());
    QCOMPARE(identities(controller), (std::vector{id(a), id(b)}));
    std::uint8_t report[65] = {1};
    QVERIFY(!first->write(report));

    controller.CheckIn({first});
    QCOMPARE(identities(controller), std::vector{id(b)});
}

void HidControllerTest::checkOutTakesOnce() {
    sim::SimulatedPlatform platform;
    HidController controller(platform);
    postStartUp(controller);
    platform.plugUnit();
    QTRY_COMPARE(controller.pool().size(), 1u);
    HidDevice* once = controller.CheckOutByIndex(0);
    QVERIFY(once != nullptr);
    QCOMPARE(controller.CheckOutByIndex(0), nullptr);
    QCOMPARE(controller.CheckOutByIndex(1), nullptr);
    QCOMPARE(controller.CheckOutByIndex(-1), nullptr);
    controller.CheckIn({once});
}

void HidControllerTest::unopenableInterfaceIsReportedAtEveryScan() {
    sim::SimulatedPlatform platform;
    sim::VirtualInterfaceSetup setup;
    setup.access = sim::VirtualAccess::Unopenable;
    // Present before the controller starts, so the start-up scan is the only one.
    auto locked = platform.plug(setup);
    auto unit = platform.plugUnit();
    HidController controller(platform);
    postStartUp(controller);
    std::vector<std::string> failed;
    bool retryOnce = true;
    controller.OnDeviceCreateError = [&](const HidInterfaceInfo& info, bool& handled, bool& retry) {
        failed.push_back(info.path);
        handled = true;
        retry = retryOnce;
        retryOnce = false;
    };
    QTRY_COMPARE(identities(controller), std::vector{id(unit)});
    // Tried once more on request, then left out.
    QCOMPARE(failed, (std::vector{locked->info().path, locked->info().path}));

    platform.plugMouse();
    QTRY_COMPARE(controller.pool().size(), 2u);
    QCOMPARE(failed.size(), 3u);
}

void HidControllerTest::readersOnlyForReadWriteUnits() {
    sim::SimulatedPlatform platform;
    std::vector<std::shared_ptr<sim::VirtualInterface>> plugged;
    {
        HidController controller(platform);
        postStartUp(controller);
        controller.OnDeviceData = [](HidDevice&, const InputReport&) {};
        plugged.push_back(platform.plugUnit());
        plugged.push_back(platform.plugUnit({}, sim::VirtualAccess::IdentificationOnly));
        QTRY_COMPARE(controller.pool().size(), 2u);
        HidDevice* readWrite = controller.CheckOutByIndex(0);
        HidDevice* identificationOnly = controller.CheckOutByIndex(1);
        QCOMPARE(readWrite->access(), HidAccess::ReadWrite);
        QVERIFY(readWrite->hasReader());
        QCOMPARE(identificationOnly->access(), HidAccess::IdentificationOnly);
        QVERIFY(!identificationOnly->hasReader());
        QCOMPARE(identificationOnly->outputReportLength(), 65);
        QTRY_COMPARE(controller.runningReaders(), 1);
    }
    // The controller's end stops every reader and closes every handle.
    for (const auto& i : plugged)
        QCOMPARE(i->openConnections(), 0u);
}

void HidControllerTest::enumerateStopsOnFalse() {
    sim::SimulatedPlatform platform;
    HidController controller(platform);
    postStartUp(controller);
    for (int i = 0; i < 3; ++i)
        platform.plugUnit();
    QTRY_COMPARE(controller.pool().size(), 3u);
    std::vector<int> offered;
    controller.OnEnumerate = [&](HidDevice&, int index) {
        offered.push_back(index);
        return index < 1;
    };
    controller.Enumerate();
    QCOMPARE(offered, (std::vector{0, 1}));
}

QTEST_GUILESS_MAIN(HidControllerTest)
#include "HidControllerTest.moc"
