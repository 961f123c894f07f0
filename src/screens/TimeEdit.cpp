#include "screens/TimeEdit.h"

namespace breezekit {

TimeEdit::TimeEdit(QWidget* parent) : QLineEdit(parent) {
    setInputMask(QStringLiteral("99:99"));
    setText(QStringLiteral("00:00"));
}

int TimeEdit::hours() const {
    return text().left(2).toInt();
}

int TimeEdit::minutes() const {
    return text().mid(3, 2).toInt();
}

} // namespace breezekit
