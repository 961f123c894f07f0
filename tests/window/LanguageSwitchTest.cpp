#include "text/LanguageSwitch.h"

#include "ShellWindow.h"
#include "SimWindow.h"
#include "app/Fonts.h"
#include "app/Theme.h"
#include "screens/StatusPanels.h"
#include "text/core/TextTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace breezekit;
using breezekit::testing::pick;
using breezekit::testing::ShellWindow;
using breezekit::testing::SimWindow;

namespace {

QString entry(int row, int language) {
    return QString::fromUtf8(textTableEntry(row, language));
}

} // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT

  private:
    // Every caption that the window's controls show, each with the room it has.
    static void checkCaptionsFit(TForm1& f, const QString& where);

  private slots:
    void initTestCase() {
        QVERIFY(registerWindowFont());
        QVERIFY(theme::apply(QStringLiteral("Sky")));
    }

    void aPickIsStoredAndSwitchesEveryCaption() {
        ShellWindow w("1");
        TForm1& f = w.form();
        pick(f.ComboBox_Language, German);
        QCOMPARE(w.settings().storedLanguage(), std::optional<int>(German));
        QCOMPARE(f.language.index, German);
        QVERIFY(w.shown.isEmpty());
        QCOMPARE(f.Label_Choose_device->text(), QStringLiteral("Gerät wählen"));
        QCOMPARE(f.ComboBox_Choose_device->currentText(), QStringLiteral("   Keine Geräte"));
        QCOMPARE(f.Panel_Wi_Fi_State_connection->text(), entry(28, German));
        QCOMPARE(f.Panel_Master_State_connection->text(), entry(30, German));
        QCOMPARE(f.PageControl->tabText(0), entry(9, German));
        QCOMPARE(f.PageControl->tabText(3), entry(44, German));
        QCOMPARE(f.Button_Apply_Save_Fan->text(), entry(31, German));
        QCOMPARE(f.Label_Humidity_sensor->text(), QStringLiteral("70 %RF"));
        QCOMPARE(f.Label_Versio_of_program->text(), QStringLiteral("Version: 1.1.2"));
        QCOMPARE(f.Label_Create_By->text(), QStringLiteral("Entwickelt von: ZEPHA"));
        QCOMPARE(f.Label_Direction_MOX->text(), QStringLiteral("Szenario für Feuchteregelung :"));
        QCOMPARE(f.RadioButton_Exhaust_MOX->text(), entry(61, German));
        QCOMPARE(f.RadioButton_Supply_Exhaust_MOX->text(), entry(60, German));
        // Neither items nor the window caption are texts of a language.
        QCOMPARE(f.ComboBox_IP_Slave->itemText(1), QStringLiteral("Static"));
        QCOMPARE(f.ComboBox_Language->itemText(German), QStringLiteral("DEU"));
        QCOMPARE(f.windowTitle(), QStringLiteral("ZEPHA BreezeKit"));
        QCOMPARE(f.Label_External_sensor2->text(), QStringLiteral("50 %"));
    }

    void aSelectionByTheProgramStoresNothing() {
        ShellWindow w("1");
        w.form().ComboBox_Language->setCurrentIndex(Chinese);
        QCOMPARE(w.settings().storedLanguage(), std::optional<int>(English));
        QCOMPARE(w.form().language.index, English);
        QCOMPARE(w.form().Label_Choose_device->text(), QStringLiteral("Select device"));
    }

    void aFailedWriteKeepsTheLanguageAndItsItem() {
        ShellWindow w(std::nullopt, ShellWindow::Store::Unusable);
        TForm1& f = w.form();
        const quint8 before = f.language.index;
        const QString heading = f.Label_Choose_device->text();
        const int other = before == Russian ? Polish : Russian;
        pick(f.ComboBox_Language, other);
        QCOMPARE(w.shown.size(), 1);
        QCOMPARE(w.shown[0].kind, messages::Shown::Kind::StopError);
        QCOMPARE(w.shown[0].text, QStringLiteral("Failed to set data for 'Number of language'"));
        QCOMPARE(f.language.index, before);
        QCOMPARE(f.Label_Choose_device->text(), heading);
        QCOMPARE(f.ComboBox_Language->currentIndex(), int(before));
    }

    // Row 19 only for a master without router, as the connection-mode rules have it.
    void thePasswordCaptionFollowsTheConnectionMode_data() {
        QTest::addColumn<bool>("slave");
        QTest::addColumn<bool>("withRouter");
        QTest::addColumn<int>("row");
        QTest::newRow("master, no router") << false << false << 19;
        QTest::newRow("master, router") << false << true << 20;
        QTest::newRow("slave, no router") << true << false << 20;
        QTest::newRow("slave, router") << true << true << 20;
    }
    void thePasswordCaptionFollowsTheConnectionMode() {
        QFETCH(bool, slave);
        QFETCH(bool, withRouter);
        QFETCH(int, row);
        ShellWindow w("1");
        TForm1& f = w.form();
        (withRouter ? f.RadioButton_with_router : f.RadioButton_without_router)->setChecked(true);
        (slave ? f.RadioButton_slave : f.RadioButton_master)->setChecked(true);
        for (int language : {Norwegian, English}) {
            pick(f.ComboBox_Language, language);
            QCOMPARE(f.Label_Password->text(), entry(row, language));
        }
    }

    void theHumidityLabelShowsTheSlidersPosition_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");
        QTest::newRow("start") << 14 << QStringLiteral("70 %RF") << QStringLiteral("70 %RH");
        QTest::newRow("12") << 12 << QStringLiteral("60 %RF") << QStringLiteral("60 %RH");
        QTest::newRow("minimum") << 8 << QStringLiteral("40 %RF") << QStringLiteral("40 %RH");
        QTest::newRow("maximum") << 16 << QStringLiteral("80 %RF") << QStringLiteral("80 %RH");
    }
    void theHumidityLabelShowsTheSlidersPosition() {
        QFETCH(int, position);
        QFETCH(QString, german);
        QFETCH(QString, english);
        ShellWindow w("1");
        TForm1& f = w.form();
        f.TrackBar_Humidity_sensor->setValue(position);
        pick(f.ComboBox_Language, German);
        QCOMPARE(f.Label_Humidity_sensor->text(), german);
        pick(f.ComboBox_Language, English);
        QCOMPARE(f.Label_Humidity_sensor->text(), english);
        QCOMPARE(f.TrackBar_Humidity_sensor->value(), position);
        // The label sizes itself to every new text.
        QCOMPARE(f.Label_Humidity_sensor->width(), f.Label_Humidity_sensor->sizeHint().width());
    }

    void theFilterCounterKeepsTheLastCountInTheNewLanguage_data() {
        QTest::addColumn<quint32>("count");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("shown");
        constexpr quint32 kCount = 1 * 86400 + 2 * 3600 + 3 * 60 + 4;
        QTest::newRow("Danish") << kCount << int(Danish)
                                << QStringLiteral("Dage01    Timer02    Minutter03    Sekunder04");
        QTest::newRow("Norwegian") << kCount << int(Norwegian)
                                   << QStringLiteral("Dager01    Timer02    Minutter03    Sekunder04");
        QTest::newRow("Russian") << kCount << int(Russian)
                                 << QStringLiteral("Дней: 01    Часов: 02    Минут: 03    Секунд: 04");
        QTest::newRow("none received")
            << quint32(0) << int(Polish) << QStringLiteral("Dni00    Godzin00    Minut00    Sekund00");
    }
    void theFilterCounterKeepsTheLastCountInTheNewLanguage() {
        QFETCH(quint32, count);
        QFETCH(int, language);
        QFETCH(QString, shown);
        ShellWindow w("1");
        TForm1& f = w.form();
        f.statusPanels().showFilterCount(count);
        pick(f.ComboBox_Language, language);
        QCOMPARE(f.Label_Timer_filter->text(), shown);
    }

    void polishShowsItsOwnSerialNumberHeading() {
        ShellWindow w("6");
        QCOMPARE(w.form().Label_S_N->text(), QStringLiteral("C/H"));
        QCOMPARE(w.form().Label_Choose_device->text(), QStringLiteral("Wybierz urządzenie"));
    }

    // With a unit selected the status replies own the panels, and the combo shows the unit.
    void aSelectedUnitKeepsItsEntryAndStatusTexts() {
        SimWindow w(1);
        TForm1& f = w.form();
        QVERIFY(f.unitLink().CurrentDevice());
        const QString unitEntry = f.ComboBox_Choose_device->currentText();
        QVERIFY(!unitEntry.isEmpty());
        f.statusPanels().showWifiState(true);
        f.statusPanels().showMasterState(false);
        pick(f.ComboBox_Language, Russian);
        QCOMPARE(f.Label_Choose_device->text(), entry(0, Russian));
        QCOMPARE(f.ComboBox_Choose_device->currentText(), unitEntry);
        QCOMPARE(f.Panel_Wi_Fi_State_connection->text(), entry(27, English));
        QCOMPARE(f.Panel_Master_State_connection->text(), entry(30, English));
    }

    void searchWrapsOntoTwoLines_data() {
        QTest::addColumn<int>("language");
        for (int language = 0; language < kLanguageCount; ++language)
            QTest::newRow(qPrintable(entry(12, language))) << language;
    }
    void searchWrapsOntoTwoLines() {
        QFETCH(int, language);
        ShellWindow w(QByteArray::number(language));
        const QString caption = w.form().Button_Search_Wi_Fi->text();
        QCOMPARE(caption.count(QLatin1Char('\n')), 1);
        QString joined = caption;
        joined.replace(QLatin1Char('\n'), QLatin1Char(' '));
        QCOMPARE(joined.simplified().remove(QLatin1Char(' ')), entry(12, language).remove(QLatin1Char(' ')));
    }

    // What gives way is the wording of the translations, and where the wording is fixed, the font.
    void noCaptionIsClippedInAnyLanguage_data() {
        QTest::addColumn<int>("language");
        for (int language = 0; language < kLanguageCount; ++language)
            QTest::newRow(qPrintable(QString::number(language) + QLatin1Char(' ') + entry(43, language)))
                << language;
    }
    void noCaptionIsClippedInAnyLanguage() {
        QFETCH(int, language);
        ShellWindow w(QByteArray::number(language));
        TForm1& f = w.form();
        f.statusPanels().showFilterCount(194 * 86400 + 23 * 3600 + 59 * 60 + 59);
        f.TrackBar_Humidity_sensor->setValue(16);
        checkCaptionsFit(f, QStringLiteral("master, no router"));
        if (QTest::currentTestFailed()) return;
        f.RadioButton_with_router->setChecked(true);
        f.statusPanels().showWifiState(true);
        f.statusPanels().showMasterState(true);
        pick(f.ComboBox_Language, language);
        checkCaptionsFit(f, QStringLiteral("master, router, connected"));
    }
};

void LanguageSwitchTest::checkCaptionsFit(TForm1& f, const QString& where) {
    auto fail = [&](QWidget* control, const QString& text, int need, int room) {
        return QStringLiteral("%1 (%2): \"%3\" needs %4 px, has %5")
            .arg(control->objectName(), where, text)
            .arg(need)
            .arg(room)
            .toUtf8();
    };
    for (QLabel* label : f.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->parentWidget() == nullptr) continue;
        const int need = label->fontMetrics().horizontalAdvance(label->text());
        if (label->alignment().testFlag(Qt::AlignHCenter)) {
            QVERIFY2(need <= label->contentsRect().width(),
                     fail(label, label->text(), need, label->contentsRect().width()).constData());
        } else {
            // A label that sizes itself must stay inside its parent.
            const int room = label->parentWidget()->width() - label->x();
            QVERIFY2(label->width() >= need && label->width() <= room,
                     fail(label, label->text(), need, room).constData());
        }
    }
    for (QAbstractButton* button : f.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty()) continue;
        if (qobject_cast<QPushButton*>(button)) {
            const int margins =
                2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                     button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
            const QStringList lines = button->text().split(QLatin1Char('\n'));
            for (const QString& line : lines) {
                const int need = button->fontMetrics().horizontalAdvance(line) + margins;
                QVERIFY2(need <= button->width(), fail(button, line, need, button->width()).constData());
            }
            const int height = int(lines.size()) * button->fontMetrics().height();
            QVERIFY2(height <= button->height(),
                     fail(button, button->text(), height, button->height()).constData());
        } else {
            // The text is drawn into what the indicator leaves of the control, and clipped there.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const auto contents = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                      : QStyle::SE_CheckBoxContents;
            const int room = button->style()->subElementRect(contents, &option, button).width();
            const int need = button->fontMetrics().horizontalAdvance(button->text());
            QVERIFY2(need <= room, fail(button, button->text(), need, room).constData());
        }
    }
    QTabBar* tabs = f.PageControl->tabBar();
    const int tabsWidth = tabs->sizeHint().width();
    QVERIFY2(tabsWidth <= f.PageControl->width(),
             fail(f.PageControl, f.PageControl->tabText(0), tabsWidth, f.PageControl->width()).constData());
    QLineEdit* deviceText = f.ComboBox_Choose_device->lineEdit();
    const int need = deviceText->fontMetrics().horizontalAdvance(deviceText->text()) + 4;
    QVERIFY2(need <= deviceText->width(),
             fail(f.ComboBox_Choose_device, deviceText->text(), need, deviceText->width()).constData());
}

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
