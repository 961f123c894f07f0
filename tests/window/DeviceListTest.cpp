#include "PaintedColour.h"
#include "SimWindow.h"
#include "UnitReplies.h"
#include "app/Colours.h"
#include "hid/device/HidController.h"
#include "hid/device/HidDevice.h"
#include "protocol/core/Commands.h"
#include "screens/StatusPanels.h"
#include "text/LanguageSwitch.h"
#include "text/core/Languages.h"
#include "text/core/TextRows.h"
#include "text/core/TextTable.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <thread>

using namespace breezekit;
using breezekit::testing::sendReply;
using breezekit::testing::SentCommand;
using breezekit::testing::SimWindow;

namespace {
const SentCommand kSerialRequest{{}, CmdRead, {CmdSerialNumber}};

QColor boxColour(TForm1& form) {
    return breezekit::testing::paintedColour(form.ComboBox_Choose_device);
}
QStringList itemTexts(QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}
std::vector<std::uint8_t> makeSerialReply(std::string_view serial, std::uint8_t lengthByte,
                                          std::size_t reportLength = testing::kUnitReportLength) {
    return testing::inputReport(CmdSerialNumber, testing::bytesOf(serial), reportLength, lengthByte);
}
} // namespace

class DeviceListTest : public QObject {
    Q_OBJECT
  private slots:
    void startsWithUnits_data();
    void startsWithUnits();
    void startsWithoutUnits();
    void emptyListTipFollowsLanguage_data();
    void emptyListTipFollowsLanguage();
    void guardedActionsWithoutUnit_data();
    void guardedActionsWithoutUnit();
    void keepsSelectionAcrossRebuild();
    void unplugsSelectedUnit();
    void lastUnitGoneClearsWindow();
    void ignoresReportsOfOtherUnits();
    void serialReply_data();
    void serialReply();
    void identificationOnlyUnit();
    void identificationOnlyUnitSelectedByRebuild();
    void oddReportLengths_data();
    void oddReportLengths();
    void shortInputReportsReadZeros();
    void handlerErrorDropsOnlyThatReport();
    void changeDuringRebuildScansOnceMore();
    void reportWaitingAtRebuildIsHandled();
};

void DeviceListTest::startsWithUnits_data() {
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("moxPanel");

    QTest::newRow("one Pavona") << QStringList{"Pavona"} << QStringList{"1. Pavona"} << false;
    QTest::newRow("one Pavona MOX") << QStringList{"Pavona MOX"} << QStringList{"1. Pavona MOX"} << true;
    QTest::newRow("MOX then Pavona") << QStringList{"Pavona MOX", "Pavona"}
                                     << QStringList{"1. Pavona MOX", "2. Pavona"} << true;
    QTest::newRow("other product string")
        << QStringList{"pavona mox", "Pavona"} << QStringList{"1. Pavona", "2. Pavona"} << false;
}

void DeviceListTest::startsWithUnits() {
    QFETCH(QStringList, products);
    QFETCH(QStringList, items);
    QFETCH(bool, moxPanel);

    std::vector<sim::FactoryParameters> units;
    for (int i = 0; i < products.size(); ++i)
        units.push_back(SimWindow::unitParameters(products[i].toStdU16String(), SimWindow::serialNumber(i)));
    SimWindow w(units);
    TForm1& form = w.form();

    QCOMPARE(itemTexts(form.ComboBox_Choose_device), items);
    QCOMPARE(form.ComboBox_Choose_device->currentIndex(), 0);
    QCOMPARE(form.ComboBox_Choose_device->currentText(), items[0]);
    QCOMPARE(boxColour(form), kGreen);
    QVERIFY(form.unitLink().CurrentDevice() == w.link().listedDevices().at(0));
    QCOMPARE(form.Panel_Direction_Fan_MOX->isHidden(), !moxPanel);
    QCOMPARE(form.Panel_Direction_Fan_Pavona->isHidden(), moxPanel);
    QTRY_COMPARE(form.Label_Serial_number->text(), QString::fromStdString(SimWindow::serialNumber(0)));
    QCOMPARE(w.commands(0), std::vector{kSerialRequest});
    for (std::size_t i = 1; i < units.size(); ++i)
        QVERIFY(w.commands(i).empty());
    QVERIFY(w.messages().isEmpty());
}

void DeviceListTest::startsWithoutUnits() {
    SimWindow w;
    TForm1& form = w.form();
    QCOMPARE(form.ComboBox_Choose_device->count(), 0);
    QCOMPARE(form.ComboBox_Choose_device->currentText(), w.text(kRowNoDevices));
    QCOMPARE(boxColour(form), kRed);
    QVERIFY(form.unitLink().CurrentDevice() == nullptr);
    QCOMPARE(form.Label_Serial_number->text(), QString());
    QCOMPARE(form.Panel_Wi_Fi_State_connection->text(), w.text(28));
    QCOMPARE(form.Panel_Master_State_connection->text(), w.text(30));
    QTest::mouseClick(form.Button_Get_current_parameters, Qt::LeftButton);
    QCOMPARE(w.messages(), QStringList{w.text(kRowPleaseSelectDevice)});
}

void DeviceListTest::emptyListTipFollowsLanguage_data() {
    QTest::addColumn<int>("language");
    for (int language = 0; language < kLanguageCount; ++language)
        QTest::addRow("%s", kLanguages[static_cast<std::size_t>(language)].osCode.data()) << language;
}

void DeviceListTest::emptyListTipFollowsLanguage() {
    QFETCH(int, language);
    SimWindow w;
    TForm1& form = w.form();
    form.languageSwitch().ComboBox_LanguageChange(language);
    const QString tip = QString::fromUtf8(textTableEntry(kRowNoUnitsTip, language));
    QCOMPARE(form.ComboBox_Choose_device->toolTip(), tip);

    // A listed unit takes the tip away; unplugged again, the list says where to look once more.
    auto unit = w.platform().plugUnit(SimWindow::unitParameters(u"Pavona", SimWindow::serialNumber(1)));
    QVERIFY(w.waitForRebuild());
    QCOMPARE(form.ComboBox_Choose_device->toolTip(), QString());
    w.platform().unplug(unit);
    QVERIFY(w.waitForRebuild());
    QCOMPARE(form.ComboBox_Choose_device->toolTip(), tip);
}

void DeviceListTest::guardedActionsWithoutUnit_data() {
    QTest::addColumn<QString>("button");
    for (const char* name :
         {"Button_Apply_Save_Wi_Fi", "Button_Apply_Save_Fan", "Button_Restore_default_parameters",
          "Button_Reset_filter_timer", "Button_Get_current_parameters", "Button_Search_Wi_Fi"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void DeviceListTest::guardedActionsWithoutUnit() {
    QFETCH(QString, button);
    SimWindow w;
    auto* action = w.form().findChild<QPushButton*>(button);
    QVERIFY(action != nullptr);
    QTest::mouseClick(action, Qt::LeftButton);
    QCOMPARE(w.messages(), QStringList{w.text(kRowPleaseSelectDevice)});
}

void DeviceListTest::keepsSelectionAcrossRebuild() {
    SimWindow w(2);
    TForm1& form = w.form();
    QTRY_COMPARE(form.Label_Serial_number->text(), QString::fromStdString(SimWindow::serialNumber(0)));
    w.clearCommands();

    // The user picks the second unit.
    form.ComboBox_Choose_device->setCurrentIndex(1);
    emit form.ComboBox_Choose_device->activated(1);
    QVERIFY(form.unitLink().CurrentDevice() == w.link().listedDevices().at(1));
    QVERIFY(form.Panel_Direction_Fan_MOX->isHidden());
    QCOMPARE(w.commands(1), std::vector{kSerialRequest});
    QTRY_COMPARE(form.Label_Serial_number->text(), QString::fromStdString(SimWindow::serialNumber(1)));

    // A mouse arrives: the list is rebuilt and the second unit stays selected, asked again.
    w.clearCommands();
    w.platform().plugMouse();
    QVERIFY(w.waitForRebuild());
    QCOMPARE(itemTexts(form.ComboBox_Choose_device), (QStringList{"1. Pavona MOX", "2. Pavona"}));
    QCOMPARE(form.ComboBox_Choose_device->currentIndex(), 1);
    QCOMPARE(form.unitLink().CurrentDevice()->identity(), w.unit(1).info().identity);
    QCOMPARE(boxColour(form), kGreen);
    QVERIFY(w.commands(0).empty());
    QCOMPARE(w.commands(1), std::vector{kSerialRequest});
    QVERIFY(!form.Panel_Direction_Fan_Pavona->isHidden());
}

void DeviceListTest::unplugsSelectedUnit() {
    SimWindow w(2);
    TForm1& form = w.form();
    w.clearCommands();
    w.platform().unplug(w.unitHandle(0));
    QVERIFY(w.waitForRebuild());
    QCOMPARE(itemTexts(form.ComboBox_Choose_device), QStringList{"1. Pavona"});
    QCOMPARE(form.unitLink().CurrentDevice()->identity(), w.unit(1).info().identity);
    QCOMPARE(w.commands(1), std::vector{kSerialRequest});
    QTRY_COMPARE(form.Label_Serial_number->text(), QString::fromStdString(SimWindow::serialNumber(1)));
    QVERIFY(!form.Panel_Direction_Fan_Pavona->isHidden());

    // Unplugged and plugged again between two scans: gone and new, a new identity.
    const std::string before = form.unitLink().CurrentDevice()->identity();
    auto again = w.platform().plugUnit(SimWindow::unitParameters(u"Pavona", "X"));
    w.platform().unplug(w.unitHandle(1));
    QVERIFY(w.waitForRebuild());
    QCOMPARE(form.ComboBox_Choose_device->count(), 1);
    QVERIFY(form.unitLink().CurrentDevice()->identity() != before);
    QCOMPARE(form.unitLink().CurrentDevice()->identity(), again->info().identity);
}

void DeviceListTest::lastUnitGoneClearsWindow() {
    SimWindow w(1);
    TForm1& form = w.form();
    QTRY_VERIFY(!form.Label_Serial_number->text().isEmpty());
    form.statusPanels().showFilterCount(12345);
    form.statusPanels().showWifiState(true);
    form.statusPanels().showMasterState(true);

    w.platform().unplug(w.unitHandle(0));
    QVERIFY(w.waitForRebuild());
    QCOMPARE(form.ComboBox_Choose_device->count(), 0);
    QCOMPARE(form.ComboBox_Choose_device->currentText(), w.text(kRowNoDevices));
    QCOMPARE(boxColour(form), kRed);
    QVERIFY(form.unitLink().CurrentDevice() == nullptr);
    QCOMPARE(form.Label_Serial_number->text(), QString());
    QCOMPARE(form.Panel_Wi_Fi_State_connection->text(), w.text(28));
    QCOMPARE(form.Panel_Master_State_connection->text(), w.text(30));
    QCOMPARE(form.statusPanels().lastFilterCount(), 0u);
    const QString zeros = w.text(37) + "00" + w.text(38) + "00" + w.text(39) + "00" + w.text(40) + "00";
    QCOMPARE(form.Label_Timer_filter->text(), zeros);
}

void DeviceListTest::ignoresReportsOfOtherUnits() {
    SimWindow w(2);
    TForm1& form = w.form();
    const QString first = QString::fromStdString(SimWindow::serialNumber(0));
    QTRY_COMPARE(form.Label_Serial_number->text(), first);

    int handled = 0;
    w.link().setReportHandler(CmdWifiState, [&](const InputReport&) { ++handled; });
    // Each unit has its own reader: nothing orders the two units' reports, so wait for the second's.
    int otherSerials = 0;
    int otherWifi = 0;
    HidController& controller = w.link().controller();
    controller.OnDeviceData = [&, forward = controller.OnDeviceData](HidDevice& device,
                                                                     const InputReport& report) {
        if (&device != w.link().CurrentDevice()) {
            otherSerials += report.serialNumber().find(u"OTHERUNIT") != std::u16string::npos ? 1 : 0;
            otherWifi += report.code() == CmdWifiState ? 1 : 0;
        }
        forward(device, report);
    };
    w.unit(1).sendInputReport(makeSerialReply("OTHERUNIT", 9));
    const std::vector<std::uint8_t> wifi = testing::inputReport(CmdWifiState);
    w.unit(1).sendInputReport(wifi);
    QTRY_VERIFY(otherSerials == 1 && otherWifi == 1);
    QCOMPARE(handled, 0);
    QCOMPARE(form.Label_Serial_number->text(), first);

    w.unit(0).sendInputReport(wifi);
    QTRY_COMPARE(handled, 1);
    QCOMPARE(form.Label_Serial_number->text(), first);
}

void DeviceListTest::serialReply_data() {
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<int>("lengthByte");
    QTest::addColumn<int>("reportLength");
    QTest::addColumn<QString>("shown");

    QTest::newRow("24 characters") << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWX") << 24 << 65
                                   << "ABCDEFGHIJKLMNOPQRSTUVWX";
    QTest::newRow("length 0") << QByteArray("ABCD") << 0 << 65 << "";
    QTest::newRow("shorter than its text") << QByteArray("ABCDEF") << 3 << 65 << "ABC";
    QTest::newRow("cut at a zero") << QByteArray("AB\0CD", 5) << 5 << 65 << "AB";
    QTest::newRow("length past the report") << QByteArray("ABCDEFGH") << 200 << 8 << "ABCDE";
    QTest::newRow("Latin-1 bytes") << QByteArray("\xC4\xFF") << 2 << 65 << QString::fromUtf8("Ä\u00FF");
}

void DeviceListTest::serialReply() {
    QFETCH(QByteArray, serial);
    QFETCH(int, lengthByte);
    QFETCH(int, reportLength);
    QFETCH(QString, shown);

    auto parameters = SimWindow::unitParameters(u"Pavona", "INITIAL");
    parameters.inputReportLength = reportLength;
    SimWindow w({parameters});
    TForm1& form = w.form();
    QTRY_COMPARE(form.Label_Serial_number->text(), QStringLiteral("INITIAL").left(reportLength - 3));

    const auto length = static_cast<std::size_t>(reportLength);
    w.unit(0).sendInputReport(
        makeSerialReply(std::string_view(serial.constData(), static_cast<std::size_t>(serial.size())),
                        static_cast<std::uint8_t>(lengthByte), length));
    // A report behind it shows when it has been dispatched.
    int seen = 0;
    w.link().setReportHandler(CmdWifiState, [&](const InputReport&) { ++seen; });
    w.unit(0).sendInputReport(testing::inputReport(CmdWifiState, {}, length));
    QTRY_COMPARE(seen, 1);
    QCOMPARE(form.Label_Serial_number->text(), shown);
}

void DeviceListTest::identificationOnlyUnit() {
    SimWindow w(1);
    sim::SimulatedPlatform* platform = &w.platform();
    TForm1& form = w.form();
    QTRY_VERIFY(!form.Label_Serial_number->text().isEmpty());
    form.statusPanels().showWifiState(true);
    form.statusPanels().showMasterState(true);

    auto locked = platform->plugUnit(SimWindow::unitParameters(u"Pavona MOX", "LOCKED"),
                                     sim::VirtualAccess::IdentificationOnly);
    QVERIFY(w.waitForRebuild());
    QCOMPARE(itemTexts(form.ComboBox_Choose_device), (QStringList{"1. Pavona MOX", "2. Pavona MOX"}));
    QCOMPARE(form.ComboBox_Choose_device->itemData(1, Qt::ToolTipRole).toString(), w.text(kRowNoAccess));
    QVERIFY(!form.ComboBox_Choose_device->itemData(0, Qt::ToolTipRole).isValid());
    QVERIFY(w.messages().isEmpty());
    // The tip follows a change of language.
    form.languageSwitch().ComboBox_LanguageChange(German);
    QCOMPARE(form.ComboBox_Choose_device->itemData(1, Qt::ToolTipRole).toString(),
             QString::fromUtf8(textTableEntry(kRowNoAccess, German)));
    form.languageSwitch().ComboBox_LanguageChange(English);

    form.ComboBox_Choose_device->setCurrentIndex(1);
    emit form.ComboBox_Choose_device->activated(1);
    QCOMPARE(form.Label_Serial_number->text(), QString());
    QCOMPARE(form.Panel_Wi_Fi_State_connection->text(), w.text(28));
    QCOMPARE(form.Panel_Master_State_connection->text(), w.text(30));
    QCOMPARE(breezekit::testing::paintedColour(form.Panel_Wi_Fi_State_connection), kRed);
    QCOMPARE(breezekit::testing::paintedColour(form.Panel_Master_State_connection), kRed);
    QVERIFY(locked->receivedReports().empty());
    // Posted, not shown from inside the selection.
    QVERIFY(w.messages().isEmpty());
    QTRY_COMPARE(w.messages(), QStringList{w.text(kRowNoAccess)});

    // Once per unit: a rebuild that keeps it selected shows nothing more.
    w.platform().plugMouse();
    QVERIFY(w.waitForRebuild());
    QCOMPARE(form.ComboBox_Choose_device->currentIndex(), 1);
    bool later = false;
    QTimer::singleShot(0, this, [&] { later = true; });
    QTRY_VERIFY(later);
    QCOMPARE(w.messages().size(), 1);
}

void DeviceListTest::identificationOnlyUnitSelectedByRebuild() {
    SimWindow w;
    int shownDuringRebuild = -1;
    connect(&w.form().deviceList(), &DeviceList::deviceListRebuilt, this,
            [&] { shownDuringRebuild = static_cast<int>(w.messages().size()); });
    w.platform().plugUnit(SimWindow::unitParameters(u"Pavona", "LOCKED"),
                          sim::VirtualAccess::IdentificationOnly);
    QVERIFY(w.waitForRebuild());
    QCOMPARE(w.form().ComboBox_Choose_device->currentIndex(), 0);
    QCOMPARE(shownDuringRebuild, 0);
    QTRY_COMPARE(w.messages(), QStringList{w.text(kRowNoAccess)});
    QCOMPARE(w.form().Label_Serial_number->text(), QString());
}

void DeviceListTest::oddReportLengths_data() {
    QTest::addColumn<int>("inputLength");
    QTest::addColumn<int>("outputLength");
    QTest::addColumn<bool>("usable");

    QTest::newRow("no output report") << 65 << 0 << false;
    QTest::newRow("3 bytes out") << 65 << 3 << false;
    QTest::newRow("4 bytes out") << 65 << 4 << true;
    QTest::newRow("65 bytes out") << 65 << 65 << true;
    QTest::newRow("66 bytes out") << 65 << 66 << false;
    QTest::newRow("1025 bytes out") << 65 << 1025 << false;
    QTest::newRow("no input report") << 0 << 65 << false;
    QTest::newRow("3 bytes in") << 3 << 65 << false;
    QTest::newRow("4 bytes in") << 4 << 65 << true;
}

// A unit whose reports cannot carry the protocol is listed, but said to be one the program cannot talk to.
void DeviceListTest::oddReportLengths() {
    QFETCH(int, inputLength);
    QFETCH(int, outputLength);
    QFETCH(bool, usable);
    auto parameters = SimWindow::unitParameters(u"Pavona", SimWindow::serialNumber(0));
    parameters.inputReportLength = inputLength;
    parameters.outputReportLength = outputLength;
    SimWindow w({parameters});
    TForm1& form = w.form();
    QCOMPARE(form.ComboBox_Choose_device->count(), 1);
    QVERIFY(form.unitLink().CurrentDevice() != nullptr);
    const QString cannotTalk = w.text(kRowUnusableUnit).arg(inputLength).arg(outputLength);
    if (usable) {
        QCOMPARE(w.unit(0).receivedReports().size(), 1u);
        QCOMPARE(w.unit(0).receivedReports()[0].bytes.size(), static_cast<std::size_t>(outputLength));
        QVERIFY(!form.ComboBox_Choose_device->itemData(0, Qt::ToolTipRole).isValid());
        QVERIFY(w.messages().isEmpty());
    } else {
        QCOMPARE(form.ComboBox_Choose_device->itemData(0, Qt::ToolTipRole).toString(), cannotTalk);
        QTRY_COMPARE(w.messages(), QStringList{cannotTalk});
        QCOMPARE(form.Panel_Wi_Fi_State_connection->text(), w.text(kRowWifiDisconnected));
    }
}

void DeviceListTest::shortInputReportsReadZeros() {
    auto parameters = SimWindow::unitParameters(u"Pavona", "S");
    parameters.inputReportLength = 5;
    SimWindow w({parameters});
    std::vector<std::uint8_t> seen;
    std::u16string text;
    w.link().setReportHandler(CmdWifiState, [&](const InputReport& report) {
        for (int k = 1; k <= 4; ++k)
            seen.push_back(report.payloadByte(k));
        text = report.text();
    });
    w.unit(0).sendInputReport(std::vector<std::uint8_t>{1, CmdWifiState, 2, 0x11, 0x22});
    QTRY_COMPARE(seen.size(), 4u);
    QCOMPARE(seen, (std::vector<std::uint8_t>{0x11, 0x22, 0, 0}));
    QVERIFY(text == u"\x11\x22");
}

void DeviceListTest::handlerErrorDropsOnlyThatReport() {
    SimWindow w(1);
    TForm1& form = w.form();
    QTRY_VERIFY(!form.Label_Serial_number->text().isEmpty());
    w.link().setReportHandler(CmdDeviceMode,
                              [](const InputReport&) { throw std::runtime_error("bad report"); });
    w.unit(0).sendInputReport(testing::inputReport(CmdDeviceMode));
    w.unit(0).sendInputReport(makeSerialReply("AFTER", 5));
    QTRY_COMPARE(form.Label_Serial_number->text(), QStringLiteral("AFTER"));
}

void DeviceListTest::changeDuringRebuildScansOnceMore() {
    SimWindow w(1);
    std::shared_ptr<sim::VirtualInterface> second;
    int rebuilds = 0;
    connect(&w.form().deviceList(), &DeviceList::deviceListRebuilt, this, [&] {
        if (++rebuilds != 1) return;
        // The platform reports a unit arriving while the list is being rebuilt.
        second = w.platform().plugUnit(SimWindow::unitParameters(u"Pavona", "SECOND"));
        w.link().controller().deviceChangeNotification();
    });
    w.platform().plugMouse();
    w.link().controller().deviceChangeNotification();
    QCOMPARE(rebuilds, 2);
    QCOMPARE(w.link().listedDevices().size(), 2u);
    QCOMPARE(w.link().listedDevices()[1]->identity(), second->info().identity);
}

void DeviceListTest::reportWaitingAtRebuildIsHandled() {
    SimWindow w(1);
    // The serial reply is read and handled first.
    QTRY_VERIFY(w.unit(0).reportsRead() == 1 && !w.form().Label_Serial_number->text().isEmpty());
    int handled = 0;
    w.link().setReportHandler(CmdWifiState, [&](const InputReport&) { ++handled; });
    const int readBefore = w.unit(0).reportsRead();
    sendReply(w.unit(0), CmdWifiState, {1});
    // The reader has the report and waits in the hand-over; the event loop has not run since. The
    // deadline only stops a hang: a loaded machine under ThreadSanitizer has taken more than 5 s here.
    const QDeadlineTimer deadline(30000);
    while (w.unit(0).reportsRead() == readBefore && !deadline.hasExpired())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    QVERIFY2(w.unit(0).reportsRead() != readBefore, "the reader never took the report");
    // Any device plugged, a mouse say, rebuilds the list before the report's turn comes.
    w.platform().plugMouse();
    w.link().controller().deviceChangeNotification();
    QCOMPARE(handled, 1);
}

QTEST_MAIN(DeviceListTest)
#include "DeviceListTest.moc"
