#include "screens/DeviceActions.h"

#include "hid/device/Pause.h"
#include "app/TForm1.h"
#include "hid/device/UnitLink.h"
#include "screens/UserActions.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/ReadBackTable.h"

#include <QPushButton>

namespace breezekit {

namespace {
constexpr unsigned long kRestorePauseMs = 200;
constexpr std::uint8_t kActionByte = 0;
} // namespace

DeviceActions::DeviceActions(TForm1& form, UnitLink& link, UserActions& actions)
    : form_(form), link_(link), actions_(actions) {
    QObject::connect(form_.Button_Get_current_parameters, &QPushButton::clicked,
                     form_.Button_Get_current_parameters, [this] { Button_Get_current_parametersClick(); });
    QObject::connect(form_.Button_Restore_default_parameters, &QPushButton::clicked,
                     form_.Button_Restore_default_parameters,
                     [this] { Button_Restore_default_parametersClick(); });
    QObject::connect(form_.Button_Reset_filter_timer, &QPushButton::clicked, form_.Button_Reset_filter_timer,
                     [this] { Button_Reset_filter_timerClick(); });
}

// Only the first request: each reply of the read-back asks for the next parameter.
void DeviceActions::Button_Get_current_parametersClick() {
    actions_.run([this] { link_.SendCommand(CmdRead, numberPayload(kReadBackFirst)); });
}

// The write session stays open: the unit needs no closing 0 after a restore.
void DeviceActions::Button_Restore_default_parametersClick() {
    actions_.run([this] {
        link_.SendCommand(CmdWriteSession, numberPayload(kWriteSessionBegin));
        link_.SendCommand(CmdRestoreDefaults, numberPayload(kActionByte));
        pause(kRestorePauseMs);
        link_.SendCommand(CmdRead, numberPayload(kReadBackFirst));
    });
}

void DeviceActions::Button_Reset_filter_timerClick() {
    actions_.run([this] { link_.SendCommand(CmdResetFilter, numberPayload(kActionByte)); });
}

} // namespace breezekit
