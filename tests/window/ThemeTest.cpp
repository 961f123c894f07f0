#include "app/Theme.h"

#include "app/MessageBoxes.h"

#include <QApplication>
#include <QStyle>
#include <QTest>

using namespace breezekit;

class ThemeTest : public QObject {
    Q_OBJECT

  private:
    QList<messages::Shown> shown_;

  private slots:
    void init() {
        shown_.clear();
        messages::setHookForTests([this](const messages::Shown& box) { shown_.append(box); });
    }
    void cleanup() { messages::setHookForTests(nullptr); }

    void theSkyThemeIsBuiltIn() {
        const std::optional<theme::Theme> sky = theme::find(QStringLiteral("Sky"));
        QVERIFY(sky.has_value());
        QCOMPARE(sky->style, QStringLiteral("Fusion"));
        // A light theme: dark text on light faces and fields.
        for (auto [face, text] :
             {std::pair{QPalette::Window, QPalette::WindowText},
              std::pair{QPalette::Button, QPalette::ButtonText}, std::pair{QPalette::Base, QPalette::Text}}) {
            QVERIFY(sky->palette.color(face).lightness() > 200);
            QVERIFY(sky->palette.color(text).lightness() < 60);
        }
        QVERIFY(sky->palette.color(QPalette::Disabled, QPalette::Text) != sky->palette.color(QPalette::Text));
    }

    void applyingSkyChangesTheWholeApplicationQuietly() {
        // A dark system palette: the theme must not let any of it through.
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x24, 0x24, 0x24)));
        QVERIFY(theme::apply(QStringLiteral("Sky")));
        QVERIFY(shown_.isEmpty());
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        const QPalette expected = theme::find(QStringLiteral("Sky"))->palette;
        QCOMPARE(expected.color(QPalette::Window), QColor(0xF0, 0xF0, 0xF0));
        for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::Base,
                          QPalette::Highlight, QPalette::Mid, QPalette::ToolTipBase})
            QCOMPARE(QApplication::palette().color(role), expected.color(role));
    }

    void aMissingThemeReportsItsNameAndKeepsTheLook_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown") << QStringLiteral("NoSuchTheme");
        QTest::newRow("wrong case") << QStringLiteral("sky");
        QTest::newRow("empty") << QString();
    }
    void aMissingThemeReportsItsNameAndKeepsTheLook() {
        QFETCH(QString, name);
        QVERIFY(!theme::find(name).has_value());
        const QString styleBefore = QApplication::style()->name();
        const QColor windowBefore = QApplication::palette().color(QPalette::Window);

        QVERIFY(!theme::apply(name));

        QCOMPARE(shown_.size(), 1);
        QCOMPARE(shown_[0].kind, messages::Shown::Kind::ThemeError);
        QCOMPARE(shown_[0].text, QStringLiteral("Style '%1' not found").arg(name));
        QCOMPARE(QApplication::style()->name(), styleBefore);
        QCOMPARE(QApplication::palette().color(QPalette::Window), windowBefore);
    }
};

QTEST_MAIN(ThemeTest)
#include "ThemeTest.moc"
