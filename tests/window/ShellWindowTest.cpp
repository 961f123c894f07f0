#include "ShellWindow.h"

#include "PaintedColour.h"
#include "app/Fonts.h"
#include "app/Theme.h"
#include "screens/IpAddressEdit.h"
#include "screens/StatusPanels.h"
#include "screens/TimeEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace breezekit;
using breezekit::testing::paintedColour;
using breezekit::testing::ShellWindow;

class ShellWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // The service program's box is modal: its event loop must find nothing started that touches a unit.
    void nothingTouchesAUnitWhileTheServiceBoxIsOpen() {
        QTemporaryDir dir;
        const auto path = [&](const char* name) {
            return dir.filePath(QString::fromLatin1(name)).toStdString();
        };
        FileLockMarker service(path("service.lock"));
        QCOMPARE(service.hold(), FileLockMarker::Hold::Taken);
        sim::SimulatedPlatform platform;
        const auto unit = platform.plugUnit();
        SettingsStore settings(dir.filePath(QStringLiteral("settings.conf")));
        FlockInstanceMarkers markers(path("user.lock"), path("service.lock"));
        int boxes = 0;
        messages::setHookForTests([&](const messages::Shown&) {
            ++boxes;
            QEventLoop loop;
            QTimer::singleShot(1500, &loop, &QEventLoop::quit);
            loop.exec();
        });
        const auto unhook = qScopeGuard([] { messages::setHookForTests(nullptr); });
        TForm1 form({platform, settings, markers});
        QCOMPARE(form.FormCreate(), TForm1::StartOutcome::Exit);
        QCOMPARE(boxes, 1);
        QVERIFY(unit->receivedReports().empty());
        QCOMPARE(form.ComboBox_Choose_device->count(), 0);
        QVERIFY(!form.Timer3->isActive());
    }

    void initTestCase() {
        registerWindowFont();
        QVERIFY(theme::apply(QStringLiteral("Sky")));
    }

    void theWindowIsFixedAndCaptioned() {
        ShellWindow w;
        TForm1& f = w.form();
        QCOMPARE(w.outcome, TForm1::StartOutcome::Run);
        QCOMPARE(f.objectName(), QStringLiteral("Form1"));
        QCOMPARE(f.windowTitle(), QStringLiteral("ZEPHA BreezeKit"));
        QCOMPARE(f.size(), QSize(728, 488));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!f.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(w.shown.isEmpty());
    }

    // The start-up edge case: before the first device list, in English.
    void theStartStateBeforeTheFirstDeviceList() {
        ShellWindow w("1");
        TForm1& f = w.form();
        QCOMPARE(f.language.index, 1);
        QCOMPARE(f.ComboBox_Language->currentText(), QStringLiteral("ENG"));
        QCOMPARE(f.ComboBox_Choose_device->count(), 0);
        QCOMPARE(f.ComboBox_Choose_device->currentText(), QStringLiteral("   No devices"));
        QCOMPARE(f.PageControl->currentWidget(), f.Wi_Fi);
        for (TimeEdit* field : {f.JvTimeEdit_Timer_after_reacting_any_sensor, f.JvTimeEdit_Timer_night_mode,
                                f.JvTimeEdit_Timer_party_mode})
            QCOMPARE(field->text(), QStringLiteral("00:00"));
        QCOMPARE(f.Label_Humidity_sensor->text(), QStringLiteral("70 %RH"));
        QCOMPARE(f.Label_External_sensor2->text(), QStringLiteral("50 %"));
        QCOMPARE(f.Label_Serial_number->text(), QString(24, QLatin1Char('F')));
        QCOMPARE(f.Panel_Wi_Fi_State_connection->text(), QStringLiteral("Wi-Fi Disconnected"));
        QCOMPARE(f.Panel_Master_State_connection->text(), QStringLiteral("Master Disconnected"));
        QCOMPARE(f.Label_Timer_filter->text(),
                 QStringLiteral("Days: 00    Hours: 00    Minutes: 00    Seconds: 00"));
        QCOMPARE(f.Label_Password->text(), QStringLiteral("New Wi-Fi password (8 - 60 characters)"));
        QCOMPARE(f.Label_Versio_of_program->text(), QStringLiteral("Version: 1.1.2"));
        QCOMPARE(f.VersionText, QStringLiteral("1.1.2"));
        QCOMPARE(f.Label_Create_By->text(), QStringLiteral("Developed by: ZEPHA"));
        const QStringList tabs{QStringLiteral("Wi-Fi"), QStringLiteral("Fan"), QStringLiteral("Filter"),
                               QStringLiteral("Information")};
        for (int i = 0; i < tabs.size(); ++i)
            QCOMPARE(f.PageControl->tabText(i), tabs[i]);
    }

    // A master without router sees only the security-and-password group and the channel group.
    void onlyTheGroupsOfAMasterWithoutRouterShow() {
        ShellWindow w;
        TForm1& f = w.form();
        QStringList shownGroups;
        for (QFrame* group : f.Wi_Fi->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
            if (group->isVisibleTo(f.Wi_Fi)) shownGroups << group->objectName();
        shownGroups.sort();
        QCOMPARE(shownGroups,
                 (QStringList{QStringLiteral("Panel_Password"), QStringLiteral("Panel_Wi_Fi_channel")}));
        QVERIFY(f.Label_type_security->isVisibleTo(f.Wi_Fi));
        QVERIFY(f.ComboBox_Security_WI_FI->isVisibleTo(f.Wi_Fi));
        QVERIFY(f.Panel_Direction_Fan_Pavona->isVisibleTo(f.Fan));
        QVERIFY(!f.Panel_Direction_Fan_MOX->isVisibleTo(f.Fan));
    }

    void theControlsHoldTheirStartValues() {
        ShellWindow w;
        TForm1& f = w.form();
        QVERIFY(f.RadioButton_master->isChecked());
        QVERIFY(!f.RadioButton_slave->isChecked());
        QVERIFY(f.RadioButton_without_router->isChecked());
        QVERIFY(!f.RadioButton_with_router->isChecked());
        QVERIFY(f.RadioButton_Supply->isChecked());
        QVERIFY(f.RadioButton_Exhaust_MOX->isChecked());
        for (QCheckBox* box : {f.CheckBox_Available_OFF_device, f.CheckBox_Humidity_sensor,
                               f.CheckBox_External_sensor1, f.CheckBox_External_sensor2})
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
        QCOMPARE(f.ComboBox_Security_WI_FI->currentText(), QStringLiteral("WPA_WPA2_PSK"));
        QCOMPARE(f.ComboBox_Wi_Fi_channel->currentText(), QStringLiteral("11"));
        QCOMPARE(f.ComboBox_Number_Slave->currentText(), QStringLiteral("1"));
        QCOMPARE(f.ComboBox_Number_Slave->count(), 32);
        QCOMPARE(f.ComboBox_IP_Slave->currentText(), QStringLiteral("DHCP"));
        QCOMPARE(f.JvIPAddress_IP_Slave->text(), QStringLiteral("192.168.0.3"));
        QVERIFY(!f.JvIPAddress_IP_Slave->isEnabled());
        QCOMPARE(f.JvIPAddress_IP_Master->text(), QStringLiteral("192.168.0.2"));
        QCOMPARE(f.JvGateway->text(), QStringLiteral("192.168.0.1"));
        QVERIFY(f.Edit_Password->isEnabled());
        QVERIFY(f.Edit_Password->text().isEmpty());
        QCOMPARE(f.Edit_Password->maxLength(), 60);
        QCOMPARE(f.ComboBox_Wi_Fi_name->lineEdit()->maxLength(), 32);
        QCOMPARE(f.ComboBox_Wi_Fi_name->count(), 0);
        for (QComboBox* editable : {f.ComboBox_Choose_device, f.ComboBox_Wi_Fi_name})
            QCOMPARE(editable->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(f.TrackBar_Humidity_sensor->value(), 14);
        QCOMPARE(f.TrackBar_External_sensor2->value(), 10);
        QVERIFY(f.Timer3->isActive());
        QVERIFY(!f.Timer1->isActive());
        QVERIFY(!f.Timer2->isActive());
    }

    // The theme must leave the program's own colours and the captions' fonts alone.
    void theThemeKeepsTheProgramsColoursAndFonts() {
        ShellWindow w;
        TForm1& f = w.form();
        const QColor red(0xFF, 0x00, 0x00);
        const QColor green(0x00, 0xFF, 0x00);
        const QList<QPoint> comboFace{{150, 6}, {160, 14}, {170, 10}};
        const QList<QPoint> panelFace{{6, 6}, {158, 6}, {6, 25}, {158, 25}, {80, 4}};
        QCOMPARE(paintedColour(f.ComboBox_Choose_device, comboFace), red);
        QCOMPARE(paintedColour(f.Panel_Wi_Fi_State_connection, panelFace), red);
        QCOMPARE(paintedColour(f.Panel_Master_State_connection, panelFace), red);
        f.statusPanels().showWifiState(true);
        f.statusPanels().showMasterState(true);
        QCOMPARE(paintedColour(f.Panel_Wi_Fi_State_connection, panelFace), green);
        QCOMPARE(paintedColour(f.Panel_Master_State_connection, panelFace), green);
        QVERIFY(paintedColour(f.Panel_Password, {{6, 6}, {300, 50}, {380, 5}}) != red);

        for (QLabel* heading : {f.Label_Choose_device, f.Label_Choose_device_mode,
                                f.Label_Choose_type_of_connection, f.Label_Language}) {
            QVERIFY(heading->font().bold());
            QVERIFY(heading->font().underline());
            QCOMPARE(heading->font().pixelSize(), 12);
        }
        QCOMPARE(f.Label_Wi_Fi_name->font().pixelSize(), 11);
        QVERIFY(f.Button_Get_current_parameters->font().bold());
    }

    void aStoredChoiceOverridesTheSystemLanguage() {
        ShellWindow w("3");
        TForm1& f = w.form();
        QCOMPARE(f.language.index, 3);
        QCOMPARE(f.ComboBox_Language->currentText(), QStringLiteral("УКР"));
        QCOMPARE(f.Label_Choose_device->text(), QStringLiteral("Виберіть пристрій"));
        QCOMPARE(f.ComboBox_Choose_device->currentText(), QStringLiteral("   Немає пристроїв"));
    }

    void aStoreThatIsUnusableOrHoldsNoLanguageLeavesTheSystemLanguage_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("unusable");
        QTest::newRow("8") << QByteArray("8") << false;
        QTest::newRow("-1") << QByteArray("-1") << false;
        QTest::newRow("word") << QByteArray("Russian") << false;
        QTest::newRow("fraction") << QByteArray("2.0") << false;
        QTest::newRow("unusable location") << QByteArray() << true;
    }
    void aStoreThatIsUnusableOrHoldsNoLanguageLeavesTheSystemLanguage() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, unusable);
        ShellWindow plain;
        ShellWindow w(stored, unusable ? ShellWindow::Store::Unusable : ShellWindow::Store::Usable);
        QCOMPARE(w.outcome, TForm1::StartOutcome::Run);
        QCOMPARE(w.form().language.index, plain.form().language.index);
        QVERIFY(w.shown.isEmpty());
    }

    void theStoreExistsAfterStartWithoutAValue() {
        ShellWindow w;
        QVERIFY(QFile::exists(w.settings().fileName()));
        QCOMPARE(w.settings().storedLanguage(), std::nullopt);
    }

    void theVersionFollowsTheLanguage_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("version");
        QTest::newRow("English") << QByteArray("1") << QStringLiteral("Version: 1.1.2");
        QTest::newRow("Russian") << QByteArray("0") << QStringLiteral("Версия: 1.1.2");
        QTest::newRow("Chinese") << QByteArray("2") << QStringLiteral("版本: 1.1.2");
    }
    void theVersionFollowsTheLanguage() {
        QFETCH(QByteArray, language);
        QFETCH(QString, version);
        ShellWindow w(language);
        w.form().PageControl->setCurrentWidget(w.form().Information);
        QCOMPARE(w.form().Label_Versio_of_program->text(), version);
    }
};

QTEST_MAIN(ShellWindowTest)
#include "ShellWindowTest.moc"
