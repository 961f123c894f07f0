#include "SimWindow.h"
#include "UnitReplies.h"
#include "protocol/core/Commands.h"
#include "screens/IpAddressEdit.h"
#include "screens/TimeEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

using namespace breezekit;
using namespace breezekit::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes padded(std::string_view text) {
    Bytes bytes = bytesOf(text);
    bytes.resize(62, 0);
    return bytes;
}

// A radio button is deselected by selecting the other one of its group.
void setBefore(QWidget* widget, const QByteArray& property, const QVariant& value) {
    auto* radio = qobject_cast<QRadioButton*>(widget);
    if (radio && !value.toBool()) {
        for (QRadioButton* other :
             radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (other != radio) other->setChecked(true);
        return;
    }
    widget->setProperty(property, value);
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

class ReadBackTest : public QObject {
    Q_OBJECT
  private slots:
    void oneByteReplies_data();
    void oneByteReplies();
    void valuesOutsideTheListedOnesAreStillStored();
    void listChangeHandlersRunAfterEveryReply_data();
    void listChangeHandlersRunAfterEveryReply();
    void sliderHandlerRunsOnlyWhenThePositionChanges();
    void timeReplies_data();
    void timeReplies();
    void addressReplies_data();
    void addressReplies();
    void modeReplyRunsAClickHandlerOnlyOnAChange();
    void connectionTypeReply_data();
    void connectionTypeReply();
    void networkNameReply_data();
    void networkNameReply();
    void passwordReplyIsCutAtTheFirstZero();
};

void ReadBackTest::oneByteReplies_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("after");

    const QByteArray index = "currentIndex";
    const QByteArray checked = "checked";
    const QByteArray position = "value";
    QTest::newRow("slave number 0 shows 1")
        << 8 << 0 << "ComboBox_Number_Slave" << index << QVariant(5) << QVariant(0);
    QTest::newRow("slave number 31") << 8 << 31 << "ComboBox_Number_Slave" << index << QVariant(5)
                                     << QVariant(31);
    QTest::newRow("slave number 32: no item")
        << 8 << 32 << "ComboBox_Number_Slave" << index << QVariant(5) << QVariant(-1);
    QTest::newRow("slave number 40: no item")
        << 8 << 40 << "ComboBox_Number_Slave" << index << QVariant(5) << QVariant(-1);
    QTest::newRow("dhcp 1") << 9 << 1 << "ComboBox_IP_Slave" << index << QVariant(1) << QVariant(0);
    QTest::newRow("dhcp 0: static") << 9 << 0 << "ComboBox_IP_Slave" << index << QVariant(0) << QVariant(1);
    QTest::newRow("dhcp 2: as it was")
        << 9 << 2 << "ComboBox_IP_Slave" << index << QVariant(1) << QVariant(1);
    QTest::newRow("channel 11") << 14 << 11 << "ComboBox_Wi_Fi_channel" << index << QVariant(0)
                                << QVariant(10);
    QTest::newRow("channel 1") << 14 << 1 << "ComboBox_Wi_Fi_channel" << index << QVariant(5) << QVariant(0);
    QTest::newRow("channel 13") << 14 << 13 << "ComboBox_Wi_Fi_channel" << index << QVariant(0)
                                << QVariant(12);
    QTest::newRow("channel 0: no item")
        << 14 << 0 << "ComboBox_Wi_Fi_channel" << index << QVariant(5) << QVariant(-1);
    QTest::newRow("channel 14: no item")
        << 14 << 14 << "ComboBox_Wi_Fi_channel" << index << QVariant(5) << QVariant(-1);
    QTest::newRow("security '0'") << 15 << 0x30 << "ComboBox_Security_WI_FI" << index << QVariant(3)
                                  << QVariant(0);
    QTest::newRow("security '2'") << 15 << 0x32 << "ComboBox_Security_WI_FI" << index << QVariant(3)
                                  << QVariant(1);
    QTest::newRow("security '3'") << 15 << 0x33 << "ComboBox_Security_WI_FI" << index << QVariant(0)
                                  << QVariant(2);
    QTest::newRow("security '4'") << 15 << 0x34 << "ComboBox_Security_WI_FI" << index << QVariant(0)
                                  << QVariant(3);
    QTest::newRow("security byte 3: as it was")
        << 15 << 3 << "ComboBox_Security_WI_FI" << index << QVariant(1) << QVariant(1);
    QTest::newRow("security '1': as it was")
        << 15 << 0x31 << "ComboBox_Security_WI_FI" << index << QVariant(2) << QVariant(2);
    QTest::newRow("off allowed 1") << 24 << 1 << "CheckBox_Available_OFF_device" << checked << QVariant(false)
                                   << QVariant(true);
    QTest::newRow("off allowed 0") << 24 << 0 << "CheckBox_Available_OFF_device" << checked << QVariant(true)
                                   << QVariant(false);
    QTest::newRow("off allowed 2: as it was")
        << 24 << 2 << "CheckBox_Available_OFF_device" << checked << QVariant(true) << QVariant(true);
    QTest::newRow("humidity sensor 1")
        << 26 << 1 << "CheckBox_Humidity_sensor" << checked << QVariant(false) << QVariant(true);
    QTest::newRow("relay sensor 1") << 27 << 1 << "CheckBox_External_sensor1" << checked << QVariant(false)
                                    << QVariant(true);
    QTest::newRow("analog sensor 0") << 28 << 0 << "CheckBox_External_sensor2" << checked << QVariant(true)
                                     << QVariant(false);
    QTest::newRow("direction 1: exhaust")
        << 25 << 1 << "RadioButton_Exhaust" << checked << QVariant(false) << QVariant(true);
    QTest::newRow("direction 0: supply")
        << 25 << 0 << "RadioButton_Supply" << checked << QVariant(false) << QVariant(true);
    QTest::newRow("direction 5: as it was")
        << 25 << 5 << "RadioButton_Exhaust" << checked << QVariant(true) << QVariant(true);
    QTest::newRow("scenario 1") << 43 << 1 << "RadioButton_Exhaust_MOX" << checked << QVariant(false)
                                << QVariant(true);
    QTest::newRow("scenario 0") << 43 << 0 << "RadioButton_Supply_Exhaust_MOX" << checked << QVariant(false)
                                << QVariant(true);
    QTest::newRow("humidity 70") << 29 << 70 << "TrackBar_Humidity_sensor" << position << QVariant(10)
                                 << QVariant(14);
    QTest::newRow("humidity 72") << 29 << 72 << "TrackBar_Humidity_sensor" << position << QVariant(10)
                                 << QVariant(14);
    QTest::newRow("humidity 73") << 29 << 73 << "TrackBar_Humidity_sensor" << position << QVariant(10)
                                 << QVariant(15);
    QTest::newRow("humidity 0: lowest")
        << 29 << 0 << "TrackBar_Humidity_sensor" << position << QVariant(10) << QVariant(8);
    QTest::newRow("humidity 255: highest")
        << 29 << 255 << "TrackBar_Humidity_sensor" << position << QVariant(10) << QVariant(16);
    QTest::newRow("analog 0: lowest")
        << 30 << 0 << "TrackBar_External_sensor2" << position << QVariant(10) << QVariant(1);
    QTest::newRow("analog 13") << 30 << 13 << "TrackBar_External_sensor2" << position << QVariant(10)
                               << QVariant(3);
    QTest::newRow("analog 255: highest")
        << 30 << 255 << "TrackBar_External_sensor2" << position << QVariant(10) << QVariant(20);
}

void ReadBackTest::oneByteReplies() {
    QFETCH(int, code);
    QFETCH(int, value);
    QFETCH(QString, control);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, before);
    QFETCH(QVariant, after);
    QuietUnitWindow w;
    auto* widget = w.form().findChild<QWidget*>(control);
    QVERIFY(widget);
    setBefore(widget, property, before);
    QCOMPARE(widget->property(property), before);

    sendReply(w.unit(), static_cast<std::uint8_t>(code), {static_cast<std::uint8_t>(value)});
    QVERIFY(settle(w.win));
    QCOMPARE(widget->property(property), after);
}

// A value outside the listed ones changes no control but is kept all the same.
void ReadBackTest::valuesOutsideTheListedOnesAreStillStored() {
    QuietUnitWindow w;
    constexpr std::uint8_t kOdd = 0xA7;
    const DeviceSettings& s = w.form().deviceSettings;
    const std::pair<std::uint8_t, const std::uint8_t*> fields[] = {
        {CmdDeviceMode, &s.DeviceMode},
        {CmdSlaveNumber, &s.SlaveNumber},
        {CmdSlaveDhcp, &s.SlaveDhcp},
        {CmdConnectionType, &s.ConnectionType},
        {CmdWifiChannel, &s.WifiChannel},
        {CmdSecurity, &s.SecurityCode},
        {CmdOffAllowed, &s.OffAllowed},
        {CmdDirection, &s.Direction},
        {CmdHumiditySensor, &s.HumiditySensorOn},
        {CmdRelaySensor, &s.RelaySensorOn},
        {CmdAnalogSensor, &s.AnalogSensorOn},
        {CmdHumidityThreshold, &s.HumidityThreshold},
        {CmdAnalogThreshold, &s.AnalogThreshold},
    };
    for (const auto& [code, field] : fields)
        sendReply(w.unit(), code, {kOdd});
    sendReply(w.unit(), CmdHumidityScenario, {kOdd});
    QVERIFY(settle(w.win));
    QCOMPARE(s.HumidityScenario, kOdd);
    for (const auto& [code, field] : fields)
        QVERIFY2(*field == kOdd, qPrintable(QStringLiteral("code %1").arg(code)));
    QVERIFY(w.form().RadioButton_master->isChecked());
}

void ReadBackTest::listChangeHandlersRunAfterEveryReply_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("value");
    QTest::newRow("security byte 3") << 15 << 3;
    QTest::newRow("security '0'") << 15 << 0x30;
    QTest::newRow("dhcp 2") << 9 << 2;
    QTest::newRow("dhcp 1") << 9 << 1;
}

// A selection set from code runs no change handler, so the reply runs it, also when it changed nothing.
void ReadBackTest::listChangeHandlersRunAfterEveryReply() {
    QFETCH(int, code);
    QFETCH(int, value);
    QuietUnitWindow w;
    TForm1& form = w.form();
    const bool security = code == CmdSecurity;
    QComboBox* list = security ? form.ComboBox_Security_WI_FI : form.ComboBox_IP_Slave;
    QWidget* follower = security ? static_cast<QWidget*>(form.Edit_Password) : form.JvIPAddress_IP_Slave;
    list->setCurrentIndex(0); // OPEN, DHCP: the handler disables the field
    follower->setEnabled(true);

    sendReply(w.unit(), static_cast<std::uint8_t>(code), {static_cast<std::uint8_t>(value)});
    QVERIFY(settle(w.win));
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(!follower->isEnabled());
}

void ReadBackTest::sliderHandlerRunsOnlyWhenThePositionChanges() {
    QuietUnitWindow w;
    QSlider* slider = w.form().TrackBar_Humidity_sensor;
    slider->setValue(14);
    QSignalSpy changed(slider, &QSlider::valueChanged);
    sendReply(w.unit(), CmdHumidityThreshold, {72});
    QVERIFY(settle(w.win));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(w.form().deviceSettings.HumidityThreshold, std::uint8_t{72});

    sendReply(w.unit(), CmdHumidityThreshold, {73});
    QVERIFY(settle(w.win));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 15);
}

void ReadBackTest::timeReplies_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::newRow("delay 5400") << 33 << 5400 << "JvTimeEdit_Timer_after_reacting_any_sensor"
                                << "01:30";
    QTest::newRow("delay 90000: days dropped") << 33 << 90000 << "JvTimeEdit_Timer_after_reacting_any_sensor"
                                               << "01:00";
    QTest::newRow("delay 59: seconds dropped") << 33 << 59 << "JvTimeEdit_Timer_after_reacting_any_sensor"
                                               << "00:00";
    QTest::newRow("night 86399") << 31 << 86399 << "JvTimeEdit_Timer_night_mode"
                                 << "23:59";
    QTest::newRow("party 16777215") << 32 << 16777215 << "JvTimeEdit_Timer_party_mode"
                                    << "04:20";
}

void ReadBackTest::timeReplies() {
    QFETCH(int, code);
    QFETCH(int, seconds);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QuietUnitWindow w;
    auto* edit = w.form().findChild<TimeEdit*>(field);
    QVERIFY(edit);
    edit->setText(QStringLiteral("12:34"));
    const auto s = static_cast<std::uint32_t>(seconds);
    sendReply(w.unit(), static_cast<std::uint8_t>(code),
              {static_cast<std::uint8_t>(s >> 16), static_cast<std::uint8_t>(s >> 8),
               static_cast<std::uint8_t>(s)});
    QVERIFY(settle(w.win));
    QCOMPARE(edit->text(), shown);
}

void ReadBackTest::addressReplies_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("field");
    QTest::newRow("slave") << 10 << "JvIPAddress_IP_Slave";
    QTest::newRow("master") << 11 << "JvIPAddress_IP_Master";
    QTest::newRow("gateway") << 47 << "JvGateway";
}

void ReadBackTest::addressReplies() {
    QFETCH(int, code);
    QFETCH(QString, field);
    QuietUnitWindow w;
    TForm1& form = w.form();
    auto* edit = form.findChild<IpAddressEdit*>(field);
    QVERIFY(edit);
    edit->setText(QStringLiteral("1.2.3.4"));
    if (code != CmdGateway) form.JvGateway->setText(QStringLiteral("10.9.8.7"));

    sendReply(w.unit(), static_cast<std::uint8_t>(code), {0xC0, 0xA8, 0x04, 0x02});
    QVERIFY(settle(w.win));
    QCOMPARE(edit->text(), QStringLiteral("192.168.4.2"));
    const std::u16string bytes{0xC0, 0xA8, 0x04, 0x02};
    const DeviceSettings& s = form.deviceSettings;
    QVERIFY((code == CmdSlaveIp ? s.SlaveIp : code == CmdMasterIp ? s.MasterIp : s.Gateway) == bytes);
    // showing the master's address is no key-up in its field: the gateway stays
    if (code != CmdGateway) QCOMPARE(form.JvGateway->text(), QStringLiteral("10.9.8.7"));
}

void ReadBackTest::modeReplyRunsAClickHandlerOnlyOnAChange() {
    QuietUnitWindow w;
    TForm1& form = w.form();
    QVERIFY(form.RadioButton_master->isChecked());
    QSignalSpy masterToggled(form.RadioButton_master, &QRadioButton::toggled);
    QSignalSpy slaveToggled(form.RadioButton_slave, &QRadioButton::toggled);

    sendReply(w.unit(), CmdDeviceMode, {1});
    QVERIFY(settle(w.win));
    QCOMPARE(masterToggled.count() + slaveToggled.count(), 0);
    QCOMPARE(readBackRequests(w.unit()), Bytes{CmdConnectionType});

    // a slave: the slave's groups show through its click handler
    sendReply(w.unit(), CmdDeviceMode, {0});
    QVERIFY(settle(w.win));
    QVERIFY(form.RadioButton_slave->isChecked());
    QCOMPARE(form.deviceSettings.DeviceMode, std::uint8_t{0});
    QVERIFY(form.Panel_Number_of_slave->isVisibleTo(form.Wi_Fi));
    QVERIFY(form.Panel_Wi_Fi_channel->isHidden());

    sendReply(w.unit(), CmdDeviceMode, {2});
    QVERIFY(settle(w.win));
    QVERIFY(form.RadioButton_slave->isChecked());
    QCOMPARE(form.deviceSettings.DeviceMode, std::uint8_t{2});
}

void ReadBackTest::connectionTypeReply_data() {
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("startWithRouter");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("withRouter");
    QTest::newRow("master, 2: no router") << true << true << 2 << false;
    QTest::newRow("master, 1: router") << true << false << 1 << true;
    QTest::newRow("master, 0: as it was") << true << false << 0 << false;
    QTest::newRow("slave, 2: nothing changes") << false << true << 2 << true;
    QTest::newRow("slave, 1: nothing changes") << false << false << 1 << false;
}

void ReadBackTest::connectionTypeReply() {
    QFETCH(bool, master);
    QFETCH(bool, startWithRouter);
    QFETCH(int, type);
    QFETCH(bool, withRouter);
    QuietUnitWindow w;
    TForm1& form = w.form();
    sendReply(w.unit(), CmdDeviceMode, {static_cast<std::uint8_t>(master ? 1 : 0)});
    QVERIFY(settle(w.win));
    (startWithRouter ? form.RadioButton_with_router : form.RadioButton_without_router)->setChecked(true);

    sendReply(w.unit(), CmdConnectionType, {static_cast<std::uint8_t>(type)});
    QVERIFY(settle(w.win));
    QCOMPARE(form.RadioButton_with_router->isChecked(), withRouter);
    QCOMPARE(form.RadioButton_without_router->isChecked(), !withRouter);
    QCOMPARE(form.deviceSettings.ConnectionType, static_cast<std::uint8_t>(type));
}

void ReadBackTest::networkNameReply_data() {
    QTest::addColumn<bool>("master");
    QTest::addColumn<Bytes>("payload");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("startWithRouter");
    QTest::addColumn<bool>("withRouter");
    QTest::newRow("slave, master's access point")
        << false << padded("BreezeKit_4F2A") << "BreezeKit_4F2A" << true << false;
    QTest::newRow("slave, prefix not at the start")
        << false << padded("My BreezeKit") << "My BreezeKit" << false << true;
    QTest::newRow("slave, other letter case")
        << false << padded("breezekit_1") << "breezekit_1" << false << true;
    QTest::newRow("slave, empty name") << false << Bytes{} << "" << false << true;
    QTest::newRow("master fills the name only")
        << true << padded("BreezeKit_1") << "BreezeKit_1" << true << true;
    QTest::newRow("latin-1 letters") << false << padded("Caf\xE9-5G") << QString::fromLatin1("Caf\xE9-5G")
                                     << false << true;
}

void ReadBackTest::networkNameReply() {
    QFETCH(bool, master);
    QFETCH(Bytes, payload);
    QFETCH(QString, shown);
    QFETCH(bool, startWithRouter);
    QFETCH(bool, withRouter);
    QuietUnitWindow w;
    TForm1& form = w.form();
    sendReply(w.unit(), CmdDeviceMode, {static_cast<std::uint8_t>(master ? 1 : 0)});
    QVERIFY(settle(w.win));
    (startWithRouter ? form.RadioButton_with_router : form.RadioButton_without_router)->setChecked(true);
    const DeviceSettings before = form.deviceSettings;

    sendReply(w.unit(), CmdSsid, payload);
    QVERIFY(settle(w.win));
    QCOMPARE(form.ComboBox_Wi_Fi_name->currentText(), shown);
    QCOMPARE(form.RadioButton_with_router->isChecked(), withRouter);
    QVERIFY(form.deviceSettings.Ssid == before.Ssid); // reply 6 fills only the control
}

void ReadBackTest::passwordReplyIsCutAtTheFirstZero() {
    QuietUnitWindow w;
    sendReply(w.unit(), CmdPassword, padded("secret-12"));
    QVERIFY(settle(w.win));
    QCOMPARE(w.form().Edit_Password->text(), QStringLiteral("secret-12"));
    QVERIFY(w.form().deviceSettings.Password == u"secret-12");
}

QTEST_MAIN(ReadBackTest)
#include "ReadBackTest.moc"
