#include "screens/ConnectionRules.h"

#include "SimWindow.h"
#include "UserInput.h"
#include "screens/IpAddressEdit.h"
#include "text/CurrentLanguage.h"
#include "text/core/TextTable.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace breezekit;
using breezekit::testing::pick;
using breezekit::testing::SimWindow;

namespace {
constexpr int kRowNewPassword = 19;
constexpr int kRowPassword = 20;
constexpr int kOpen = 0;
constexpr int kWpaPsk = 1;
constexpr int kDhcp = 0;
constexpr int kStatic = 1;

// What the Wi-Fi page shows in one combination; gateway -1 where the rules leave it as it was.
struct Column {
    bool name, security, channel;
    int captionRow;
    bool masterAddress;
    int gateway;
    bool slaveAddress, slaveNumber, wifiState, masterState;
};
constexpr Column kMasterNoRouter{false, true, true, kRowNewPassword, false, -1, false, false, false, false};
constexpr Column kMasterRouter{true, false, false, kRowPassword, true, 1, false, false, true, false};
constexpr Column kSlaveNoRouter{true, false, false, kRowPassword, false, -1, false, true, true, true};
constexpr Column kSlaveRouter{true, false, false, kRowPassword, true, 0, true, true, true, true};

QRadioButton* radioOf(TForm1& form, QChar step) {
    switch (step.toLatin1()) {
    case 'M':
        return form.RadioButton_master;
    case 'S':
        return form.RadioButton_slave;
    case 'N':
        return form.RadioButton_without_router;
    case 'R':
        return form.RadioButton_with_router;
    default:
        return nullptr;
    }
}

// Steps: M S N R select a radio; O W the user picks "OPEN" or "WPA_PSK"; o the read-back sets "OPEN"
// and calls the change handler; c code sets "OPEN" and nothing else.
void run(SimWindow& w, const QString& steps, bool byUser) {
    TForm1& form = w.form();
    for (QChar step : steps) {
        if (QRadioButton* radio = radioOf(form, step)) {
            if (byUser)
                QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
            else
                radio->setChecked(true);
            QVERIFY(radio->isChecked());
            continue;
        }
        switch (step.toLatin1()) {
        case 'O':
            pick(form.ComboBox_Security_WI_FI, kOpen);
            QCOMPARE(form.ComboBox_Security_WI_FI->currentIndex(), kOpen);
            break;
        case 'W':
            pick(form.ComboBox_Security_WI_FI, kWpaPsk);
            QCOMPARE(form.ComboBox_Security_WI_FI->currentIndex(), kWpaPsk);
            break;
        case 'o':
            form.ComboBox_Security_WI_FI->setCurrentIndex(kOpen);
            form.connectionRules().ComboBox_Security_WI_FIChange();
            break;
        case 'c':
            form.ComboBox_Security_WI_FI->setCurrentIndex(kOpen);
            break;
        default:
            QFAIL("unknown step");
        }
    }
}

void checkColumn(TForm1& form, const Column& c) {
    QCOMPARE(!form.Panel_Wi_Fi_name->isHidden(), c.name);
    QCOMPARE(!form.Label_type_security->isHidden(), c.security);
    QCOMPARE(!form.ComboBox_Security_WI_FI->isHidden(), c.security);
    QCOMPARE(!form.Panel_Wi_Fi_channel->isHidden(), c.channel);
    QCOMPARE(form.Label_Password->text(),
             QString::fromUtf8(textTableEntry(c.captionRow, form.language.index)));
    QCOMPARE(!form.Panel_IP_Master->isHidden(), c.masterAddress);
    if (c.gateway >= 0) {
        QCOMPARE(!form.Label_Gateway->isHidden(), c.gateway == 1);
        QCOMPARE(!form.JvGateway->isHidden(), c.gateway == 1);
    }
    QCOMPARE(!form.Panel_IP_Slave->isHidden(), c.slaveAddress);
    QCOMPARE(!form.Panel_Number_of_slave->isHidden(), c.slaveNumber);
    QCOMPARE(!form.Panel_Wi_Fi_State_connection->isHidden(), c.wifiState);
    QCOMPARE(!form.Panel_Master_State_connection->isHidden(), c.masterState);
    // These groups are never hidden and never shown together.
    QVERIFY(!form.Panel_Password->isHidden() && !form.Label_Password->isHidden() &&
            !form.Edit_Password->isHidden());
    QVERIFY(form.Panel_IP_Master->isHidden() || form.Panel_Wi_Fi_channel->isHidden());
}
} // namespace

class ConnectionRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyRouteGivesTheCombinationsColumn_data();
    void everyRouteGivesTheCombinationsColumn();
    void selectingTheSelectedRadioRunsNothing_data();
    void selectingTheSelectedRadioRunsNothing();
    void passwordFieldFollowsThePath_data();
    void passwordFieldFollowsThePath();
    void slaveAddressFieldFollowsDhcp();
    void masterAddressKeyUpCopiesIntoTheGateway();
    void handlersEndWithTheRules();
};

void ConnectionRulesTest::everyRouteGivesTheCombinationsColumn_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("byUser");
    const QString steps = QStringLiteral("MSNR");
    QStringList routes{QString()};
    for (int length = 1; length <= 3; ++length) {
        QStringList longer;
        for (const QString& route : routes)
            if (route.size() == length - 1)
                for (QChar step : steps)
                    longer << route + step;
        routes << longer;
    }
    for (const QString& route : routes) {
        QTest::addRow("code %s", qPrintable(route)) << route << false;
        QTest::addRow("user %s", qPrintable(route)) << route << true;
    }
}

void ConnectionRulesTest::everyRouteGivesTheCombinationsColumn() {
    QFETCH(QString, route);
    QFETCH(bool, byUser);
    SimWindow w;
    w.form().show();
    run(w, route, byUser);
    TForm1& form = w.form();
    const bool master = form.RadioButton_master->isChecked();
    const bool router = form.RadioButton_with_router->isChecked();
    QCOMPARE(master, !form.RadioButton_slave->isChecked());
    QCOMPARE(router, !form.RadioButton_without_router->isChecked());
    checkColumn(form, master ? (router ? kMasterRouter : kMasterNoRouter)
                             : (router ? kSlaveRouter : kSlaveNoRouter));
}

void ConnectionRulesTest::selectingTheSelectedRadioRunsNothing_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("again");
    QTest::newRow("master") << ""
                            << "M";
    QTest::newRow("no router") << ""
                               << "N";
    QTest::newRow("slave") << "SR"
                           << "S";
    QTest::newRow("with router") << "SR"
                                 << "R";
}

void ConnectionRulesTest::selectingTheSelectedRadioRunsNothing() {
    QFETCH(QString, route);
    QFETCH(QString, again);
    SimWindow w;
    w.form().show();
    run(w, route, true);
    TForm1& form = w.form();
    // Marks that any handler would overwrite.
    form.Label_Password->setText(QStringLiteral("mark"));
    form.Panel_Wi_Fi_State_connection->setVisible(
        !form.Panel_Wi_Fi_State_connection->isVisibleTo(form.Wi_Fi));
    const bool wifiState = !form.Panel_Wi_Fi_State_connection->isHidden();
    run(w, again, true);
    run(w, again, false);
    QCOMPARE(form.Label_Password->text(), QStringLiteral("mark"));
    QCOMPARE(!form.Panel_Wi_Fi_State_connection->isHidden(), wifiState);
}

void ConnectionRulesTest::passwordFieldFollowsThePath_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("start") << "" << true;
    QTest::newRow("OPEN as master without router") << "O" << false;
    QTest::newRow("then with router") << "OR" << true;
    QTest::newRow("then no router again") << "ORN" << false;
    QTest::newRow("WPA_PSK enables") << "OW" << true;
    QTest::newRow("OPEN disables") << "WO" << false;
    QTest::newRow("OPEN, then slave") << "OS" << true;
    QTest::newRow("OPEN, slave, back to master") << "OSM" << false;
    QTest::newRow("read-back OPEN as slave with router") << "SRo" << false;
    QTest::newRow("then Master") << "SRoM" << false;
    QTest::newRow("then No router") << "SRoMN" << false;
    QTest::newRow("then With router") << "SRoMNR" << true;
    QTest::newRow("No router while slave") << "SRoN" << false;
    QTest::newRow("code sets OPEN, no handler") << "c" << true;
    QTest::newRow("code OPEN, then slave, master") << "cSM" << false;
}

void ConnectionRulesTest::passwordFieldFollowsThePath() {
    QFETCH(QString, steps);
    QFETCH(bool, enabled);
    SimWindow w;
    w.form().show();
    run(w, steps, true);
    QCOMPARE(w.form().Edit_Password->isEnabled(), enabled);
}

void ConnectionRulesTest::slaveAddressFieldFollowsDhcp() {
    SimWindow w;
    TForm1& form = w.form();
    form.show();
    run(w, QStringLiteral("SR"), true);
    form.JvIPAddress_IP_Slave->setText(QStringLiteral("10.0.0.5"));
    QVERIFY(!form.JvIPAddress_IP_Slave->isEnabled());
    pick(form.ComboBox_IP_Slave, kStatic);
    QCOMPARE(form.ComboBox_IP_Slave->currentIndex(), kStatic);
    QVERIFY(form.JvIPAddress_IP_Slave->isEnabled());
    pick(form.ComboBox_IP_Slave, kDhcp);
    QCOMPARE(form.ComboBox_IP_Slave->currentIndex(), kDhcp);
    QVERIFY(!form.JvIPAddress_IP_Slave->isEnabled());
    QCOMPARE(form.JvIPAddress_IP_Slave->text(), QStringLiteral("10.0.0.5"));
    // Set from code, the list runs no handler.
    form.ComboBox_IP_Slave->setCurrentIndex(kStatic);
    QVERIFY(!form.JvIPAddress_IP_Slave->isEnabled());
}

void ConnectionRulesTest::masterAddressKeyUpCopiesIntoTheGateway() {
    for (const QString& route : {QStringLiteral("R"), QStringLiteral("SR")}) {
        SimWindow w;
        TForm1& form = w.form();
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        run(w, route, true);
        form.JvGateway->setText(QStringLiteral("192.168.0.1"));
        QLineEdit* first = form.JvIPAddress_IP_Master->part(0);
        first->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(first->hasFocus());
        for (char c : std::string("10.1.2.3"))
            QTest::keyClick(QApplication::focusWidget(), c);
        QCOMPARE(form.JvIPAddress_IP_Master->text(), QStringLiteral("10.1.2.3"));
        QCOMPARE(form.JvGateway->text(), QStringLiteral("10.1.2.1"));

        // Set from code (a paste or the read-back), or Tab released: no copy.
        form.JvIPAddress_IP_Master->setText(QStringLiteral("172.16.5.9"));
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(form.JvGateway->text(), QStringLiteral("10.1.2.1"));
        // Any other key released copies again, the modifiers included.
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Shift);
        QCOMPARE(form.JvGateway->text(), QStringLiteral("172.16.5.1"));
    }
}

// The rules need only their own controls, and a control that outlives them runs no handler of theirs.
void ConnectionRulesTest::handlersEndWithTheRules() {
    QWidget page;
    auto radio = [&page] { return new QRadioButton(&page); };
    auto label = [&page] { return new QLabel(&page); };
    auto group = [&page] { return new QWidget(&page); };
    auto address = [&page] { return new IpAddressEdit(&page); };
    auto* master = radio();
    auto* slave = radio();
    auto* noRouter = radio();
    auto* withRouter = radio();
    auto* security = new QComboBox(&page);
    security->addItems({QStringLiteral("OPEN"), QStringLiteral("WPA_PSK")});
    auto* slaveAddressing = new QComboBox(&page);
    auto* channel = group();
    const ConnectionRules::Controls controls{
        .RadioButton_master = master,
        .RadioButton_slave = slave,
        .RadioButton_without_router = noRouter,
        .RadioButton_with_router = withRouter,
        .Panel_Wi_Fi_name = group(),
        .Label_type_security = label(),
        .ComboBox_Security_WI_FI = security,
        .Label_Password = label(),
        .Edit_Password = new QLineEdit(&page),
        .Panel_Wi_Fi_channel = channel,
        .Panel_Number_of_slave = group(),
        .Panel_IP_Slave = group(),
        .ComboBox_IP_Slave = slaveAddressing,
        .JvIPAddress_IP_Slave = address(),
        .Panel_IP_Master = group(),
        .JvIPAddress_IP_Master = address(),
        .Label_Gateway = label(),
        .JvGateway = address(),
        .Panel_Master_State_connection = group(),
        .Panel_Wi_Fi_State_connection = group(),
    };
    noRouter->setChecked(true);
    master->setChecked(true);
    CurrentLanguage language;
    auto rules = std::make_unique<ConnectionRules>(controls, language);

    slave->setChecked(true);
    QVERIFY(channel->isHidden());
    QCOMPARE(controls.Label_Password->text(),
             QString::fromUtf8(textTableEntry(kRowPassword, language.index)));

    rules.reset();
    controls.Label_Password->setText(QStringLiteral("mark"));
    master->setChecked(true);
    QVERIFY(channel->isHidden());
    QCOMPARE(controls.Label_Password->text(), QStringLiteral("mark"));
}

QTEST_MAIN(ConnectionRulesTest)
#include "ConnectionRulesTest.moc"
