#include "hid/device/UnitLink.h"
#include "protocol/core/Commands.h"
#include "sim/SimulatedPlatform.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace breezekit;

namespace {
constexpr int kWaitMs = 5000;
}

// Listeners hear a code beside its handler, so that a passing reader never takes a subsystem's handler.
class UnitLinkListenerTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void handlerFirstThenEveryListener();
    void aListenerMayRemoveItselfOrAnother();
    void aListenerAddedWhileHearingHearsTheNextReport();
    void reportsOfAnotherUnitReachNoListener();
    void aScopedListenerGoesWithItsScope();

  private:
    // The unit sends one report of CmdWifiState carrying value; waits until the link has handled it.
    void send(std::size_t unit, std::uint8_t value);

    std::unique_ptr<sim::SimulatedPlatform> platform_;
    std::vector<std::shared_ptr<sim::VirtualInterface>> units_;
    std::unique_ptr<UnitLink> link_;
    std::vector<std::string> heard_;
};

void UnitLinkListenerTest::init() {
    platform_ = std::make_unique<sim::SimulatedPlatform>();
    units_ = {platform_->plugUnit(), platform_->plugUnit()};
    link_ = std::make_unique<UnitLink>(*platform_);
    QSignalSpy rebuilt(link_.get(), &UnitLink::listRebuilt);
    link_->start();
    QVERIFY(rebuilt.wait(kWaitMs));
    QCOMPARE(link_->listedDevices().size(), 2u);
    link_->setCurrentDevice(link_->listedDevices().front());
    heard_.clear();
    // the last to hear marks the report as handled
    link_->setReportHandler(CmdWifiState, [this](const InputReport& r) {
        heard_.push_back("handler " + std::to_string(r.payloadByte(1)));
    });
}

void UnitLinkListenerTest::cleanup() {
    link_.reset();
    units_.clear();
    platform_.reset();
}

void UnitLinkListenerTest::send(std::size_t unit, std::uint8_t value) {
    const int before = units_[unit]->reportsRead();
    const std::uint8_t report[] = {1, CmdWifiState, 1, value};
    units_[unit]->sendInputReport(report);
    // read by the reader, then handed over and dispatched before the next event loop pass ends
    QVERIFY(QTest::qWaitFor([&] { return units_[unit]->reportsRead() > before; }, kWaitMs));
    QTest::qWait(20);
}

void UnitLinkListenerTest::handlerFirstThenEveryListener() {
    const auto a =
        link_->addReportListener(CmdWifiState, [this](const InputReport&) { heard_.push_back("a"); });
    const auto b =
        link_->addReportListener(CmdWifiState, [this](const InputReport&) { heard_.push_back("b"); });
    const auto other =
        link_->addReportListener(CmdMasterState, [this](const InputReport&) { heard_.push_back("other"); });
    send(0, 1);
    QCOMPARE(heard_, (std::vector<std::string>{"handler 1", "a", "b"}));
    link_->removeReportListener(a);
    send(0, 2);
    QCOMPARE(heard_, (std::vector<std::string>{"handler 1", "a", "b", "handler 2", "b"}));
    QVERIFY(link_->hasReportHandler(CmdWifiState));
    link_->removeReportListener(b);
    link_->removeReportListener(other);
}

void UnitLinkListenerTest::aListenerMayRemoveItselfOrAnother() {
    std::optional<UnitLink::ListenerId> self, next;
    self = link_->addReportListener(CmdWifiState, [this, &self, &next](const InputReport&) {
        heard_.push_back("self");
        link_->removeReportListener(*self);
        link_->removeReportListener(*next);
    });
    next = link_->addReportListener(CmdWifiState, [this](const InputReport&) { heard_.push_back("next"); });
    send(0, 1);
    send(0, 2);
    QCOMPARE(heard_, (std::vector<std::string>{"handler 1", "self", "handler 2"}));
}

void UnitLinkListenerTest::aListenerAddedWhileHearingHearsTheNextReport() {
    std::vector<UnitLink::ListenerId> added;
    const auto adder = link_->addReportListener(CmdWifiState, [this, &added](const InputReport&) {
        heard_.push_back("adder");
        if (added.empty())
            added.push_back(link_->addReportListener(
                CmdWifiState, [this](const InputReport&) { heard_.push_back("new"); }));
    });
    send(0, 1);
    send(0, 2);
    QCOMPARE(heard_, (std::vector<std::string>{"handler 1", "adder", "handler 2", "adder", "new"}));
    link_->removeReportListener(adder);
    link_->removeReportListener(added.front());
}

void UnitLinkListenerTest::reportsOfAnotherUnitReachNoListener() {
    const ReportListener listener(*link_, CmdWifiState,
                                  [this](const InputReport&) { heard_.push_back("a"); });
    send(1, 1);
    QVERIFY(heard_.empty());
}

void UnitLinkListenerTest::aScopedListenerGoesWithItsScope() {
    {
        const ReportListener listener(*link_, CmdWifiState,
                                      [this](const InputReport&) { heard_.push_back("a"); });
        send(0, 1);
    }
    send(0, 2);
    QCOMPARE(heard_, (std::vector<std::string>{"handler 1", "a", "handler 2"}));
}

QTEST_MAIN(UnitLinkListenerTest)
#include "UnitLinkListenerTest.moc"
