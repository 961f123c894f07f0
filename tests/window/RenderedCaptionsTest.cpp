// Captions as they are drawn: every caption's ink against what is behind it, and every label's ink
// inside its own rows, in every language on a light and on a dark system palette.
#include "SimWindow.h"
#include "app/Fonts.h"
#include "app/Theme.h"
#include "text/LanguageSwitch.h"
#include "text/core/Languages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <cmath>

using namespace breezekit;
using breezekit::testing::SimWindow;

namespace {

double luminance(QRgb rgb) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkSystemPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x24, 0x24, 0x24));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    return dark;
}

// The caption's text, whichever widget carries it.
QString captionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    return static_cast<QAbstractButton*>(w)->text();
}
void setCaption(QWidget* w, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else
        static_cast<QAbstractButton*>(w)->setText(text);
}

struct Ink {
    QImage with;
    QImage without;
    // Rows of the widget, top to bottom, that hold a pixel the caption changed; -1 without ink.
    int firstRow = -1;
    int lastRow = -1;
    double lowestContrast = 0; // of the strongest ink pixel against the same pixel without the caption
};

// The widget's own rectangle as the window draws it, with its caption and without.
Ink inkOf(QWidget& window, QWidget* w) {
    const QRect rect(w->mapTo(&window, QPoint(0, 0)), w->size());
    Ink ink;
    ink.with = window.grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
    const QString caption = captionOf(w);
    // Sizes stay: a label's height is set once for its caption.
    const QSize size = w->size();
    setCaption(w, QString());
    w->resize(size);
    ink.without = window.grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
    setCaption(w, caption);
    w->resize(size);
    double strongest = 0;
    for (int y = 0; y < ink.with.height(); ++y)
        for (int x = 0; x < ink.with.width(); ++x) {
            const QRgb a = ink.with.pixel(x, y);
            const QRgb b = ink.without.pixel(x, y);
            if (a == b) continue;
            if (ink.firstRow < 0) ink.firstRow = y;
            ink.lastRow = y;
            strongest = std::max(strongest, contrast(a, b));
        }
    ink.lowestContrast = strongest;
    return ink;
}

} // namespace

class RenderedCaptionsTest : public QObject {
    Q_OBJECT
  private:
    QPalette startPalette_;

  private slots:
    void initTestCase() {
        registerWindowFont();
        startPalette_ = QApplication::palette();
    }

    void captionsReadAndFit_data() {
        QTest::addColumn<bool>("darkSystem");
        QTest::addColumn<int>("language");
        for (bool dark : {false, true})
            for (int language = 0; language < kLanguageCount; ++language)
                QTest::addRow("%s, %s", dark ? "dark" : "light",
                              kLanguages[static_cast<std::size_t>(language)].osCode.data())
                    << dark << language;
    }
    void captionsReadAndFit() {
        QFETCH(bool, darkSystem);
        QFETCH(int, language);
        // The system's palette first, then the program's theme over it, as at start-up.
        QApplication::setPalette(darkSystem ? darkSystemPalette() : startPalette_);
        QVERIFY(theme::apply(QString::fromLatin1(theme::kSky)));
        SimWindow w(2);
        TForm1& f = w.form();
        f.languageSwitch().ComboBox_LanguageChange(language);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        // Every panel shown once: the connection modes and the unit model hide some of them.
        const QList<QWidget*> pages{f.Wi_Fi, f.Fan, f.Filter, f.Information};
        // Panels that never overlap the others are all shown; the rest in turns, as the modes show them.
        for (QWidget* panel : std::initializer_list<QWidget*>{
                 f.Panel_Wi_Fi_name, f.Panel_Number_of_slave, f.Panel_Master_State_connection,
                 f.Panel_Wi_Fi_State_connection, f.Panel_IP_Slave})
            panel->show();
        const std::pair<QWidget*, QWidget*> turns[] = {
            {nullptr, nullptr},
            {f.Panel_Direction_Fan_Pavona, f.Panel_Direction_Fan_MOX},
            {f.Panel_Wi_Fi_channel, f.Panel_IP_Master}};
        double lowest = 1e9;
        QString lowestName;
        int measured = 0;
        for (const auto& [hide, show] : turns) {
            if (hide) hide->hide();
            if (show) show->show();
            for (QWidget* page : pages) {
                f.PageControl->setCurrentWidget(page);
                QList<QWidget*> captions;
                for (QLabel* l : f.findChildren<QLabel*>())
                    captions << l;
                for (QAbstractButton* b : f.findChildren<QAbstractButton*>())
                    if (qobject_cast<QRadioButton*>(b) || b->inherits("QCheckBox")) captions << b;
                for (QWidget* c : captions) {
                    if (!c->isVisibleTo(&f) || captionOf(c).trimmed().isEmpty()) continue;
                    // Greyed-out text is exempt from the contrast rule, and the address fields' dots
                    // are part of an input, not captions.
                    if (!c->isEnabled() || c->objectName().isEmpty()) continue;
                    if (c->window() != &f || !c->visibleRegion().boundingRect().isValid()) continue;
                    const Ink ink = inkOf(f, c);
                    QVERIFY2(ink.firstRow >= 0, qPrintable(c->objectName() + " draws nothing"));
                    ++measured;
                    if (ink.lowestContrast < lowest) {
                        lowest = ink.lowestContrast;
                        lowestName = c->objectName();
                    }
                    if (auto* label = qobject_cast<QLabel*>(c)) {
                        const QString where = QStringLiteral("%1 \"%2\": ink rows %3..%4 of %5")
                                                  .arg(c->objectName(), label->text())
                                                  .arg(ink.firstRow)
                                                  .arg(ink.lastRow)
                                                  .arg(c->height());
                        QVERIFY2(ink.firstRow > 0 && ink.lastRow < c->height() - 1, qPrintable(where));
                    }
                }
            }
        }
        QVERIFY(measured > 20);
        qInfo("lowest caption contrast %.2f:1 (%s), %d captions", lowest, qPrintable(lowestName), measured);
        QVERIFY2(lowest >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(lowestName).arg(lowest)));
    }
};

QTEST_MAIN(RenderedCaptionsTest)
#include "RenderedCaptionsTest.moc"
