#include "screens/UserActions.h"

#include "app/MessageBoxes.h"
#include "hid/DeviceList.h"
#include "hid/device/UnitLink.h"
#include "text/CurrentLanguage.h"
#include "text/core/TextRows.h"

namespace breezekit {

UserActions::UserActions(UnitLink& link, const CurrentLanguage& language, QWidget* window)
    : link_(link), language_(language), window_(window) {}

bool UserActions::noDeviceGuard() {
    if (link_.CurrentDevice() != nullptr) return false;
    messages::showMessage(window_, language_.text(kRowPleaseSelectDevice));
    return true;
}

void UserActions::run(const std::function<void()>& writes) {
    if (noDeviceGuard()) return;
    const std::uint64_t failedBefore = link_.failedWrites();
    writes();
    if (link_.failedWrites() == failedBefore) return;
    // A unit the program cannot talk to fails every write: say why instead.
    HidDevice* unit = link_.CurrentDevice();
    messages::showMessage(window_, unit && UnitLink::accessOf(*unit) != UnitAccess::Usable
                                       ? cannotTalkText(*unit, language_)
                                       : language_.text(kRowWritesFailed));
}

} // namespace breezekit
