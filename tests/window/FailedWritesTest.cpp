#include "SimWindow.h"
#include "UnitReplies.h"
#include "protocol/StatusPolling.h"
#include "protocol/core/Commands.h"
#include "text/core/TextRows.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace breezekit;
using namespace breezekit::testing;

namespace {
using namespace std::chrono_literals;

std::vector<std::uint8_t> codesOf(const std::vector<SentCommand>& commands) {
    std::vector<std::uint8_t> codes;
    for (const SentCommand& c : commands)
        codes.push_back(c.code);
    return codes;
}

bool isWriteOf(std::span<const std::uint8_t> report, std::uint8_t code, std::uint8_t firstPayloadByte) {
    return report.size() > 3 && report[1] == code && report[3] == firstPayloadByte;
}

// Long enough to count as a stalled unit.
constexpr auto kStall = 1100ms;

// The unit listed and named, no poll running, nothing recorded yet.
[[nodiscard]] bool quietUnit(SimWindow& w) {
    if (!SimWindow::waitUntil([&] { return !w.form().Label_Serial_number->text().isEmpty(); })) return false;
    w.form().Timer3->stop();
    w.clearCommands();
    return true;
}
} // namespace

// Writes that fail at once do not stop a handler; a unit that stalls is skipped until it answers, and a
// write group it missed the end of is closed then; a user action says once that its writes failed.
class FailedWritesTest : public QObject {
    Q_OBJECT
  private slots:
    void quickFailureLeavesTheRestOfTheApply();
    void pollingGoesOnAfterAFailedRequestAndStaysSilent();
    void stalledUnitIsSkippedUntilItAnswersThenItsGroupIsClosed();
    void restoreOnAStalledUnitKeepsItsSessionOpen();
    void aUnitWithoutAccessSaysWhyOnAnAction();
};

void FailedWritesTest::quickFailureLeavesTheRestOfTheApply() {
    SimWindow w(1);
    QVERIFY(quietUnit(w));
    int writes = 0;
    // The second report of the Apply fails without blocking.
    w.unit(0).setFailingWrites([&](std::span<const std::uint8_t>) { return ++writes == 2; });
    QTest::mouseClick(w.form().Button_Apply_Save_Fan, Qt::LeftButton);

    const std::vector<std::uint8_t> codes = codesOf(w.commands(0));
    QCOMPARE(w.unit(0).failedWrites(), 1);
    QCOMPARE(codes.size(), 12u);
    QCOMPARE(codes.front(), std::uint8_t{CmdWriteSession});
    QCOMPARE(w.commands(0).back(), (SentCommand{{}, CmdWriteSession, {kWriteSessionEnd}}));
    QCOMPARE(w.messages(), QStringList{w.text(kRowWritesFailed)});
}

void FailedWritesTest::pollingGoesOnAfterAFailedRequestAndStaysSilent() {
    SimWindow w(1);
    QVERIFY(quietUnit(w));
    w.unit(0).setFailingWrites(
        [](std::span<const std::uint8_t> report) { return isWriteOf(report, CmdRead, CmdWifiState); });
    w.form().statusPolling().Timer3Timer();
    QCOMPARE(w.commands(0), (std::vector<SentCommand>{{{}, CmdRead, {CmdMasterState}}}));
    QCOMPARE(w.unit(0).failedWrites(), 1);
    QVERIFY(w.messages().isEmpty());
}

void FailedWritesTest::stalledUnitIsSkippedUntilItAnswersThenItsGroupIsClosed() {
    SimWindow w(1);
    QVERIFY(quietUnit(w));
    w.unit(0).setWriteStall(kStall);
    QTest::mouseClick(w.form().Button_Apply_Save_Fan, Qt::LeftButton);
    // Only the first write was tried; it blocked, so the others were skipped.
    QCOMPARE(w.unit(0).failedWrites(), 1);
    QCOMPARE(w.messages(), QStringList{w.text(kRowWritesFailed)});

    w.form().statusPolling().Timer3Timer();
    QCOMPARE(w.unit(0).failedWrites(), 1);
    QCOMPARE(w.messages().size(), 1);

    // The unit takes reports again and speaks: the group it missed the end of is closed first.
    w.unit(0).setWriteStall(0ms);
    sendReply(w.unit(0), CmdWifiState, {1});
    QTRY_COMPARE(w.commands(0), (std::vector<SentCommand>{{{}, CmdWriteSession, {kWriteSessionEnd}}}));
    w.form().statusPolling().Timer3Timer();
    QCOMPARE(codesOf(w.commands(0)), (std::vector<std::uint8_t>{CmdWriteSession, CmdRead, CmdRead}));
}

void FailedWritesTest::restoreOnAStalledUnitKeepsItsSessionOpen() {
    SimWindow w(1);
    QVERIFY(quietUnit(w));
    w.unit(0).setWriteStall(kStall);
    QTest::mouseClick(w.form().Button_Restore_default_parameters, Qt::LeftButton);
    QCOMPARE(w.messages(), QStringList{w.text(kRowWritesFailed)});

    w.unit(0).setWriteStall(0ms);
    sendReply(w.unit(0), CmdWifiState, {1});
    QTRY_COMPARE(w.form().Panel_Wi_Fi_State_connection->text(), w.text(kRowWifiConnected));
    QVERIFY(w.commands(0).empty());
}

void FailedWritesTest::aUnitWithoutAccessSaysWhyOnAnAction() {
    SimWindow w;
    w.platform().plugUnit(SimWindow::unitParameters(u"Pavona", "LOCKED"),
                          sim::VirtualAccess::IdentificationOnly);
    QVERIFY(w.waitForRebuild());
    QTRY_COMPARE(w.messages(), QStringList{w.text(kRowNoAccess)});
    w.clearMessages();
    QTest::mouseClick(w.form().Button_Reset_filter_timer, Qt::LeftButton);
    QCOMPARE(w.messages(), QStringList{w.text(kRowNoAccess)});
}

QTEST_MAIN(FailedWritesTest)
#include "FailedWritesTest.moc"
