#include "SimWindow.h"
#include "app/AccessibleNames.h"
#include "app/LogPattern.h"
#include "app/MessageBoxes.h"
#include "app/QtTranslations.h"
#include "app/WindowPlacement.h"
#include "screens/IpAddressEdit.h"
#include "screens/TimeEdit.h"
#include "text/LanguageSwitch.h"
#include "text/core/Languages.h"
#include "text/core/TextRows.h"
#include "text/core/TextTable.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

using namespace breezekit;
using breezekit::testing::SimWindow;

namespace {

// A style that asks for icons on dialog buttons, as some desktop themes do.
class IconButtonsStyle : public QProxyStyle {
  public:
    IconButtonsStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

QString accessibleName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// What a screen reader says for the input: its name, or on Linux for a combo box the name of the
// interface it is labelled by.
bool namedOrLabelledBy(QObject* input, const QString& caption) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(input);
    if (!iface) return false;
    if (iface->text(QAccessible::Name) == caption) return true;
    for (const auto& [other, relation] : iface->relations(QAccessible::Label))
        if (other->text(QAccessible::Name) == caption) return true;
    return false;
}

} // namespace

class AppShellTest : public QObject {
    Q_OBJECT
  private slots:
    void placement_data() {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("fits: centred") << QSize(730, 520) << QRect(0, 0, 1024, 768) << QPoint(147, 124);
        QTest::newRow("fits, panel on the left")
            << QSize(730, 520) << QRect(64, 0, 960, 768) << QPoint(179, 124);
        QTest::newRow("too tall: top edge, centred across")
            << QSize(730, 1100) << QRect(0, 30, 1024, 738) << QPoint(147, 30);
        QTest::newRow("too wide: left edge, centred down")
            << QSize(1500, 520) << QRect(0, 0, 1024, 768) << QPoint(0, 124);
        QTest::newRow("too large: top-left of the area")
            << QSize(1500, 1100) << QRect(40, 30, 1024, 738) << QPoint(40, 30);
        QTest::newRow("second screen, too large")
            << QSize(2000, 1400) << QRect(1920, 0, 1280, 1024) << QPoint(1920, 0);
        QTest::newRow("exactly the area") << QSize(1024, 768) << QRect(0, 0, 1024, 768) << QPoint(0, 0);
    }
    void placement() {
        QFETCH(QSize, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        const QPoint at = placeOnScreen(frame, available);
        QCOMPARE(at, expected);
        // The top-left corner is always on the available area.
        QVERIFY(available.contains(at));
    }

    void logLinesStartWithTheTimeOfDay() {
        qSetMessagePattern(QString::fromLatin1(kLogPattern));
        const QMessageLogContext context(nullptr, 0, nullptr, "breezekit.hid");
        const QString line = qFormatLogMessage(QtWarningMsg, context, QStringLiteral("udev: add hidraw3"));
        qSetMessagePattern(QString());
        static const QRegularExpression expected(
            QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d breezekit\\.hid: udev: add hidraw3$"));
        QVERIFY2(expected.match(line).hasMatch(), qPrintable(line));
    }

    void messageBoxButtonsHaveNoIcons_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("button");
        QTest::newRow("message") << int(QMessageBox::NoIcon) << int(QMessageBox::Ok);
        QTest::newRow("stop error") << int(QMessageBox::Critical) << int(QMessageBox::Ok);
        QTest::newRow("theme error") << int(QMessageBox::Critical) << int(QMessageBox::Close);
    }
    void messageBoxButtonsHaveNoIcons() {
        QFETCH(int, icon);
        QFETCH(int, button);
        IconButtonsStyle style;
        QWidget parent;
        parent.setStyle(&style);
        // Without the fix the style's icon is there: the check must be able to fail.
        QMessageBox plain(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok, &parent);
        plain.setStyle(&style);
        QVERIFY(plain.buttons().size() == 1);
        const auto box = messages::makeBox(&parent, QMessageBox::Icon(icon),
                                           QMessageBox::StandardButton(button), QStringLiteral("text"));
        QCOMPARE(box->buttons().size(), 1);
        for (QAbstractButton* b : box->buttons())
            QVERIFY(b->icon().isNull());
        QCOMPARE(box->icon(), QMessageBox::Icon(icon));
    }

    void qtTextsFollowTheLanguage() {
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(folder + QStringLiteral("/qtbase_de.qm")))
            QSKIP("qtbase_de.qm is not installed (package qt6-translations-l10n)");
        SimWindow w;
        w.form().languageSwitch().ComboBox_LanguageChange(German);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Rückgängig"));
        w.form().languageSwitch().ComboBox_LanguageChange(English);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
    }

    void everyQtLanguageFileLoads_data() {
        QTest::addColumn<int>("language");
        for (int language = 0; language < kLanguageCount; ++language)
            if (language != English)
                QTest::addRow("%s", kLanguages[static_cast<std::size_t>(language)].osCode.data()) << language;
    }
    void everyQtLanguageFileLoads() {
        QFETCH(int, language);
        const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") +
                             QtTranslations::localeOf(language) + QStringLiteral(".qm");
        if (!QFile::exists(file)) QSKIP(qPrintable(file + QStringLiteral(" is not installed")));
        QtTranslations translations;
        QVERIFY(translations.apply(language));
        QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QStringLiteral("&Undo"));
    }

    void inputsAreNamedAfterTheirGroups_data() {
        QTest::addColumn<int>("language");
        for (int language : {int(English), int(German), int(Chinese)})
            QTest::addRow("%s", kLanguages[static_cast<std::size_t>(language)].osCode.data()) << language;
    }
    void inputsAreNamedAfterTheirGroups() {
        QFETCH(int, language);
        SimWindow w;
        TForm1& f = w.form();
        f.languageSwitch().ComboBox_LanguageChange(language);
        const std::pair<QWidget*, QLabel*> inputs[] = {
            {f.ComboBox_Choose_device, f.Label_Choose_device},
            {f.ComboBox_Language, f.Label_Language},
            {f.ComboBox_Wi_Fi_name, f.Label_Wi_Fi_name},
            {f.ComboBox_Security_WI_FI, f.Label_type_security},
            {f.Edit_Password, f.Label_Password},
            {f.ComboBox_Wi_Fi_channel, f.Label_Wi_Fi_channel},
            {f.ComboBox_Number_Slave, f.Label_Number_Slave},
            {f.ComboBox_IP_Slave, f.Label_IP_Slave},
            {f.JvTimeEdit_Timer_after_reacting_any_sensor, f.Label_Turn_off_timer},
            {f.JvTimeEdit_Timer_night_mode, f.Label_Timer_night_mode},
            {f.JvTimeEdit_Timer_party_mode, f.Label_Timer_party_mode},
        };
        for (const auto& [input, label] : inputs) {
            QVERIFY(!label->text().isEmpty());
            QCOMPARE(input->accessibleName(), label->text());
            QVERIFY2(namedOrLabelledBy(input, label->text()), qPrintable(input->objectName()));
        }
        QCOMPARE(accessibleName(f.TrackBar_Humidity_sensor), f.CheckBox_Humidity_sensor->text());
        QCOMPARE(accessibleName(f.TrackBar_External_sensor2), f.CheckBox_External_sensor2->text());

        const QString pattern = QString::fromUtf8(textTableEntry(68, language));
        for (auto [field, label] :
             {std::pair{f.JvIPAddress_IP_Master, f.Label_IP_Master},
              std::pair{f.JvIPAddress_IP_Slave, f.Label_IP_Slave}, std::pair{f.JvGateway, f.Label_Gateway}})
            for (int i = 0; i < IpAddressEdit::kParts; ++i)
                QCOMPARE(accessibleName(field->part(i)), pattern.arg(label->text()).arg(i + 1).arg(4));
        if (language == English)
            QCOMPARE(accessibleName(f.JvIPAddress_IP_Master->part(0)),
                     f.Label_IP_Master->text() + QStringLiteral(", part 1 of 4"));
    }

    // The caption changes with the connection mode; the field's name must change with it.
    void thePasswordFieldIsNamedAfterTheModesCaption_data() {
        QTest::addColumn<bool>("master");
        QTest::addColumn<bool>("router");
        QTest::addColumn<int>("captionRow");
        QTest::newRow("slave, router") << false << true << int(kRowPassword);
        QTest::newRow("slave, no router") << false << false << int(kRowPassword);
        QTest::newRow("master, router") << true << true << int(kRowPassword);
        QTest::newRow("master, no router") << true << false << int(kRowNewPassword);
    }
    void thePasswordFieldIsNamedAfterTheModesCaption() {
        QFETCH(bool, master);
        QFETCH(bool, router);
        QFETCH(int, captionRow);
        SimWindow w;
        TForm1& f = w.form();
        // Away from the start mode first, so that every row is reached by a change.
        f.RadioButton_slave->setChecked(true);
        f.RadioButton_with_router->setChecked(true);
        (master ? f.RadioButton_master : f.RadioButton_slave)->setChecked(true);
        (router ? f.RadioButton_with_router : f.RadioButton_without_router)->setChecked(true);
        const QString caption = QString::fromUtf8(textTableEntry(captionRow, f.language.index));
        QCOMPARE(f.Label_Password->text(), caption);
        QCOMPARE(f.Edit_Password->accessibleName(), caption);
    }

    void thePasswordFieldIsAnnouncedAsOne() {
        SimWindow w;
        QLineEdit* edit = w.form().Edit_Password;
        edit->setText(QStringLiteral("secret99"));
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(edit);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::EditableText);
        QVERIFY(iface->state().passwordEdit);
        QVERIFY(iface->state().editable);
        QVERIFY(!iface->text(QAccessible::Value).contains(QStringLiteral("secret")));
        QCOMPARE(iface->text(QAccessible::Name), w.form().Label_Password->text());
        // Other line edits keep Qt's own interface.
        QAccessibleInterface* other = QAccessible::queryAccessibleInterface(w.form().JvGateway->part(0));
        QVERIFY(other);
        QVERIFY(!other->state().passwordEdit);
    }
};

QTEST_MAIN(AppShellTest)
#include "AppShellTest.moc"
