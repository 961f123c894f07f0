#include "sim/SimulatedPlatform.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <algorithm>
#include <cstdio>

namespace breezekit::sim {

namespace {
constexpr std::uint16_t kMouseVendorId = 0x046D;
constexpr std::uint16_t kMouseProductId = 0xC077;
constexpr int kMouseInputReportLength = 5;
constexpr unsigned kUsbBus = 0x0003;
} // namespace

SimulatedPlatform::~SimulatedPlatform() {
    for (auto& interface : interfaces_)
        interface->unplug();
}

std::vector<HidInterfaceInfo> SimulatedPlatform::enumerate() {
    std::vector<HidInterfaceInfo> present;
    present.reserve(interfaces_.size());
    for (const auto& interface : interfaces_)
        present.push_back(interface->info());
    return present;
}

std::unique_ptr<HidConnection> SimulatedPlatform::open(const HidInterfaceInfo& info, HidOpenMode mode) {
    const auto found = std::find_if(interfaces_.begin(), interfaces_.end(),
                                    [&](const auto& i) { return i->info().identity == info.identity; });
    return found == interfaces_.end() ? nullptr : (*found)->open(mode);
}

std::shared_ptr<VirtualInterface> SimulatedPlatform::plug(VirtualInterfaceSetup setup,
                                                          std::unique_ptr<VirtualUnit> unit) {
    const int number = nextNumber_++;
    HidInterfaceInfo info;
    char name[32];
    // Named as the kernel names HID devices, new at every plug.
    std::snprintf(name, sizeof name, "%04X:%04X:%04X.%04X", kUsbBus, setup.vendorId, setup.productId,
                  static_cast<unsigned>(number));
    info.identity = name;
    info.path = "/dev/sim-hidraw" + std::to_string(number);
    info.vendorId = setup.vendorId;
    info.productId = setup.productId;
    info.productString = setup.productString;
    auto interface = std::make_shared<VirtualInterface>(std::move(setup), std::move(info), std::move(unit));
    interface->setRecordsReceivedReports(recordsReceived_);
    interfaces_.push_back(interface);
    announceChange();
    return interface;
}

std::shared_ptr<VirtualInterface> SimulatedPlatform::plugUnit(FactoryParameters parameters,
                                                              VirtualAccess access) {
    VirtualInterfaceSetup setup;
    setup.productString = parameters.productString;
    setup.lengths = {parameters.inputReportLength, parameters.outputReportLength};
    setup.access = access;
    return plug(std::move(setup), std::make_unique<VirtualUnit>(std::move(parameters)));
}

std::shared_ptr<VirtualInterface> SimulatedPlatform::plugMouse() {
    VirtualInterfaceSetup setup;
    setup.vendorId = kMouseVendorId;
    setup.productId = kMouseProductId;
    setup.productString = u"USB Optical Mouse";
    setup.lengths = {kMouseInputReportLength, 0};
    setup.isUnit = false;
    return plug(std::move(setup));
}

void SimulatedPlatform::unplug(const std::shared_ptr<VirtualInterface>& interface) {
    const auto found = std::find(interfaces_.begin(), interfaces_.end(), interface);
    if (found == interfaces_.end()) return;
    (*found)->unplug();
    interfaces_.erase(found);
    announceChange();
}

void SimulatedPlatform::setRecordsReceivedReports(bool records) {
    recordsReceived_ = records;
    for (const auto& interface : interfaces_)
        interface->setRecordsReceivedReports(records);
}

void SimulatedPlatform::announceChange() {
    // Interfaces plugged before anyone listens are simply there at the first scan.
    if (!isSignalConnected(QMetaMethod::fromSignal(&HidPlatform::devicesChanged))) return;
    QMetaObject::invokeMethod(this, &HidPlatform::devicesChanged, Qt::QueuedConnection);
}

} // namespace breezekit::sim
