#include "app/FormBuilder.h"

#include <QFrame>

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
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
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
}

QFrame* framedPanel(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* panel = place<QFrame>(parent, name, x, y, w, h);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

} // namespace breezekit::form
