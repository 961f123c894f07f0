#include "app/FormBuilder.h"

#include "app/Fonts.h"

#include <QTest>

using namespace breezekit;

class FormBuilderTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { registerWindowFont(); }

    void aCaptionBreaksWhereBothLinesStayShortest_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("lines");
        QTest::newRow("two words") << QStringLiteral("Search Wi-Fi") << QStringLiteral("Search\nWi-Fi");
        QTest::newRow("Chinese") << QStringLiteral("搜索 Wi-Fi") << QStringLiteral("搜索\nWi-Fi");
        QTest::newRow("balanced") << QStringLiteral("ab cd ef gh") << QStringLiteral("ab cd\nef gh");
        QTest::newRow("spaces before hyphens")
            << QStringLiteral("Szukaj Wi-Fi") << QStringLiteral("Szukaj\nWi-Fi");
        QTest::newRow("hyphen only") << QStringLiteral("WLAN-Suche") << QStringLiteral("WLAN-\nSuche");
        QTest::newRow("one word") << QStringLiteral("Search") << QStringLiteral("Search");
        QTest::newRow("edge spaces") << QStringLiteral(" Search ") << QStringLiteral(" Search ");
        QTest::newRow("leading space") << QStringLiteral(" Search Wi-Fi") << QStringLiteral(" Search\nWi-Fi");
        QTest::newRow("empty") << QString() << QString();
    }
    void aCaptionBreaksWhereBothLinesStayShortest() {
        QFETCH(QString, caption);
        QFETCH(QString, lines);
        QCOMPARE(form::twoLineCaption(caption, QFontMetrics(form::captionFont(form::Caption::Plain, false))),
                 lines);
    }

    // The font gives way only as far as needed, and comes back with a text that fits.
    void aFixedLabelShrinksItsFontOnlyToFit() {
        QWidget parent;
        QLabel* label =
            form::centredLabel(&parent, "Label", 0, 0, 60, 14, form::Caption::BoldUnderlined, true);
        auto fits = [&](int pixels) {
            QFont font = label->font();
            font.setPixelSize(pixels);
            return QFontMetrics(font).horizontalAdvance(label->text()) <= label->contentsRect().width();
        };

        form::setFittedText(label, QStringLiteral("Language"));
        QCOMPARE(label->font().pixelSize(), 12);

        form::setFittedText(label, QStringLiteral("Languages"));
        const int shrunk = label->font().pixelSize();
        QVERIFY(shrunk < 12);
        QVERIFY(fits(shrunk));
        QVERIFY(!fits(shrunk + 1));
        QVERIFY(label->font().bold() && label->font().underline());

        form::setFittedText(label, QStringLiteral("A much longer caption than this label can hold"));
        QCOMPARE(label->font().pixelSize(), 8);

        form::setFittedText(label, QStringLiteral("Sprog"));
        QCOMPARE(label->font().pixelSize(), 12);
        QCOMPARE(label->text(), QStringLiteral("Sprog"));
    }
};

QTEST_MAIN(FormBuilderTest)
#include "FormBuilderTest.moc"
