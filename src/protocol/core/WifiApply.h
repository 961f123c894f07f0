#pragma once

#include "protocol/core/CommandSequence.h"
#include "protocol/core/DeviceSettings.h"

#include <optional>
#include <string>

namespace breezekit {

enum class Role { Master, Slave };
enum class Connection { WithoutRouter, WithRouter };

// The unit's Wi-Fi values an Apply writes, as the unit encodes them. A value that may be unknown (a
// window list without a selection) is none; the combinations that read it stop there.
struct WifiValues {
    Role role = Role::Master;
    Connection connection = Connection::WithoutRouter;
    std::u16string networkName;
    std::u16string password;
    std::optional<std::uint8_t> channel;       // 1..13, read by a master without a router
    std::optional<std::uint8_t> securityDigit; // "0", "2", "3", "4"; none keeps the last one
    std::optional<std::uint8_t> slaveNumber;   // 0..31 (shown as 1..32), read by every slave
    bool slaveDhcp = true;                     // read by a slave with a router
    Ipv4 slaveIp{};
    Ipv4 masterIp{};
    Ipv4 gateway{};
};

// How an Apply ended; the window tells the user about every outcome but Sent.
enum class WifiApplyOutcome {
    Sent,
    NoNumberSelected,     // a value the combination reads is unknown
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

// Takes the values of the selected combination into settings and forms the write group. An unknown
// value stops the Apply where it is read; a failed check stops it after the texts and the gateway were
// taken, except a text that cannot be sent, which is never stored.
[[nodiscard]] WifiApplyResult applyWifi(DeviceSettings& settings, const WifiValues& values);

} // namespace breezekit
