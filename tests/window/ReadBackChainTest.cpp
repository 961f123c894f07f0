#include "SimWindow.h"
#include "UnitReplies.h"
#include "protocol/core/Commands.h"
#include "protocol/core/ReadBackTable.h"
#include "screens/StatusPanels.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace breezekit;
using namespace breezekit::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes chainOrder() {
    Bytes order;
    for (const ReadBackStep& step : kReadBackChain)
        order.push_back(step.reply);
    return order;
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

// The chain as a whole: driven by the replies alone, with no state of its own.
class ReadBackChainTest : public QObject {
    Q_OBJECT
  private slots:
    void eachReplyAsksForTheNextParameterOnly_data();
    void eachReplyAsksForTheNextParameterOnly();
    void twoChainsStartedTogetherBothRunToTheEnd();
    void unaskedModuleTextDoesNotDisturbARunningChain();
    void unpluggingInTheMiddleStopsTheChain();
};

void ReadBackChainTest::eachReplyAsksForTheNextParameterOnly_data() {
    QTest::addColumn<int>("reply");
    QTest::addColumn<Bytes>("expected");
    for (const ReadBackStep& step : kReadBackChain) {
        Bytes expected;
        if (step.next) expected.push_back(*step.next);
        QTest::addRow("reply %d", step.reply) << int{step.reply} << expected;
    }
}

// A stray reply, with no chain running, carries the chain on from its place.
void ReadBackChainTest::eachReplyAsksForTheNextParameterOnly() {
    QFETCH(int, reply);
    QFETCH(Bytes, expected);
    QuietUnitWindow w;
    sendReply(w.unit(), static_cast<std::uint8_t>(reply), {0, 0, 0, 0});
    QVERIFY(settle(w.win));
    QCOMPARE(readBackRequests(w.unit()), expected);
}

void ReadBackChainTest::twoChainsStartedTogetherBothRunToTheEnd() {
    SimWindow win(1);
    QTest::mouseClick(win.form().Button_Get_current_parameters, Qt::LeftButton);
    QTest::mouseClick(win.form().Button_Get_current_parameters, Qt::LeftButton);
    const auto gatewayRequests = [&] {
        const Bytes asked = readBackRequests(win.unit(0));
        return std::count(asked.begin(), asked.end(), CmdGateway);
    };
    QTRY_COMPARE(gatewayRequests(), 2);
    const Bytes asked = readBackRequests(win.unit(0));
    QCOMPARE(asked.size(), 2 * kReadBackChain.size());
    for (const ReadBackStep& step : kReadBackChain)
        QCOMPARE(std::count(asked.begin(), asked.end(), step.reply), 2);
}

void ReadBackChainTest::unaskedModuleTextDoesNotDisturbARunningChain() {
    SimWindow win(1);
    QTest::mouseClick(win.form().Button_Get_current_parameters, Qt::LeftButton);
    QTRY_VERIFY(readBackRequests(win.unit(0)).size() >= 3);
    // the module speaks when its link changes, whatever the host is doing
    for (int i = 0; i < 5; ++i)
        sendReply(win.unit(0), CmdModuleText, bytesOf("WIFI CONNECTED\r\n"));
    QTRY_COMPARE(readBackRequests(win.unit(0)).size(), kReadBackChain.size());
    QCOMPARE(readBackRequests(win.unit(0)), chainOrder());
}

void ReadBackChainTest::unpluggingInTheMiddleStopsTheChain() {
    SimWindow win(1);
    TForm1& form = win.form();
    QTest::mouseClick(form.Button_Get_current_parameters, Qt::LeftButton);
    QTRY_VERIFY(readBackRequests(win.unit(0)).size() >= 6);
    win.platform().unplug(win.unitHandle(0));
    QVERIFY(win.waitForRebuild());
    QVERIFY(form.unitLink().CurrentDevice() == nullptr);
    QVERIFY(readBackRequests(win.unit(0)).size() < kReadBackChain.size());
    QCOMPARE(form.Panel_Wi_Fi_State_connection->text(), win.text(28));
    QCOMPARE(form.Panel_Master_State_connection->text(), win.text(30));
    QCOMPARE(form.statusPanels().lastFilterCount(), 0u);
    // the window still answers: a guarded action shows the no-device message
    QTest::mouseClick(form.Button_Get_current_parameters, Qt::LeftButton);
    QCOMPARE(win.messages(), QStringList{win.text(55)});
}

QTEST_MAIN(ReadBackChainTest)
#include "ReadBackChainTest.moc"
