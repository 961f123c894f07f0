#include "PaintedColour.h"
#include "SimWindow.h"
#include "screens/StatusPanels.h"
#include "UnitReplies.h"
#include "app/Colours.h"
#include "protocol/core/Commands.h"
#include "protocol/core/CounterText.h"
#include "text/LanguageSwitch.h"
#include "text/core/TextTable.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace breezekit;
using namespace breezekit::testing;

namespace {

using namespace std::chrono_literals;

// The status requests among what the unit received, in order.
std::vector<SentCommand> statusRequests(const sim::VirtualInterface& unit) {
    std::vector<SentCommand> polls;
    for (const SentCommand& command : SimWindow::commands(unit))
        if (command.code == CmdRead && command.payload.size() == 1 &&
            (command.payload[0] == CmdWifiState || command.payload[0] == CmdMasterState ||
             command.payload[0] == CmdFilterTime))
            polls.push_back(command);
    return polls;
}

long countOf(const std::vector<SentCommand>& polls, std::uint8_t what) {
    return std::count_if(polls.begin(), polls.end(),
                         [&](const SentCommand& c) { return c.payload[0] == what; });
}

} // namespace

class StatusPollingTest : public QObject {
    Q_OBJECT
  private slots:
    void pollsOncePerTickByPage_data();
    void pollsOncePerTickByPage();
    void noUnitNoPolls();
    void linkStateReplies_data();
    void linkStateReplies();
    void filterCountReplyIsShownAndKeptForALanguageChange();
    void panelsFollowTheUnitsLinks();
};

void StatusPollingTest::pollsOncePerTickByPage_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("asksFilter");
    QTest::newRow("Wi-Fi") << "Wi_Fi" << false;
    QTest::newRow("Fan") << "Fan" << false;
    QTest::newRow("Filter") << "Filter" << true;
    QTest::newRow("Information") << "Information" << false;
}

void StatusPollingTest::pollsOncePerTickByPage() {
    QFETCH(QString, page);
    QFETCH(bool, asksFilter);
    SimWindow win(1);
    TForm1& form = win.form();
    form.PageControl->setCurrentWidget(form.findChild<QWidget*>(page));
    win.clearCommands();

    QTRY_VERIFY_WITH_TIMEOUT(countOf(statusRequests(win.unit(0)), CmdWifiState) >= 3, 5000);
    const std::vector<SentCommand> polls = statusRequests(win.unit(0));
    const std::size_t perTick = asksFilter ? 3 : 2;
    std::vector<std::uint8_t> expectedTick = {CmdWifiState, CmdMasterState};
    if (asksFilter) expectedTick.push_back(CmdFilterTime);

    std::vector<std::chrono::steady_clock::time_point> tickStarts;
    for (std::size_t i = 0; i + perTick <= polls.size(); i += perTick) {
        for (std::size_t k = 0; k < perTick; ++k) {
            QCOMPARE(polls[i + k].payload[0], expectedTick[k]);
            // the 20 ms pause between the requests of one tick
            if (k > 0) QVERIFY(polls[i + k].at - polls[i + k - 1].at >= 19ms);
        }
        tickStarts.push_back(polls[i].at);
    }
    QVERIFY(tickStarts.size() >= 3);
    // once a second; a tick that the busy machine made late shortens only the gap after it
    QVERIFY(tickStarts[2] - tickStarts[0] >= 1700ms);
}

void StatusPollingTest::noUnitNoPolls() {
    SimWindow win;
    const auto mouse = win.platform().plugMouse();
    QVERIFY(win.waitForRebuild());
    QVERIFY(win.form().unitLink().CurrentDevice() == nullptr);
    win.form().PageControl->setCurrentWidget(win.form().Filter);
    const QString wifiCaption = win.form().Panel_Wi_Fi_State_connection->text();
    const QString counter = win.form().Label_Timer_filter->text();

    QSignalSpy ticks(win.form().Timer3, &QTimer::timeout);
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 3000);
    QVERIFY(mouse->receivedReports().empty());
    QCOMPARE(win.form().Panel_Wi_Fi_State_connection->text(), wifiCaption);
    QCOMPARE(win.form().Label_Timer_filter->text(), counter);
}

void StatusPollingTest::linkStateReplies_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("green");
    QTest::newRow("Wi-Fi 1") << 34 << 1 << 27 << true;
    QTest::newRow("Wi-Fi 2 counts as connected") << 34 << 2 << 27 << true;
    QTest::newRow("Wi-Fi 255") << 34 << 255 << 27 << true;
    QTest::newRow("Wi-Fi 0") << 34 << 0 << 28 << false;
    QTest::newRow("master 1") << 41 << 1 << 29 << true;
    QTest::newRow("master 7") << 41 << 7 << 29 << true;
    QTest::newRow("master 0") << 41 << 0 << 30 << false;
}

// Master without router hides both panels: they are set all the same.
void StatusPollingTest::linkStateReplies() {
    QFETCH(int, code);
    QFETCH(int, value);
    QFETCH(int, row);
    QFETCH(bool, green);
    SimWindow win(1);
    win.unit(0).unit()->setSilent(true);
    TForm1& form = win.form();
    QLabel* panel =
        code == CmdWifiState ? form.Panel_Wi_Fi_State_connection : form.Panel_Master_State_connection;
    QVERIFY(panel->isHidden());
    // start from the opposite state
    sendReply(win.unit(0), static_cast<std::uint8_t>(code), {static_cast<std::uint8_t>(green ? 0 : 1)});
    QTRY_COMPARE(paintedColour(panel), green ? kRed : kGreen);

    sendReply(win.unit(0), static_cast<std::uint8_t>(code), {static_cast<std::uint8_t>(value)});
    QTRY_COMPARE(panel->text(), win.text(row));
    QCOMPARE(paintedColour(panel), green ? kGreen : kRed);
    const std::uint8_t stored =
        code == CmdWifiState ? form.deviceSettings.WifiConnected : form.deviceSettings.MasterConnected;
    QCOMPARE(int{stored}, value);
}

void StatusPollingTest::filterCountReplyIsShownAndKeptForALanguageChange() {
    SimWindow win(1);
    win.unit(0).unit()->setSilent(true);
    TForm1& form = win.form();
    form.languageSwitch().ComboBox_LanguageChange(English);
    constexpr std::uint32_t kCount = 1 * 86400 + 2 * 3600 + 3 * 60 + 4;
    sendReply(win.unit(0), CmdFilterTime,
              {static_cast<std::uint8_t>(kCount >> 16), static_cast<std::uint8_t>(kCount >> 8),
               static_cast<std::uint8_t>(kCount)});
    QTRY_COMPARE(form.statusPanels().lastFilterCount(), kCount);
    QCOMPARE(form.Label_Timer_filter->text(),
             QStringLiteral("Days: 01    Hours: 02    Minutes: 03    Seconds: 04"));

    form.languageSwitch().ComboBox_LanguageChange(German);
    QCOMPARE(form.Label_Timer_filter->text(), QString::fromStdString(filterCounterText(kCount, German)));
}

void StatusPollingTest::panelsFollowTheUnitsLinks() {
    SimWindow win(1);
    TForm1& form = win.form();
    sim::VirtualUnit& unit = *win.unit(0).unit();
    unit.setWifiState(2);
    unit.setMasterState(0);
    QTRY_COMPARE(form.Panel_Wi_Fi_State_connection->text(), win.text(27));
    QCOMPARE(paintedColour(form.Panel_Wi_Fi_State_connection), kGreen);
    QCOMPARE(form.Panel_Master_State_connection->text(), win.text(30));
    QCOMPARE(paintedColour(form.Panel_Master_State_connection), kRed);

    unit.setWifiState(0);
    unit.setMasterState(1);
    QTRY_COMPARE(form.Panel_Master_State_connection->text(), win.text(29));
    QTRY_COMPARE(form.Panel_Wi_Fi_State_connection->text(), win.text(28));
    QCOMPARE(paintedColour(form.Panel_Wi_Fi_State_connection), kRed);
    QCOMPARE(paintedColour(form.Panel_Master_State_connection), kGreen);
}

QTEST_MAIN(StatusPollingTest)
#include "StatusPollingTest.moc"
