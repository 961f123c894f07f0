#pragma once

#include "protocol/core/Encodings.h"

#include <QAbstractSpinBox>

namespace breezekit {

struct TimeFieldState;

// A time-of-day field that always shows "HH:mm" on a 24-hour clock, with spin buttons.
class TimeEdit : public QAbstractSpinBox {
    Q_OBJECT
  public:
    explicit TimeEdit(QWidget* parent = nullptr);

    TimeOfDay time() const;
    void setTime(TimeOfDay time);
    // Only a well-formed "HH:mm" text is taken; anything else leaves the field as it was.
    void setText(const QString& text);

    int cursorPosition() const;
    void setCursorPosition(int position);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

  protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TimeFieldState state() const;
    void display(const TimeFieldState& state);
};

} // namespace breezekit
