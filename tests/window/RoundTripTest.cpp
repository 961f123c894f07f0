#include "SimWindow.h"
#include "UnitReplies.h"
#include "protocol/core/ReadBackTable.h"
#include "screens/IpAddressEdit.h"
#include "screens/TimeEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace breezekit;
using namespace breezekit::testing;

namespace {

// What the window shows on both settings pages.
struct Shown {
    bool master = false;
    bool withRouter = false;
    QString name, password;
    int channel = 0, security = 0, slaveNumber = 0, slaveAddressing = 0;
    QString slaveIp, masterIp, gateway;
    bool offAllowed = false, exhaust = false, humidity = false, relay = false, analog = false;
    bool exhaustMox = false;
    int humidityPosition = 0, analogPosition = 0;
    QString delay, night, party;
};

Shown capture(const TForm1& f) {
    Shown s;
    s.master = f.RadioButton_master->isChecked();
    s.withRouter = f.RadioButton_with_router->isChecked();
    s.name = f.ComboBox_Wi_Fi_name->currentText();
    s.password = f.Edit_Password->text();
    s.channel = f.ComboBox_Wi_Fi_channel->currentIndex();
    s.security = f.ComboBox_Security_WI_FI->currentIndex();
    s.slaveNumber = f.ComboBox_Number_Slave->currentIndex();
    s.slaveAddressing = f.ComboBox_IP_Slave->currentIndex();
    s.slaveIp = f.JvIPAddress_IP_Slave->text();
    s.masterIp = f.JvIPAddress_IP_Master->text();
    s.gateway = f.JvGateway->text();
    s.offAllowed = f.CheckBox_Available_OFF_device->isChecked();
    s.exhaust = f.RadioButton_Exhaust->isChecked();
    s.humidity = f.CheckBox_Humidity_sensor->isChecked();
    s.relay = f.CheckBox_External_sensor1->isChecked();
    s.analog = f.CheckBox_External_sensor2->isChecked();
    s.exhaustMox = f.RadioButton_Exhaust_MOX->isChecked();
    s.humidityPosition = f.TrackBar_Humidity_sensor->value();
    s.analogPosition = f.TrackBar_External_sensor2->value();
    s.delay = f.JvTimeEdit_Timer_after_reacting_any_sensor->text();
    s.night = f.JvTimeEdit_Timer_night_mode->text();
    s.party = f.JvTimeEdit_Timer_party_mode->text();
    return s;
}

// Sets every control of both pages; the radios through their click handlers, as a user would.
void show(TForm1& f, const Shown& s) {
    (s.master ? f.RadioButton_master : f.RadioButton_slave)->setChecked(true);
    (s.withRouter ? f.RadioButton_with_router : f.RadioButton_without_router)->setChecked(true);
    f.ComboBox_Wi_Fi_name->setEditText(s.name);
    f.Edit_Password->setText(s.password);
    f.ComboBox_Wi_Fi_channel->setCurrentIndex(s.channel);
    f.ComboBox_Security_WI_FI->setCurrentIndex(s.security);
    f.ComboBox_Number_Slave->setCurrentIndex(s.slaveNumber);
    f.ComboBox_IP_Slave->setCurrentIndex(s.slaveAddressing);
    f.JvIPAddress_IP_Slave->setText(s.slaveIp);
    f.JvIPAddress_IP_Master->setText(s.masterIp);
    f.JvGateway->setText(s.gateway);
    f.CheckBox_Available_OFF_device->setChecked(s.offAllowed);
    (s.exhaust ? f.RadioButton_Exhaust : f.RadioButton_Supply)->setChecked(true);
    f.CheckBox_Humidity_sensor->setChecked(s.humidity);
    f.CheckBox_External_sensor1->setChecked(s.relay);
    f.CheckBox_External_sensor2->setChecked(s.analog);
    (s.exhaustMox ? f.RadioButton_Exhaust_MOX : f.RadioButton_Supply_Exhaust_MOX)->setChecked(true);
    f.TrackBar_Humidity_sensor->setValue(s.humidityPosition);
    f.TrackBar_External_sensor2->setValue(s.analogPosition);
    f.JvTimeEdit_Timer_after_reacting_any_sensor->setText(s.delay);
    f.JvTimeEdit_Timer_night_mode->setText(s.night);
    f.JvTimeEdit_Timer_party_mode->setText(s.party);
}

// Values that differ from the unit's factory settings and from the window's start values.
Shown applied(bool master, bool withRouter) {
    Shown s;
    s.master = master;
    s.withRouter = withRouter;
    // a slave's router choice comes back through its network name
    s.name = !master && !withRouter ? QStringLiteral("BreezeKit_77AB") : QStringLiteral("HomeNet-5G");
    s.password = QStringLiteral("Pa55word-xyz");
    s.channel = 4;
    s.security = 1;
    s.slaveNumber = 6;
    s.slaveAddressing = 1;
    s.slaveIp = QStringLiteral("10.0.0.5");
    s.masterIp = QStringLiteral("10.0.0.1");
    s.gateway = QStringLiteral("10.0.0.254");
    s.offAllowed = false;
    s.exhaust = true;
    s.humidity = false;
    s.relay = true;
    s.analog = false;
    s.exhaustMox = false;
    s.humidityPosition = 9;
    s.analogPosition = 17;
    s.delay = QStringLiteral("01:30");
    s.night = QStringLiteral("22:15");
    s.party = QStringLiteral("03:05");
    return s;
}

// Something else in every control, the other role and connection type included.
Shown scrambled(const Shown& a) {
    Shown s;
    s.master = !a.master;
    s.withRouter = !a.withRouter;
    s.name = QStringLiteral("Elsewhere");
    s.password = QStringLiteral("zzzzzzzzzz");
    s.channel = 0;
    s.security = 3;
    s.slaveNumber = 0;
    s.slaveAddressing = 0;
    s.slaveIp = QStringLiteral("1.1.1.1");
    s.masterIp = QStringLiteral("2.2.2.2");
    s.gateway = QStringLiteral("3.3.3.3");
    s.offAllowed = !a.offAllowed;
    s.exhaust = !a.exhaust;
    s.humidity = !a.humidity;
    s.relay = !a.relay;
    s.analog = !a.analog;
    s.exhaustMox = !a.exhaustMox;
    s.humidityPosition = 16;
    s.analogPosition = 2;
    s.delay = QStringLiteral("00:01");
    s.night = QStringLiteral("00:02");
    s.party = QStringLiteral("00:03");
    return s;
}

// Other values in every field that the read-back fills.
DeviceSettings scrambled(DeviceSettings s) {
    s.Password = u"old";
    s.SlaveIp = s.MasterIp = s.Gateway = std::u16string{9, 9, 9, 9};
    for (std::uint8_t* field :
         {&s.DeviceMode, &s.SlaveDhcp, &s.SlaveNumber, &s.ConnectionType, &s.WifiChannel, &s.SecurityCode,
          &s.OffAllowed, &s.Direction, &s.HumidityScenario, &s.HumiditySensorOn, &s.RelaySensorOn,
          &s.AnalogSensorOn, &s.HumidityThreshold, &s.AnalogThreshold})
        *field = 0x77;
    return s;
}

QStringList differences(const DeviceSettings& a, const DeviceSettings& b) {
    QStringList names;
    const auto text = [&](const char* name, const std::u16string& x, const std::u16string& y) {
        if (x != y) names << QString::fromLatin1(name);
    };
    const auto byte = [&](const char* name, std::uint8_t x, std::uint8_t y) {
        if (x != y) names << QStringLiteral("%1 %2/%3").arg(QLatin1String(name)).arg(x).arg(y);
    };
    text("Ssid", a.Ssid, b.Ssid);
    text("Password", a.Password, b.Password);
    text("SlaveIp", a.SlaveIp, b.SlaveIp);
    text("MasterIp", a.MasterIp, b.MasterIp);
    text("Gateway", a.Gateway, b.Gateway);
    byte("DeviceMode", a.DeviceMode, b.DeviceMode);
    byte("SlaveDhcp", a.SlaveDhcp, b.SlaveDhcp);
    byte("SlaveNumber", a.SlaveNumber, b.SlaveNumber);
    byte("ConnectionType", a.ConnectionType, b.ConnectionType);
    byte("WifiChannel", a.WifiChannel, b.WifiChannel);
    byte("SecurityCode", a.SecurityCode, b.SecurityCode);
    byte("OffAllowed", a.OffAllowed, b.OffAllowed);
    byte("Direction", a.Direction, b.Direction);
    byte("HumidityScenario", a.HumidityScenario, b.HumidityScenario);
    byte("HumiditySensorOn", a.HumiditySensorOn, b.HumiditySensorOn);
    byte("RelaySensorOn", a.RelaySensorOn, b.RelaySensorOn);
    byte("AnalogSensorOn", a.AnalogSensorOn, b.AnalogSensorOn);
    byte("HumidityThreshold", a.HumidityThreshold, b.HumidityThreshold);
    byte("AnalogThreshold", a.AnalogThreshold, b.AnalogThreshold);
    byte("WifiConnected", a.WifiConnected, b.WifiConnected);
    byte("MasterConnected", a.MasterConnected, b.MasterConnected);
    if (names.isEmpty() && !(a == b)) names << QStringLiteral("a field this list misses");
    return names;
}

} // namespace

class RoundTripTest : public QObject {
    Q_OBJECT
  private slots:
    void applyThenReceiveGivesBackWhatWasApplied_data();
    void applyThenReceiveGivesBackWhatWasApplied();
};

void RoundTripTest::applyThenReceiveGivesBackWhatWasApplied_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("withRouter");
    for (const char* model : {"Pavona", "Pavona MOX"})
        for (const bool master : {true, false})
            for (const bool withRouter : {false, true})
                QTest::addRow("%s, %s %s", model, master ? "master" : "slave",
                              withRouter ? "with router" : "no router")
                    << QString::fromLatin1(model) << master << withRouter;
}

void RoundTripTest::applyThenReceiveGivesBackWhatWasApplied() {
    QFETCH(QString, model);
    QFETCH(bool, master);
    QFETCH(bool, withRouter);
    SimWindow win({SimWindow::unitParameters(model.toStdU16String(), SimWindow::serialNumber(0))});
    TForm1& form = win.form();

    const Shown sent = applied(master, withRouter);
    show(form, sent);
    QCOMPARE(capture(form).name, sent.name);
    QTest::mouseClick(form.Button_Apply_Save_Wi_Fi, Qt::LeftButton);
    QTest::mouseClick(form.Button_Apply_Save_Fan, Qt::LeftButton);
    QCOMPARE(win.messages(), QStringList{});
    // the thresholds are no field an Apply writes, but what it sent comes back into them
    DeviceSettings afterApply = form.deviceSettings;
    afterApply.HumidityThreshold = static_cast<std::uint8_t>(sent.humidityPosition * 5);
    afterApply.AnalogThreshold = static_cast<std::uint8_t>(sent.analogPosition * 5);
    // a master's first Apply sends the slave address it never had with length 0; a report always
    // carries four address bytes, so it comes back as 0.0.0.0
    if (afterApply.SlaveIp.empty()) afterApply.SlaveIp = std::u16string(4, u'\0');

    show(form, scrambled(sent));
    form.deviceSettings = scrambled(afterApply);
    win.clearCommands();
    QTest::mouseClick(form.Button_Get_current_parameters, Qt::LeftButton);
    QTRY_COMPARE(readBackRequests(win.unit(0)).size(), kReadBackChain.size());
    QVERIFY(settle(win));

    std::vector<std::uint8_t> order;
    for (const ReadBackStep& step : kReadBackChain)
        order.push_back(step.reply);
    QCOMPARE(readBackRequests(win.unit(0)), order);
    const QStringList differ = differences(form.deviceSettings, afterApply);
    QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QStringLiteral(", "))));

    const Shown back = capture(form);
    QCOMPARE(back.master, sent.master);
    QCOMPARE(back.withRouter, sent.withRouter);
    QCOMPARE(back.name, sent.name);
    QCOMPARE(back.password, sent.password);
    QCOMPARE(back.gateway, sent.gateway);
    if (master && !withRouter) {
        QCOMPARE(back.channel, sent.channel);
        QCOMPARE(back.security, sent.security);
    }
    if (withRouter) QCOMPARE(back.masterIp, sent.masterIp);
    if (!master) {
        QCOMPARE(back.slaveNumber, sent.slaveNumber);
        QCOMPARE(back.slaveIp, sent.slaveIp);
        // without a router a slave always takes its address by DHCP
        QCOMPARE(back.slaveAddressing, withRouter ? sent.slaveAddressing : 0);
    }
    QCOMPARE(back.offAllowed, sent.offAllowed);
    QCOMPARE(back.exhaust, sent.exhaust);
    QCOMPARE(back.humidity, sent.humidity);
    QCOMPARE(back.relay, sent.relay);
    QCOMPARE(back.analog, sent.analog);
    QCOMPARE(back.exhaustMox, sent.exhaustMox);
    QCOMPARE(back.humidityPosition, sent.humidityPosition);
    QCOMPARE(back.analogPosition, sent.analogPosition);
    QCOMPARE(back.delay, sent.delay);
    QCOMPARE(back.night, sent.night);
    QCOMPARE(back.party, sent.party);
}

QTEST_MAIN(RoundTripTest)
#include "RoundTripTest.moc"
