#pragma once

#include <QFont>
#include <QLabel>
#include <QWidget>

namespace breezekit::form {

// Places a new control of type T at an absolute position in its parent, under its component name.
template <typename T, typename... Args>
T* place(QWidget* parent, const char* name, int x, int y, int w, int h, Args&&... args) {
    auto* control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(x, y, w, h);
    return control;
}

enum class Caption { Plain, Underlined, BoldUnderlined, Bold };

// 8 pt is 11 px, 9 pt is 12 px at 96 dpi.
QFont captionFont(Caption caption, bool ninePoint);

// A fixed-size label that centres its text.
QLabel* centredLabel(QWidget* parent, const char* name, int x, int y, int w, int h,
                     Caption caption = Caption::Plain, bool ninePoint = false);

// A label that sizes itself to its text; setAutoSizedText keeps it sized after every change.
QLabel* autoSizedLabel(QWidget* parent, const char* name, int x, int y);
void setAutoSizedText(QLabel* label, const QString& text);

// A framed panel: a raised edge and no caption.
QFrame* framedPanel(QWidget* parent, const char* name, int x, int y, int w, int h);

} // namespace breezekit::form
