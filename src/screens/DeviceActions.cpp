#include "screens/DeviceActions.h"

#include "hid/device/Pause.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/ReadBackTable.h"
#include "screens/UserActions.h"

#include <QPushButton>

namespace breezekit {

namespace {
constexpr unsigned long kRestorePauseMs = 200;
constexpr std::uint8_t kActionByte = 0;
} // namespace

DeviceActions::DeviceActions(Controls controls, UnitLink& link, UserActions& actions)
    : link_(link), actions_(actions) {
    connect(controls.Button_Get_current_parameters, &QPushButton::clicked, this,
            [this] { Button_Get_current_parametersClick(); });
    connect(controls.Button_Restore_default_parameters, &QPushButton::clicked, this,
            [this] { Button_Restore_default_parametersClick(); });
    connect(controls.Button_Reset_filter_timer, &QPushButton::clicked, this,
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
