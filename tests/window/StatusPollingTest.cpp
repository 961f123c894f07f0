#include "protocol/StatusPolling.h"

#include "PaintedColour.h"
#include "SimWindow.h"
#include "UnitReplies.h"
#include "app/Colours.h"
#include "protocol/core/Commands.h"
#include "protocol/core/CounterText.h"
#include "screens/StatusPanels.h"
#include "text/LanguageSwitch.h"
#include "text/core/TextTable.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>

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

// Ticks come from the test: the real Timer3 would make each case wait seconds for its ticks.
void stopRealTicks(TForm1& form) {
    form.Timer3->stop();
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
    void realTicksNeverComeEarly();
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
    stopRealTicks(form);
    form.PageControl->setCurrentWidget(form.findChild<QWidget*>(page));
    win.clearCommands();

    std::vector<std::uint8_t> expectedTick = {CmdWifiState, CmdMasterState};
    if (asksFilter) expectedTick.push_back(CmdFilterTime);
    constexpr std::size_t kTicks = 3;
    for (std::size_t tick = 1; tick <= kTicks; ++tick) {
        form.statusPolling().Timer3Timer();
        QTRY_COMPARE(statusRequests(win.unit(0)).size(), tick * expectedTick.size());
    }
    const std::vector<SentCommand> polls = statusRequests(win.unit(0));
    for (std::size_t i = 0; i < polls.size(); ++i) {
        const std::size_t k = i % expectedTick.size();
        QCOMPARE(polls[i].payload[0], expectedTick[k]);
        // the 20 ms pause between the requests of one tick
        if (k > 0) QVERIFY(polls[i].at - polls[i - 1].at >= 19ms);
    }
}

void StatusPollingTest::noUnitNoPolls() {
    SimWindow win;
    const auto mouse = win.platform().plugMouse();
    QVERIFY(win.waitForRebuild());
    QVERIFY(win.form().unitLink().CurrentDevice() == nullptr);
    win.form().PageControl->setCurrentWidget(win.form().Filter);
    const QString wifiCaption = win.form().Panel_Wi_Fi_State_connection->text();
    const QString counter = win.form().Label_Timer_filter->text();

    stopRealTicks(win.form());
    win.form().statusPolling().Timer3Timer();
    win.form().statusPolling().Timer3Timer();
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
    stopRealTicks(form);
    sim::VirtualUnit& unit = *win.unit(0).unit();
    unit.setWifiState(2);
    unit.setMasterState(0);
    form.statusPolling().Timer3Timer();
    QTRY_COMPARE(form.Panel_Wi_Fi_State_connection->text(), win.text(27));
    QCOMPARE(paintedColour(form.Panel_Wi_Fi_State_connection), kGreen);
    QCOMPARE(form.Panel_Master_State_connection->text(), win.text(30));
    QCOMPARE(paintedColour(form.Panel_Master_State_connection), kRed);

    unit.setWifiState(0);
    unit.setMasterState(1);
    form.statusPolling().Timer3Timer();
    QTRY_COMPARE(form.Panel_Master_State_connection->text(), win.text(29));
    QTRY_COMPARE(form.Panel_Wi_Fi_State_connection->text(), win.text(28));
    QCOMPARE(paintedColour(form.Panel_Wi_Fi_State_connection), kRed);
    QCOMPARE(paintedColour(form.Panel_Master_State_connection), kGreen);
}

// The one case on the real timer: tick k never comes before start + k seconds, however late the
// ticks before it were.
void StatusPollingTest::realTicksNeverComeEarly() {
    // No unit: the polling slot, which runs before the one here, returns at once instead of pausing.
    SimWindow win;
    QTimer& timer = *win.form().Timer3;
    timer.stop();
    std::vector<std::chrono::steady_clock::time_point> ticks;
    QObject::connect(&timer, &QTimer::timeout, &timer,
                     [&] { ticks.push_back(std::chrono::steady_clock::now()); });
    const auto start = std::chrono::steady_clock::now();
    timer.start();
    constexpr std::size_t kTicks = 4;
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= kTicks, 15000);
    QStringList lateness;
    std::vector<double> late;
    for (std::size_t k = 1; k <= kTicks; ++k) {
        const auto due = start + k * std::chrono::milliseconds(timer.interval());
        QVERIFY2(ticks[k - 1] >= due, qPrintable(QStringLiteral("tick %1 came early").arg(k)));
        late.push_back(std::chrono::duration<double, std::milli>(ticks[k - 1] - due).count());
        lateness << QString::number(late.back(), 'f', 2);
    }
    const auto [least, most] = std::minmax_element(late.begin(), late.end());
    qInfo().noquote() << "Timer3 ticks after start + k s, ms late:" << lateness.join(QStringLiteral(", "))
                      << "spread" << QString::number(*most - *least, 'f', 2) << "ms";
}

QTEST_MAIN(StatusPollingTest)
#include "StatusPollingTest.moc"
