#include "screens/DeviceActions.h"

#include "hid/device/UnitLink.h"
#include "protocol/core/UnitActions.h"
#include "screens/UserActions.h"

#include <QPushButton>

namespace breezekit {

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
    actions_.run([this] { link_.sendSequence({readBackStart()}); });
}

void DeviceActions::Button_Restore_default_parametersClick() {
    actions_.run([this] {
        link_.sendSequence(restoreDefaultsCommands());
        link_.sendSequence({readBackStart()});
    });
}

void DeviceActions::Button_Reset_filter_timerClick() {
    actions_.run([this] { link_.sendSequence(resetFilterCommands()); });
}

} // namespace breezekit
