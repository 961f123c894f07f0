#include "app/FormBuilder.h"

#include <QAbstractButton>
#include <QFrame>
#include <QTabWidget>
#include <QTextLayout>
#include <QVariant>
#include <algorithm>

namespace breezekit::form {

QFont captionFont(Caption caption, bool ninePoint) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(ninePoint ? 12 : 11);
    font.setBold(caption == Caption::Bold || caption == Caption::BoldUnderlined);
    font.setUnderline(caption == Caption::Underlined || caption == Caption::BoldUnderlined);
    return font;
}

QLabel* centredLabel(QWidget* parent, const char* name, int x, int y, int w, int h, Caption caption,
                     bool ninePoint) {
    auto* label = place<QLabel>(parent, name, x, y, w, h);
    // A line with Chinese glyphs is taller than the label; anchored at the bottom it keeps its underline.
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    if (caption != Caption::Plain || ninePoint) label->setFont(captionFont(caption, ninePoint));
    return label;
}

QLabel* autoSizedLabel(QWidget* parent, const char* name, int x, int y) {
    auto* label = place<QLabel>(parent, name, x, y, 1, 1);
    label->adjustSize();
    return label;
}

void setAutoSizedText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
    fitHeightToInk(label);
}

void fitHeightToInk(QLabel* label) {
    const QString text = label->text();
    // Framed panels have room to spare; several lines are laid out by the label itself.
    if (text.isEmpty() || label->frameShape() != QFrame::NoFrame || text.contains(QLatin1Char('\n'))) return;
    const QFont font = label->font();
    const QFontMetrics metrics(font);
    // Relative to the baseline; a line with Chinese glyphs inks rows above the font's own ascent.
    QRect ink = metrics.boundingRect(text);
    if (font.underline())
        ink |= QRect(ink.left(), metrics.underlinePos(), ink.width(), metrics.lineWidth() + 1);
    // The label puts the baseline one line ascent below its top, the ascent of every font the line uses.
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int baseline = qRound(line.ascent());
    label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    label->setContentsMargins(0, 1 - baseline - ink.top(), 0, 0);
    label->resize(label->width(), ink.height() + 2);
}

void fitLabelHeights(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>())
        fitHeightToInk(label);
}

void setFittedText(QLabel* label, const QString& text) {
    constexpr int kSmallestPixelSize = 8;
    static constexpr char kBaseSize[] = "breezekitBasePixelSize";
    if (!label->property(kBaseSize).isValid()) label->setProperty(kBaseSize, label->font().pixelSize());
    QFont font = label->font();
    if (label->property(kBaseSize).toInt() <= 0) {
        label->setText(text); // a font sized in points is left as it is
        fitHeightToInk(label);
        return;
    }
    font.setPixelSize(label->property(kBaseSize).toInt());
    label->setContentsMargins(0, 0, 0, 0);
    const int room = label->contentsRect().width();
    while (font.pixelSize() > kSmallestPixelSize && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    label->setText(text);
    fitHeightToInk(label);
}

QString twoLineCaption(const QString& caption, const QFontMetrics& metrics) {
    QString best = caption;
    int bestWidth = -1;
    for (const QChar separator : {QLatin1Char(' '), QLatin1Char('-')}) {
        for (qsizetype at = caption.indexOf(separator); at >= 0; at = caption.indexOf(separator, at + 1)) {
            // A space goes away at the break; a hyphen stays at the end of the first line.
            const QString first = separator == QLatin1Char(' ') ? caption.left(at) : caption.left(at + 1);
            const QString second = caption.mid(at + 1);
            if (first.trimmed().isEmpty() || second.trimmed().isEmpty()) continue;
            const int width = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
            if (bestWidth < 0 || width < bestWidth) {
                bestWidth = width;
                best = first + QLatin1Char('\n') + second;
            }
        }
        if (bestWidth >= 0) break;
    }
    return best;
}

void writeCaptions(QWidget* root, const std::function<QString(int)>& texts) {
    for (QWidget* control : root->findChildren<QWidget*>()) {
        const QVariant row = control->property("textRow");
        if (!row.isValid()) continue;
        const QString text = texts(row.toInt());
        if (auto* label = qobject_cast<QLabel*>(control)) {
            setFittedText(label, text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            const bool twoLines = control->property("twoLineCaption").toBool();
            button->setText(twoLines ? twoLineCaption(text, button->fontMetrics()) : text);
        } else if (QWidget* stack = control->parentWidget()) {
            // A tab widget keeps its pages in a stack of its own.
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setTabText(tabs->indexOf(control), text);
        }
    }
}

QFrame* framedPanel(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* panel = place<QFrame>(parent, name, x, y, w, h);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

} // namespace breezekit::form
