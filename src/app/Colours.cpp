#include "app/Colours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace breezekit {

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    // An editable combo paints its face through its line edit.
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
        combo->lineEdit()->setPalette(palette);
        combo->lineEdit()->setAutoFillBackground(true);
    }
}

} // namespace breezekit
