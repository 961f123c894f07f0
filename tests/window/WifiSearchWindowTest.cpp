#include "SimWindow.h"
#include "TestReports.h"
#include "protocol/core/Commands.h"
#include "sim/VirtualUnit.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QProperty>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace breezekit;
using breezekit::testing::SentCommand;
using breezekit::testing::SimWindow;
using std::chrono::milliseconds;

namespace {
constexpr int kRowPleaseWait = 56;
constexpr int kRowSelectDevice = 55;

using Bytes = std::vector<std::uint8_t>;
using Commands = std::vector<SentCommand>;

SentCommand cmd(std::uint8_t code, std::string_view text) {
    return {{}, code, Bytes(text.begin(), text.end())};
}
SentCommand cmd(std::uint8_t code, std::uint8_t value) {
    return {{}, code, Bytes{value}};
}

const Commands kRequest{cmd(CmdSearch, 1), cmd(CmdModuleText, "AT+CWQAP\r\n"),
                        cmd(CmdModuleText, "AT+CWMODE_DEF=1\r\n"), cmd(CmdModuleText, "AT+CWLAP\r\n")};
const Commands kEnd{cmd(CmdSearch, 0), cmd(CmdModuleSwitch, 0), cmd(CmdModuleSwitch, 1)};

QStringList items(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Where the commands of the sequence start in what was sent, at or after from; -1 if nowhere.
std::vector<std::size_t> occurrences(const Commands& sent, const Commands& sequence) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i + sequence.size() <= sent.size(); ++i)
        if (std::equal(sequence.begin(), sequence.end(), sent.begin() + static_cast<std::ptrdiff_t>(i)))
            found.push_back(i);
    return found;
}

// What the unit received, less the status requests that Timer3 sends every second meanwhile.
Commands sentBesidesPolling(SimWindow& w) {
    Commands sent = w.commands(0);
    std::erase_if(sent, [](const SentCommand& c) { return c.code == CmdRead; });
    return sent;
}

void clickSearch(SimWindow& w) {
    TForm1& form = w.form();
    QTest::mouseClick(form.RadioButton_with_router, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!form.Button_Search_Wi_Fi->isHidden());
    w.clearCommands();
    QTest::mouseClick(form.Button_Search_Wi_Fi, Qt::LeftButton);
}
} // namespace

class WifiSearchWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void threeNetworksGiveThreeItemsAndOneEnd();
    void noNetworkRepeatsTheRequestEvery2000Ms();
    void clickDuringASearchKeepsTheRunningInterval();
    void reportWhileIdleArmsTheEnd();
    void withoutAUnitOnlyTheGuardsMessage();
};

void WifiSearchWindowTest::threeNetworksGiveThreeItemsAndOneEnd() {
    sim::FactoryParameters parameters = SimWindow::unitParameters(u"Pavona", SimWindow::serialNumber(0));
    parameters.networks = {{"Home-5G", -52}, {"", -80}, {"My,Net", -70}};
    // Far apart, so that an end timed from the last report would come visibly late.
    parameters.networkInterval = milliseconds(400);
    SimWindow w({parameters});
    TForm1& form = w.form();
    form.show();
    std::vector<std::chrono::steady_clock::time_point> added;
    connect(form.ComboBox_Wi_Fi_name->model(), &QAbstractItemModel::rowsInserted, this,
            [&] { added.push_back(std::chrono::steady_clock::now()); });
    // A report that re-armed the end would start Timer2 again, which the times alone cannot tell on a
    // busy machine.
    int endStarts = 0;
    std::chrono::steady_clock::time_point armedAt;
    const auto countEndStarts = form.Timer2->bindableActive().onValueChanged([&] {
        if (!form.Timer2->isActive()) return;
        ++endStarts;
        armedAt = std::chrono::steady_clock::now();
    });

    clickSearch(w);
    QCOMPARE(form.ComboBox_Wi_Fi_name->currentText(), w.text(kRowPleaseWait));
    QCOMPARE(form.ComboBox_Wi_Fi_name->count(), 0);
    QCOMPARE(sentBesidesPolling(w), kRequest);
    const Commands request = sentBesidesPolling(w);
    QVERIFY(request[2].at - request[1].at >= milliseconds(100));
    QVERIFY(request[3].at - request[2].at >= milliseconds(100));

    QTRY_COMPARE(form.ComboBox_Wi_Fi_name->count(), 1);
    QCOMPARE(form.ComboBox_Wi_Fi_name->currentText(), QStringLiteral("Home-5G"));
    QVERIFY(!form.Timer1->isActive());
    QVERIFY(form.Timer2->isActive());

    QTRY_VERIFY_WITH_TIMEOUT(!form.Timer2->isActive(), 4000);
    QCOMPARE(items(form.ComboBox_Wi_Fi_name),
             (QStringList{QStringLiteral("Home-5G"), QString(), QStringLiteral("My,Net")}));
    QCOMPARE(form.ComboBox_Wi_Fi_name->currentText(), QStringLiteral("Home-5G"));

    const Commands sent = sentBesidesPolling(w);
    const Commands expected = [] {
        Commands all = kRequest;
        all.insert(all.end(), kEnd.begin(), kEnd.end());
        return all;
    }();
    QCOMPARE(sent, expected);
    QCOMPARE(added.size(), std::size_t(3));
    // Timed from the first report, and never re-armed by the later ones.
    QCOMPARE(endStarts, 1);
    // Never early: not before the arming report + 1500 ms.
    const auto endAfterArming = sent[4].at - armedAt;
    QVERIFY2(endAfterArming >= milliseconds(1500),
             qPrintable(QString::number(std::chrono::duration_cast<milliseconds>(endAfterArming).count())));
    qInfo("search end %lld ms after the arming report",
          static_cast<long long>(std::chrono::duration_cast<milliseconds>(endAfterArming).count()));
    QVERIFY(sent[6].at - sent[5].at >= milliseconds(200));
    QVERIFY(!form.Timer1->isActive());
    QVERIFY(!w.unit(0).unit()->searching());
}

void WifiSearchWindowTest::noNetworkRepeatsTheRequestEvery2000Ms() {
    SimWindow w(1);
    TForm1& form = w.form();
    form.show();
    const auto clicked = std::chrono::steady_clock::now();
    clickSearch(w);
    QTRY_VERIFY_WITH_TIMEOUT(occurrences(sentBesidesPolling(w), kRequest).size() >= 3, 6000);
    const Commands sent = sentBesidesPolling(w);
    const std::vector<std::size_t> starts = occurrences(sent, kRequest);
    QCOMPARE(sent.size(), starts.size() * kRequest.size()); // nothing but the request, again and again
    // Tick k never before the start + k x 2000 ms.
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const auto since = sent[starts[i]].at - clicked;
        QVERIFY2(since >= milliseconds(2000) * static_cast<int>(i),
                 qPrintable(QString::number(std::chrono::duration_cast<milliseconds>(since).count())));
        qInfo("request %zu at %lld ms", i,
              static_cast<long long>(std::chrono::duration_cast<milliseconds>(since).count()));
    }
    QVERIFY(form.Timer1->isActive());
    QVERIFY(!form.Timer2->isActive());
    QCOMPARE(form.ComboBox_Wi_Fi_name->currentText(), w.text(kRowPleaseWait));
    QCOMPARE(form.ComboBox_Wi_Fi_name->count(), 0);
}

void WifiSearchWindowTest::clickDuringASearchKeepsTheRunningInterval() {
    SimWindow w(1);
    TForm1& form = w.form();
    form.show();
    clickSearch(w);
    QVERIFY(form.Timer1->isActive());
    form.ComboBox_Wi_Fi_name->addItem(QStringLiteral("stale"));
    // Each click blocks 200 ms in its pauses: after three, a timer left running has 1400 ms to go
    // (a coarse timer may move by 100 ms), a timer restarted by the last click at least 1700 ms.
    QTest::mouseClick(form.Button_Search_Wi_Fi, Qt::LeftButton);
    QTest::mouseClick(form.Button_Search_Wi_Fi, Qt::LeftButton);
    QVERIFY(form.Timer1->isActive());
    QVERIFY2(form.Timer1->remainingTime() < 1600, qPrintable(QString::number(form.Timer1->remainingTime())));
    QCOMPARE(form.ComboBox_Wi_Fi_name->count(), 0);
    QCOMPARE(occurrences(sentBesidesPolling(w), kRequest).size(), std::size_t(3));
}

void WifiSearchWindowTest::reportWhileIdleArmsTheEnd() {
    SimWindow w(1);
    TForm1& form = w.form();
    const std::string line = "+CWLAP:(3,\"Late\",-52,\"a0:b1:c2:d3:e4:f5\",6)";
    w.unit(0).sendInputReport(testing::inputReport(CmdSearch, testing::bytesOf(line)));
    QTRY_COMPARE(form.ComboBox_Wi_Fi_name->count(), 1);
    QCOMPARE(form.ComboBox_Wi_Fi_name->currentText(), QStringLiteral("Late"));
    QVERIFY(form.Timer2->isActive());
    QVERIFY(!form.Timer1->isActive());
}

void WifiSearchWindowTest::withoutAUnitOnlyTheGuardsMessage() {
    SimWindow w;
    w.form().show();
    w.form().ComboBox_Wi_Fi_name->setEditText(QStringLiteral("typed"));
    clickSearch(w);
    QCOMPARE(w.messages(), QStringList{w.text(kRowSelectDevice)});
    QVERIFY(!w.form().Timer1->isActive());
    QCOMPARE(w.form().ComboBox_Wi_Fi_name->currentText(), QStringLiteral("typed"));
}

QTEST_MAIN(WifiSearchWindowTest)
#include "WifiSearchWindowTest.moc"
