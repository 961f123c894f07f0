#include "screens/TimeEdit.h"

#include "screens/core/TimeFieldRules.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace breezekit {

namespace {
std::optional<TimeOfDay> parse(const QString& text) {
    return parseTimeText(text.toStdString());
}

bool isTypedCharacter(const QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}
} // namespace

TimeEdit::TimeEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setWrapping(true);
    setTime({});
}

TimeOfDay TimeEdit::time() const {
    // The field never holds anything but a well-formed time.
    return parse(lineEdit()->text()).value_or(TimeOfDay{});
}

void TimeEdit::setTime(TimeOfDay time) {
    lineEdit()->setText(QString::fromStdString(timeText(time)));
}

void TimeEdit::setText(const QString& text) {
    if (const std::optional<TimeOfDay> parsed = parse(text)) setTime(*parsed);
}

int TimeEdit::cursorPosition() const {
    return lineEdit()->cursorPosition();
}

void TimeEdit::setCursorPosition(int position) {
    lineEdit()->setCursorPosition(position);
}

TimeFieldState TimeEdit::state() const {
    const QLineEdit* edit = lineEdit();
    return {edit->text().toStdString(),
            edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition()};
}

void TimeEdit::display(const TimeFieldState& state) {
    lineEdit()->setText(QString::fromStdString(state.text));
    lineEdit()->setCursorPosition(state.caret);
}

void TimeEdit::stepBy(int steps) {
    display(stepTimeField(state(), steps));
}

QValidator::State TimeEdit::validate(QString& input, int&) const {
    // Whatever reaches the text by paste, cut or drop must keep the "HH:mm" shape.
    return parse(input) ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled TimeEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void TimeEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) return QAbstractSpinBox::keyPressEvent(event);
    const QLineEdit* edit = lineEdit();
    std::optional<TimeFieldState> next;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Stepped here, not by the base class, so that the caret stays where it is.
        stepBy(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->accept();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (edit->hasSelectedText())
            next = clearTimeDigits(state(), edit->selectionStart(), edit->selectionEnd());
        else if (event->key() == Qt::Key_Backspace)
            next = backspaceInTimeField(state());
        else
            next = deleteInTimeField(state());
        break;
    default:
        if (event->matches(QKeySequence::Cut)) {
            // Cutting would break the shape: copy, then clear the digits.
            lineEdit()->copy();
            if (edit->hasSelectedText())
                next = clearTimeDigits(state(), edit->selectionStart(), edit->selectionEnd());
            break;
        }
        if (!isTypedCharacter(event)) return QAbstractSpinBox::keyPressEvent(event);
        next = typeIntoTimeField(state(), event->text().at(0).toLatin1());
        break;
    }
    if (next) display(*next);
    event->accept();
}

} // namespace breezekit
