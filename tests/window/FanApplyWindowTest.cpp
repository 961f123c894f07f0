#include "SimWindow.h"
#include "protocol/core/Commands.h"
#include "screens/TimeEdit.h"
#include "sim/VirtualUnit.h"
#include "text/core/TextTable.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace breezekit;
using breezekit::testing::SentCommand;
using breezekit::testing::SimWindow;

namespace {
constexpr int kRowRelativeHumidity = 36;
constexpr int kRowSelectDevice = 55;

using Bytes = std::vector<std::uint8_t>;
using Commands = std::vector<SentCommand>;

SentCommand cmd(std::uint8_t code, Bytes payload) {
    return {{}, code, std::move(payload)};
}

struct FanControls {
    bool boxes;    // all four check boxes
    bool exhaust;  // RadioButton_Exhaust, else RadioButton_Supply
    bool scenario; // RadioButton_Exhaust_MOX, else RadioButton_Supply_Exhaust_MOX
    int humidity;  // slider positions
    int analog;
    const char* times[3]; // turn-off delay, night, party
};

void fill(TForm1& form, const FanControls& page) {
    for (QCheckBox* box : {form.CheckBox_Available_OFF_device, form.CheckBox_Humidity_sensor,
                           form.CheckBox_External_sensor1, form.CheckBox_External_sensor2})
        box->setChecked(page.boxes);
    (page.exhaust ? form.RadioButton_Exhaust : form.RadioButton_Supply)->setChecked(true);
    (page.scenario ? form.RadioButton_Exhaust_MOX : form.RadioButton_Supply_Exhaust_MOX)->setChecked(true);
    form.TrackBar_Humidity_sensor->setValue(page.humidity);
    form.TrackBar_External_sensor2->setValue(page.analog);
    form.JvTimeEdit_Timer_after_reacting_any_sensor->setText(QString::fromLatin1(page.times[0]));
    form.JvTimeEdit_Timer_night_mode->setText(QString::fromLatin1(page.times[1]));
    form.JvTimeEdit_Timer_party_mode->setText(QString::fromLatin1(page.times[2]));
}
} // namespace

Q_DECLARE_METATYPE(FanControls)

class FanApplyWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void sendsTheGroupAndTheUnitHoldsIt_data();
    void sendsTheGroupAndTheUnitHoldsIt();
    void sliderLabels_data();
    void sliderLabels();
    void withoutAUnitOnlyTheGuardsMessage();
};

void FanApplyWindowTest::sendsTheGroupAndTheUnitHoldsIt_data() {
    QTest::addColumn<FanControls>("page");
    QTest::addColumn<Commands>("expected");
    QTest::newRow("boxes cleared, sliders at their low ends")
        << FanControls{false, false, false, 8, 1, {"01:30", "23:59", "00:00"}}
        << Commands{cmd(CmdWriteSession, {1}),
                    cmd(CmdOffAllowed, {0}),
                    cmd(CmdDirection, {0}),
                    cmd(CmdHumiditySensor, {0}),
                    cmd(CmdRelaySensor, {0}),
                    cmd(CmdAnalogSensor, {0}),
                    cmd(CmdHumidityThreshold, {40}),
                    cmd(CmdAnalogThreshold, {5}),
                    cmd(CmdTurnOffDelay, {0x00, 0x15, 0x18}),
                    cmd(CmdNightTimer, {0x01, 0x51, 0x44}),
                    cmd(CmdPartyTimer, {0, 0, 0}),
                    cmd(CmdHumidityScenario, {0}),
                    cmd(CmdWriteSession, {0})};
    QTest::newRow("boxes checked, sliders at their high ends, Exhaust")
        << FanControls{true, true, true, 16, 20, {"00:00", "00:01", "12:00"}}
        << Commands{cmd(CmdWriteSession, {1}),
                    cmd(CmdOffAllowed, {1}),
                    cmd(CmdDirection, {1}),
                    cmd(CmdHumiditySensor, {1}),
                    cmd(CmdRelaySensor, {1}),
                    cmd(CmdAnalogSensor, {1}),
                    cmd(CmdHumidityThreshold, {80}),
                    cmd(CmdAnalogThreshold, {100}),
                    cmd(CmdTurnOffDelay, {0, 0, 0}),
                    cmd(CmdNightTimer, {0x00, 0x00, 0x3C}),
                    cmd(CmdPartyTimer, {0x00, 0xA8, 0xC0}),
                    cmd(CmdHumidityScenario, {1}),
                    cmd(CmdWriteSession, {0})};
}

void FanApplyWindowTest::sendsTheGroupAndTheUnitHoldsIt() {
    QFETCH(FanControls, page);
    QFETCH(Commands, expected);
    SimWindow w(2); // the "Pavona MOX" is selected: its scenario panel is shown, the direction is hidden
    TForm1& form = w.form();
    fill(form, page);
    w.clearCommands();
    QTest::mouseClick(form.Button_Apply_Save_Fan, Qt::LeftButton);
    QVERIFY(w.messages().isEmpty());
    QCOMPARE(w.commands(0), expected);

    const sim::VirtualUnit& unit = *w.unit(0).unit();
    QCOMPARE(unit.writeSessionFlags(), (Bytes{1, 0}));
    for (const SentCommand& sent : expected)
        if (sent.code != CmdWriteSession) QCOMPARE(unit.value(sent.code), sent.payload);

    const std::uint8_t flag = page.boxes ? 1 : 0;
    const DeviceSettings& s = form.deviceSettings;
    QCOMPARE(s.OffAllowed, flag);
    QCOMPARE(s.HumiditySensorOn, flag);
    QCOMPARE(s.RelaySensorOn, flag);
    QCOMPARE(s.AnalogSensorOn, flag);
    QCOMPARE(s.Direction, std::uint8_t(page.exhaust ? 1 : 0));
    QCOMPARE(s.HumidityScenario, std::uint8_t(page.scenario ? 1 : 0));
    QCOMPARE(s.HumidityThreshold, std::uint8_t(0)); // thresholds are not stored by the Apply
}

void FanApplyWindowTest::sliderLabels_data() {
    QTest::addColumn<bool>("humidity");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label"); // empty: the handler did not run
    const QString rh = QString::fromUtf8(textTableEntry(kRowRelativeHumidity, English));
    const QString rf = QString::fromUtf8(textTableEntry(kRowRelativeHumidity, German));
    QTest::newRow("humidity left end") << true << int(English) << 8 << 8 << QStringLiteral("40") + rh;
    QTest::newRow("humidity, German") << true << int(German) << 16 << 16 << QStringLiteral("80") + rf;
    QTest::newRow("humidity below the range") << true << int(English) << 3 << 8 << QStringLiteral("40") + rh;
    QTest::newRow("humidity above the range")
        << true << int(English) << 99 << 16 << QStringLiteral("80") + rh;
    QTest::newRow("humidity unchanged") << true << int(English) << 14 << 14 << QString();
    QTest::newRow("0-10 V right end") << false << int(German) << 20 << 20 << QStringLiteral("100 %");
    QTest::newRow("0-10 V left end") << false << int(English) << 1 << 1 << QStringLiteral("5 %");
    QTest::newRow("0-10 V below the range") << false << int(English) << 0 << 1 << QStringLiteral("5 %");
    QTest::newRow("0-10 V unchanged") << false << int(English) << 10 << 10 << QString();
}

void FanApplyWindowTest::sliderLabels() {
    QFETCH(bool, humidity);
    QFETCH(int, language);
    QFETCH(int, value);
    QFETCH(int, position);
    QFETCH(QString, label);
    SimWindow w;
    TForm1& form = w.form();
    form.language.index = static_cast<quint8>(language);
    QSlider* slider = humidity ? form.TrackBar_Humidity_sensor : form.TrackBar_External_sensor2;
    QLabel* caption = humidity ? form.Label_Humidity_sensor : form.Label_External_sensor2;
    caption->setText(QStringLiteral("mark"));
    slider->setValue(value);
    QCOMPARE(slider->value(), position);
    QCOMPARE(caption->text(), label.isEmpty() ? QStringLiteral("mark") : label);
}

void FanApplyWindowTest::withoutAUnitOnlyTheGuardsMessage() {
    SimWindow w;
    w.form().CheckBox_Humidity_sensor->setChecked(false);
    QTest::mouseClick(w.form().Button_Apply_Save_Fan, Qt::LeftButton);
    QCOMPARE(w.messages(), QStringList{w.text(kRowSelectDevice)});
    QCOMPARE(w.form().deviceSettings, DeviceSettings{});
}

QTEST_MAIN(FanApplyWindowTest)
#include "FanApplyWindowTest.moc"
