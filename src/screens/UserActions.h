#pragma once

#include <functional>

class QWidget;

namespace breezekit {

class CurrentLanguage;
class UnitLink;

// What every button that writes to the unit does around its writes: the no-device guard first, and
// one message afterwards when any write failed. Timers and the read-back's own requests stay silent.
class UserActions {
  public:
    UserActions(UnitLink& link, const CurrentLanguage& language, QWidget* window);

    // With no selected unit shows row 55 and returns true.
    [[nodiscard]] bool noDeviceGuard();
    // Runs the writes unless the guard stops them.
    void run(const std::function<void()>& writes);

  private:
    UnitLink& link_;
    const CurrentLanguage& language_;
    QWidget* window_;
};

} // namespace breezekit
