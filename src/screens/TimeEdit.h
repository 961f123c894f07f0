#pragma once

#include <QLineEdit>

namespace breezekit {

// A time-of-day field that always shows "HH:mm" on a 24-hour clock.
class TimeEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TimeEdit(QWidget* parent = nullptr);

    int hours() const;
    int minutes() const;
};

} // namespace breezekit
