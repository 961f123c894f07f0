#include "SimWindow.h"
#include "TestReports.h"
#include "protocol/core/Commands.h"
#include "screens/IpAddressEdit.h"
#include "sim/VirtualUnit.h"
#include "text/core/TextTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace breezekit;
using breezekit::testing::bytesOf;
using breezekit::testing::SentCommand;
using breezekit::testing::SimWindow;

namespace {
constexpr int kRowNotANumber = 15;
constexpr int kRowNameUnsendable = 16;
constexpr int kRowPasswordUnsendable = 17;
constexpr int kRowSelectDevice = 55;
constexpr int kRowNameLength = 57;
constexpr int kRowPasswordLength = 58;
constexpr int kRowSlave = 4;
constexpr int kRowWithRouter = 6;
constexpr int kRowHiddenNameUnsendable = 66;
using Kind = messages::Shown::Kind;

using Bytes = std::vector<std::uint8_t>;
using Commands = std::vector<SentCommand>;

SentCommand cmd(std::uint8_t code, Bytes payload) {
    return {{}, code, std::move(payload)};
}

// The fifteen commands of a Wi-Fi Apply for these eleven payloads.
Commands group(Bytes slaveNumber, Bytes dhcp, Bytes slaveIp, Bytes mode, Bytes type, Bytes ssid,
               Bytes password, Bytes masterIp, Bytes channel, Bytes security, Bytes gateway) {
    return {cmd(CmdWriteSession, {1}),
            cmd(CmdSlaveNumber, std::move(slaveNumber)),
            cmd(CmdSlaveDhcp, std::move(dhcp)),
            cmd(CmdSlaveIp, std::move(slaveIp)),
            cmd(CmdDeviceMode, std::move(mode)),
            cmd(CmdConnectionType, std::move(type)),
            cmd(CmdSsid, std::move(ssid)),
            cmd(CmdPassword, std::move(password)),
            cmd(CmdMasterIp, std::move(masterIp)),
            cmd(CmdWifiChannel, std::move(channel)),
            cmd(CmdSecurity, std::move(security)),
            cmd(CmdGateway, std::move(gateway)),
            cmd(CmdWriteSession, {0}),
            cmd(CmdModuleSwitch, {0}),
            cmd(CmdModuleSwitch, {1})};
}

// The last-known values a unit reported earlier.
void readBackInto(DeviceSettings& s) {
    s.SlaveNumber = 7;
    s.SlaveDhcp = 0;
    s.SlaveIp = {u'\xC0', u'\xA8', u'\0', u'\x09'};
    s.WifiChannel = 6;
    s.SecurityCode = '4';
}

// Routes into a combination by the user's clicks.
void select(TForm1& form, const QString& route) {
    for (QChar step : route) {
        QRadioButton* radio = step == QLatin1Char('M')   ? form.RadioButton_master
                              : step == QLatin1Char('S') ? form.RadioButton_slave
                              : step == QLatin1Char('N') ? form.RadioButton_without_router
                                                         : form.RadioButton_with_router;
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
}

void fillPage(TForm1& form) {
    form.ComboBox_Wi_Fi_name->setEditText(QStringLiteral("Home-5G"));
    form.Edit_Password->setText(QStringLiteral("secret-pass"));
    form.ComboBox_Wi_Fi_channel->setCurrentIndex(0);  // "1"
    form.ComboBox_Security_WI_FI->setCurrentIndex(1); // "WPA_PSK"
    form.ComboBox_Number_Slave->setCurrentIndex(4);   // "5"
    form.ComboBox_IP_Slave->setCurrentIndex(1);       // "Static"
    form.JvIPAddress_IP_Slave->setText(QStringLiteral("10.0.0.5"));
    form.JvIPAddress_IP_Master->setText(QStringLiteral("10.1.2.3"));
    form.JvGateway->setText(QStringLiteral("10.1.2.254"));
}

void clickApply(SimWindow& w) {
    w.clearCommands();
    w.clearMessages();
    QTest::mouseClick(w.form().Button_Apply_Save_Wi_Fi, Qt::LeftButton);
}
} // namespace

class WifiApplyWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void sendsTheCombinationsGroup_data();
    void sendsTheCombinationsGroup();
    void failedCheckSendsNothingButKeepsTheValues_data();
    void failedCheckSendsNothingButKeepsTheValues();
    void failedCheckThenApplyWithRouterSendsTheTakenChannel();
    void listWithoutSelectionStopsBeforeTheChecks_data();
    void listWithoutSelectionStopsBeforeTheChecks();
    void readBackThenApplyAsMasterCarriesTheSlaveFieldsOver();
    void withoutAUnitOnlyTheGuardsMessage();
    void hiddenUnsendableNameNamesTheChoicesThatShowIt_data();
    void hiddenUnsendableNameNamesTheChoicesThatShowIt();
};

void WifiApplyWindowTest::sendsTheCombinationsGroup_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<Commands>("expected");
    const Bytes home = bytesOf("Home-5G");
    const Bytes pass = bytesOf("secret-pass");
    const Bytes gateway{10, 1, 2, 254};
    const Bytes accessPoint{192, 168, 4, 1};
    const Bytes lastSlaveIp{192, 168, 0, 9};
    QTest::newRow("master without router")
        << QString() << group({7}, {0}, lastSlaveIp, {1}, {2}, home, pass, accessPoint, {1}, {'2'}, gateway);
    QTest::newRow("master with router")
        << "R" << group({7}, {0}, lastSlaveIp, {1}, {1}, home, pass, {10, 1, 2, 3}, {6}, {'4'}, gateway);
    QTest::newRow("slave without router")
        << "S" << group({4}, {1}, {10, 0, 0, 5}, {0}, {1}, home, pass, accessPoint, {6}, {'4'}, gateway);
    QTest::newRow("slave with router")
        << "SR" << group({4}, {0}, {10, 0, 0, 5}, {0}, {1}, home, pass, {10, 1, 2, 3}, {6}, {'4'}, gateway);
}

void WifiApplyWindowTest::sendsTheCombinationsGroup() {
    QFETCH(QString, route);
    QFETCH(Commands, expected);
    SimWindow w(1);
    TForm1& form = w.form();
    form.show();
    readBackInto(form.deviceSettings);
    select(form, route);
    fillPage(form);
    clickApply(w);
    QVERIFY(w.messages().isEmpty());
    const Commands sent = w.commands(0);
    QCOMPARE(sent, expected);
    // Back to back, then 100 ms before the module goes off and 250 ms before it comes on.
    QVERIFY(sent[13].at - sent[12].at >= std::chrono::milliseconds(100));
    QVERIFY(sent[14].at - sent[13].at >= std::chrono::milliseconds(250));
    // The unit now holds exactly what the Apply sent, carried-over values included.
    const sim::VirtualUnit& unit = *w.unit(0).unit();
    QCOMPARE(unit.writeSessionFlags(), (Bytes{1, 0}));
    for (const SentCommand& command : sent)
        if (sim::VirtualUnit::isWritable(command.code)) QCOMPARE(unit.value(command.code), command.payload);
}

void WifiApplyWindowTest::failedCheckSendsNothingButKeepsTheValues_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("security");
    QTest::addColumn<int>("row");
    QTest::newRow("short password, WPA2_PSK") << ""
                                              << ""
                                              << "1234567" << 2 << kRowPasswordLength;
    QTest::newRow("empty name, master with router") << "R"
                                                    << ""
                                                    << "12345678" << 2 << kRowNameLength;
    QTest::newRow("empty name, slave") << "S"
                                       << ""
                                       << "" << 3 << kRowNameLength;
    QTest::newRow("empty name, slave with router") << "SR"
                                                   << ""
                                                   << "12345678" << 3 << kRowNameLength;
    QTest::newRow("Cyrillic name") << "S" << QStringLiteral("Дом") << "12345678" << 3 << kRowNameUnsendable;
    QTest::newRow("Chinese password")
        << "R"
        << "Home" << QStringLiteral("密码abcdefgh") << 3 << kRowPasswordUnsendable;
    QTest::newRow("Cyrillic name, master with router")
        << "R" << QStringLiteral("Дом") << "12345678" << 3 << kRowNameUnsendable;
}

void WifiApplyWindowTest::failedCheckSendsNothingButKeepsTheValues() {
    QFETCH(QString, route);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(int, security);
    QFETCH(int, row);
    SimWindow w(1);
    TForm1& form = w.form();
    form.show();
    form.language.index = German;
    select(form, route);
    fillPage(form);
    form.ComboBox_Wi_Fi_name->setEditText(name);
    form.Edit_Password->setText(password);
    form.ComboBox_Security_WI_FI->setCurrentIndex(security);
    clickApply(w);
    QCOMPARE(w.messages(), QStringList{QString::fromUtf8(textTableEntry(row, German))});
    QCOMPARE(w.messageKinds(), std::vector<Kind>{Kind::Message});
    QVERIFY(w.commands(0).empty());
    const DeviceSettings& s = form.deviceSettings;
    QCOMPARE(s.DeviceMode, route.startsWith(QLatin1Char('S')) ? 0 : 1);
    QCOMPARE(s.Gateway, std::u16string(u"\x0A\x01\x02\xFE"));
    // A text the framing would corrupt is never stored; the other one is.
    QCOMPARE(s.Ssid, row == kRowNameUnsendable ? std::u16string() : name.toStdU16String());
    QCOMPARE(s.Password, row == kRowPasswordUnsendable ? std::u16string() : password.toStdU16String());
}

void WifiApplyWindowTest::failedCheckThenApplyWithRouterSendsTheTakenChannel() {
    SimWindow w(1);
    TForm1& form = w.form();
    form.show();
    fillPage(form);
    form.ComboBox_Security_WI_FI->setCurrentIndex(2); // "WPA2_PSK"
    form.ComboBox_Wi_Fi_channel->setCurrentIndex(12);
    form.Edit_Password->setText(QStringLiteral("1234567"));
    clickApply(w);
    QCOMPARE(w.messages().size(), 1);
    select(form, QStringLiteral("R"));
    clickApply(w);
    const Commands sent = w.commands(0);
    QCOMPARE(sent.size(), std::size_t(15));
    QCOMPARE(sent[9], cmd(CmdWifiChannel, {13}));
    QCOMPARE(sent[10], cmd(CmdSecurity, {'3'}));
    QCOMPARE(sent[7], cmd(CmdPassword, bytesOf("1234567")));
}

void WifiApplyWindowTest::listWithoutSelectionStopsBeforeTheChecks_data() {
    QTest::addColumn<QString>("route");
    QTest::newRow("channel, master without router") << "";
    QTest::newRow("slave number, slave") << "S";
    QTest::newRow("slave number, slave with router") << "SR";
}

void WifiApplyWindowTest::listWithoutSelectionStopsBeforeTheChecks() {
    QFETCH(QString, route);
    SimWindow w(1);
    TForm1& form = w.form();
    form.show();
    form.language.index = Polish;
    readBackInto(form.deviceSettings);
    select(form, route);
    fillPage(form);
    form.ComboBox_Wi_Fi_name->setEditText(QString()); // the name check would fail, were it reached
    (route.isEmpty() ? form.ComboBox_Wi_Fi_channel : form.ComboBox_Number_Slave)->setCurrentIndex(-1);
    clickApply(w);
    QCOMPARE(w.messages(), QStringList{QString::fromUtf8(textTableEntry(kRowNotANumber, Polish))});
    QCOMPARE(w.messageKinds(), std::vector<Kind>{Kind::StopError});
    QVERIFY(w.commands(0).empty());
    DeviceSettings expected;
    readBackInto(expected);
    expected.DeviceMode = route.isEmpty() ? 1 : 0;
    expected.ConnectionType = route.isEmpty() ? 2 : 1;
    expected.MasterIp = route == QStringLiteral("SR") ? u"\x0A\x01\x02\x03" : u"\xC0\xA8\x04\x01";
    QCOMPARE(form.deviceSettings, expected);
}

void WifiApplyWindowTest::hiddenUnsendableNameNamesTheChoicesThatShowIt_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(English);
    QTest::newRow("Russian") << int(Russian);
    QTest::newRow("Chinese") << int(Chinese);
}

void WifiApplyWindowTest::hiddenUnsendableNameNamesTheChoicesThatShowIt() {
    QFETCH(int, language);
    SimWindow w(1);
    TForm1& form = w.form();
    form.show();
    form.language.index = static_cast<std::uint8_t>(language);
    readBackInto(form.deviceSettings);
    fillPage(form);
    // Master without router: the name's field is hidden but its text still goes out.
    form.ComboBox_Wi_Fi_name->setEditText(QStringLiteral("Дом"));
    clickApply(w);
    const auto caption = [&](int row) { return QString::fromUtf8(textTableEntry(row, language)); };
    const QString expected =
        caption(kRowHiddenNameUnsendable).arg(caption(kRowWithRouter), caption(kRowSlave));
    QCOMPARE(w.messages(), QStringList{expected});
    QCOMPARE(w.messageKinds(), std::vector<Kind>{Kind::Message});
    QVERIFY(expected.contains(caption(kRowWithRouter)) && expected.contains(caption(kRowSlave)));
    QVERIFY(!expected.contains(QLatin1Char('%')));
    QVERIFY(w.commands(0).empty());
    QCOMPARE(form.deviceSettings.Ssid, std::u16string());
}

void WifiApplyWindowTest::readBackThenApplyAsMasterCarriesTheSlaveFieldsOver() {
    sim::FactoryParameters parameters = SimWindow::unitParameters(u"Pavona", SimWindow::serialNumber(0));
    sim::UnitSettings& unitSettings = parameters.settings;
    unitSettings.deviceMode = 0;
    unitSettings.ssid = "Office";
    unitSettings.password = "office-pass";
    unitSettings.slaveNumber = 12;
    unitSettings.slaveDhcp = 0;
    unitSettings.slaveIp = {10, 0, 0, 42};
    unitSettings.masterIp = {10, 0, 0, 1};
    unitSettings.connectionType = 1;
    unitSettings.wifiChannel = 3;
    unitSettings.securityCode = '0';
    unitSettings.gateway = {10, 0, 0, 254};
    SimWindow w({parameters});
    TForm1& form = w.form();
    form.show();
    QTest::mouseClick(form.Button_Get_current_parameters, Qt::LeftButton);
    QTRY_COMPARE(form.deviceSettings.Gateway, std::u16string(u"\x0A\0\0\xFE", 4));
    QVERIFY(form.RadioButton_slave->isChecked());
    QVERIFY(form.RadioButton_with_router->isChecked());
    QVERIFY(!form.Edit_Password->isEnabled()); // "OPEN" read back, although the list is hidden

    select(form, QStringLiteral("M"));
    QVERIFY(!form.Edit_Password->isEnabled()); // master with router keeps it
    clickApply(w);
    QVERIFY(w.messages().isEmpty());
    Commands sent = w.commands(0);
    std::erase_if(sent, [](const SentCommand& c) { return c.code == CmdRead; });
    const Commands expected = group({12}, {0}, {10, 0, 0, 42}, {1}, {1}, bytesOf("Office"),
                                    bytesOf("office-pass"), {10, 0, 0, 1}, {3}, {'0'}, {10, 0, 0, 254});
    QCOMPARE(sent, expected);
    const sim::VirtualUnit& unit = *w.unit(0).unit();
    for (const SentCommand& command : sent)
        if (sim::VirtualUnit::isWritable(command.code)) QCOMPARE(unit.value(command.code), command.payload);
}

void WifiApplyWindowTest::withoutAUnitOnlyTheGuardsMessage() {
    SimWindow w;
    fillPage(w.form());
    clickApply(w);
    QCOMPARE(w.messages(), QStringList{w.text(kRowSelectDevice)});
    QCOMPARE(w.form().deviceSettings, DeviceSettings{});
}

QTEST_MAIN(WifiApplyWindowTest)
#include "WifiApplyWindowTest.moc"
