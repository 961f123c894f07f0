#pragma once

#include "protocol/core/CommandSequence.h"
#include "protocol/core/DeviceSettings.h"

#include <string>

namespace breezekit {

constexpr unsigned kModuleSwitchOffPauseMs = 100;
constexpr unsigned kModuleSwitchOnPauseMs = 250;
constexpr std::size_t kMinSecuredPasswordLength = 8;

enum class Role { Master, Slave };
enum class Connection { WithoutRouter, WithRouter };

// What the Wi-Fi page shows when Apply is clicked. A list item is -1 when the list has no selection.
struct WifiInputs {
    Role role = Role::Master;
    Connection connection = Connection::WithoutRouter;
    std::u16string networkName;
    std::u16string password;
    int channelItem = -1;
    int securityItem = -1;
    int slaveNumberItem = -1;
    int slaveAddressingItem = 0; // 0 "DHCP", 1 "Static"
    Ipv4 slaveIp{};
    Ipv4 masterIp{};
    Ipv4 gateway{};
};

// How an Apply ended; the window tells the user about every outcome but Sent.
enum class WifiApplyOutcome {
    Sent,
    NoNumberSelected,     // a list the combination reads has no selection
    NameUnsendable,       // the name has characters the framing cannot carry
    NameUnsendableHidden, // the same, while the name's field is hidden (master without router)
    PasswordUnsendable,
    NameLength,     // empty name where one is needed
    PasswordLength, // too short for a secured access point
};

struct WifiApplyResult {
    WifiApplyOutcome outcome = WifiApplyOutcome::Sent;
    CommandSequence commands; // empty unless Sent
};

// Takes the inputs of the selected combination into settings and forms the write group. A list without
// a selection stops the Apply where it is read; a failed check stops it after the texts and the gateway
// were taken, except a text that cannot be sent, which is never stored.
[[nodiscard]] WifiApplyResult applyWifi(DeviceSettings& settings, const WifiInputs& inputs);

} // namespace breezekit
