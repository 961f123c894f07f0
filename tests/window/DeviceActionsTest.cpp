#include "SimWindow.h"
#include "UnitReplies.h"
#include "protocol/core/Commands.h"
#include "protocol/core/CounterText.h"
#include "protocol/core/Encodings.h"
#include "screens/IpAddressEdit.h"
#include "screens/StatusPanels.h"
#include "screens/TimeEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

using namespace breezekit;
using namespace breezekit::testing;

namespace {

using namespace std::chrono_literals;

// What the unit received apart from the status polls and the serial-number request.
std::vector<SentCommand> actionCommands(const sim::VirtualInterface& unit) {
    std::vector<SentCommand> sent;
    for (const SentCommand& command : SimWindow::commands(unit)) {
        const bool poll = command.code == CmdRead && command.payload.size() == 1 &&
                          (command.payload[0] == CmdWifiState || command.payload[0] == CmdMasterState ||
                           command.payload[0] == CmdFilterTime || command.payload[0] == CmdSerialNumber);
        if (!poll) sent.push_back(command);
    }
    return sent;
}

SentCommand command(std::uint8_t code, std::uint8_t byte) {
    return {{}, code, {byte}};
}

QPushButton* button(TForm1& form, const QString& name) {
    return form.findChild<QPushButton*>(name);
}

} // namespace

class DeviceActionsTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutAUnitOnlyTheGuardShows_data();
    void withoutAUnitOnlyTheGuardShows();
    void receiveSendsOneReadOfTheMode();
    void restoreSendsItsThreeCommandsWithThePause();
    void resetSendsOneCommandPerClick();
    void restoreBringsTheWindowToTheFactoryValues();
    void resetBringsTheShownCounterBackNearZero();
};

void DeviceActionsTest::withoutAUnitOnlyTheGuardShows_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("receive") << "Button_Get_current_parameters";
    QTest::newRow("restore") << "Button_Restore_default_parameters";
    QTest::newRow("reset filter") << "Button_Reset_filter_timer";
}

void DeviceActionsTest::withoutAUnitOnlyTheGuardShows() {
    QFETCH(QString, button);
    SimWindow win;
    const auto mouse = win.platform().plugMouse();
    QVERIFY(win.waitForRebuild());
    const DeviceSettings before = win.form().deviceSettings;
    QPushButton* action = ::button(win.form(), button);
    QVERIFY(action);
    QTest::mouseClick(action, Qt::LeftButton);
    QCOMPARE(win.messages(), QStringList{win.text(55)});
    QVERIFY(mouse->receivedReports().empty());
    QVERIFY(win.form().deviceSettings == before);
}

void DeviceActionsTest::receiveSendsOneReadOfTheMode() {
    SimWindow win(1);
    win.unit(0).unit()->setSilent(true);
    win.clearCommands();
    QTest::mouseClick(win.form().Button_Get_current_parameters, Qt::LeftButton);
    QVERIFY(settle(win));
    QCOMPARE(actionCommands(win.unit(0)), std::vector<SentCommand>{command(CmdRead, CmdDeviceMode)});
    QVERIFY(win.messages().isEmpty());
}

void DeviceActionsTest::restoreSendsItsThreeCommandsWithThePause() {
    SimWindow win(1);
    win.unit(0).unit()->setSilent(true);
    win.clearCommands();
    QTest::mouseClick(win.form().Button_Restore_default_parameters, Qt::LeftButton);
    QVERIFY(settle(win));
    const std::vector<SentCommand> sent = actionCommands(win.unit(0));
    const std::vector<SentCommand> expected = {command(CmdWriteSession, 1), command(CmdRestoreDefaults, 0),
                                               command(CmdRead, CmdDeviceMode)};
    QCOMPARE(sent, expected);
    QVERIFY(sent[2].at - sent[1].at >= 200ms);
}

void DeviceActionsTest::resetSendsOneCommandPerClick() {
    SimWindow win(1);
    win.unit(0).unit()->setSilent(true);
    win.form().PageControl->setCurrentWidget(win.form().Filter);
    win.clearCommands();
    QTest::mouseClick(win.form().Button_Reset_filter_timer, Qt::LeftButton);
    QTest::mouseClick(win.form().Button_Reset_filter_timer, Qt::LeftButton);
    QVERIFY(settle(win));
    QCOMPARE(actionCommands(win.unit(0)),
             (std::vector<SentCommand>{command(CmdResetFilter, 0), command(CmdResetFilter, 0)}));
}

void DeviceActionsTest::restoreBringsTheWindowToTheFactoryValues() {
    SimWindow win(1);
    TForm1& form = win.form();
    sim::VirtualUnit& unit = *win.unit(0).unit();
    const std::pair<std::uint8_t, std::vector<std::uint8_t>> changed[] = {
        {CmdDeviceMode, {0}},
        {CmdConnectionType, {1}},
        {CmdSsid, bytesOf("Elsewhere")},
        {CmdPassword, bytesOf("abcdefgh9")},
        {CmdSlaveNumber, {5}},
        {CmdSlaveDhcp, {0}},
        {CmdSlaveIp, {10, 0, 0, 3}},
        {CmdMasterIp, {10, 0, 0, 2}},
        {CmdWifiChannel, {3}},
        {CmdSecurity, {'2'}},
        {CmdOffAllowed, {0}},
        {CmdDirection, {1}},
        {CmdHumiditySensor, {0}},
        {CmdRelaySensor, {0}},
        {CmdAnalogSensor, {0}},
        {CmdHumidityThreshold, {40}},
        {CmdAnalogThreshold, {5}},
        {CmdTurnOffDelay, {0, 0x15, 0x18}},
        {CmdNightTimer, {0, 0x0E, 0x10}},
        {CmdPartyTimer, {0, 0x1C, 0x20}},
        {CmdHumidityScenario, {0}},
        {CmdGateway, {10, 0, 0, 1}},
    };
    for (const auto& [code, bytes] : changed)
        unit.setValue(code, bytes);
    QTest::mouseClick(form.Button_Get_current_parameters, Qt::LeftButton);
    QTRY_COMPARE(form.JvGateway->text(), QStringLiteral("10.0.0.1"));
    QVERIFY(form.RadioButton_slave->isChecked());
    QCOMPARE(form.JvTimeEdit_Timer_after_reacting_any_sensor->text(), QStringLiteral("01:30"));

    QTest::mouseClick(form.Button_Restore_default_parameters, Qt::LeftButton);
    const sim::UnitSettings factory = unit.parameters().settings;
    QTRY_COMPARE(form.JvGateway->text(), QStringLiteral("%1.%2.%3.%4")
                                             .arg(factory.gateway[0])
                                             .arg(factory.gateway[1])
                                             .arg(factory.gateway[2])
                                             .arg(factory.gateway[3]));
    for (const auto& [code, bytes] : changed)
        QVERIFY2(unit.value(code) != bytes, qPrintable(QStringLiteral("code %1 not restored").arg(code)));

    QCOMPARE(form.RadioButton_master->isChecked(), factory.deviceMode == 1);
    QCOMPARE(form.RadioButton_without_router->isChecked(), factory.connectionType == 2);
    QCOMPARE(form.ComboBox_Wi_Fi_name->currentText(), QString::fromStdString(factory.ssid));
    QCOMPARE(form.Edit_Password->text(), QString::fromStdString(factory.password));
    QCOMPARE(form.ComboBox_Number_Slave->currentIndex(), int{factory.slaveNumber});
    QCOMPARE(form.ComboBox_IP_Slave->currentIndex(), factory.slaveDhcp == 1 ? 0 : 1);
    QCOMPARE(form.deviceSettings.SlaveIp, std::u16string(factory.slaveIp.begin(), factory.slaveIp.end()));
    QCOMPARE(form.deviceSettings.MasterIp, std::u16string(factory.masterIp.begin(), factory.masterIp.end()));
    QCOMPARE(form.ComboBox_Wi_Fi_channel->currentIndex(), factory.wifiChannel - 1);
    QCOMPARE(form.deviceSettings.SecurityCode, factory.securityCode);
    QCOMPARE(form.CheckBox_Available_OFF_device->isChecked(), factory.offAllowed == 1);
    QCOMPARE(form.RadioButton_Exhaust->isChecked(), factory.direction == 1);
    QCOMPARE(form.CheckBox_Humidity_sensor->isChecked(), factory.humiditySensor == 1);
    QCOMPARE(form.CheckBox_External_sensor1->isChecked(), factory.relaySensor == 1);
    QCOMPARE(form.CheckBox_External_sensor2->isChecked(), factory.analogSensor == 1);
    QCOMPARE(form.TrackBar_Humidity_sensor->value() * 5, int{factory.humidityThreshold});
    QCOMPARE(form.TrackBar_External_sensor2->value() * 5, int{factory.analogThreshold});
    QCOMPARE(form.JvTimeEdit_Timer_after_reacting_any_sensor->time(),
             timeOfSeconds(factory.turnOffDelaySeconds));
    QCOMPARE(form.JvTimeEdit_Timer_night_mode->time(), timeOfSeconds(factory.nightTimerSeconds));
    QCOMPARE(form.JvTimeEdit_Timer_party_mode->time(), timeOfSeconds(factory.partyTimerSeconds));
    QCOMPARE(form.RadioButton_Exhaust_MOX->isChecked(), factory.humidityScenario == 1);
    QVERIFY(win.messages().isEmpty());
}

// The unit's counter runs once a second; the Filter page asks for it with every tick.
void DeviceActionsTest::resetBringsTheShownCounterBackNearZero() {
    SimWindow win(1);
    TForm1& form = win.form();
    constexpr std::uint32_t kRunning = 3 * 86400 + 5 * 3600;
    win.unit(0).unit()->setFilterSeconds(kRunning);
    form.PageControl->setCurrentWidget(form.Filter);
    QTRY_VERIFY(form.statusPanels().lastFilterCount() >= kRunning);

    QTest::mouseClick(form.Button_Reset_filter_timer, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(form.statusPanels().lastFilterCount() < 3, 2500);
    QCOMPARE(form.Label_Timer_filter->text(),
             QString::fromStdString(
                 filterCounterText(form.statusPanels().lastFilterCount(), form.language.index)));
    QTRY_VERIFY_WITH_TIMEOUT(form.statusPanels().lastFilterCount() >= 2, 4000);
}

QTEST_MAIN(DeviceActionsTest)
#include "DeviceActionsTest.moc"
