#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <functional>

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

// Gives a fixed-size label its text; when the text is wider than the label, the label's font gives way
// a pixel at a time until it fits (down to a floor), so no caption is clipped.
void setFittedText(QLabel* label, const QString& text);

// Makes a one-line, frameless label exactly as tall as its caption's ink (underline included) plus one
// blank row above and below, keeping its top-left place; the font's nominal height can be too little.
void fitHeightToInk(QLabel* label);
// The same for every label under root, after texts changed elsewhere.
void fitLabelHeights(QWidget* root);

// A push button's caption broken onto two lines at the point that keeps both lines shortest (a space,
// else after a hyphen); a caption without such a point stays on one line.
QString twoLineCaption(const QString& caption, const QFontMetrics& metrics);

// A control whose caption is a row of the text table: the language switch writes it in every language,
// a label fitted to its size, a button or box as its text, a page of a tab widget as the tab's text.
enum class CaptionLines { One, Two };
template <typename T> T* captioned(T* control, int row, CaptionLines lines = CaptionLines::One) {
    control->setProperty("textRow", row);
    if (lines == CaptionLines::Two) control->setProperty("twoLineCaption", true);
    return control;
}
// Writes every caption under root in texts(row).
void writeCaptions(QWidget* root, const std::function<QString(int)>& texts);

// A framed panel: a raised edge and no caption.
QFrame* framedPanel(QWidget* parent, const char* name, int x, int y, int w, int h);

} // namespace breezekit::form
