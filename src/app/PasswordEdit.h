#pragma once

#include <QLineEdit>

namespace breezekit {

// The Wi-Fi password field: a line edit that shows its text, with a class of its own so that its
// accessible interface (AccessibleNames.cpp) announces it as a password field.
class PasswordEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;
};

} // namespace breezekit
