#include "protocol/core/UnitActions.h"

#include "protocol/core/Commands.h"

#include <gtest/gtest.h>

namespace breezekit {
namespace {

Payload b(std::uint8_t value) {
    return numberPayload(value);
}

TEST(UnitActions, CommandLists) {
    const struct {
        const char* name;
        CommandSequence commands;
        CommandSequence expected;
    } cases[] = {
        // the group stays open, and the unit is given 200 ms before it is read
        {"restore", restoreDefaultsCommands(), {{CmdWriteSession, b(1), 0}, {CmdRestoreDefaults, b(0), 200}}},
        {"reset filter", resetFilterCommands(), {{CmdResetFilter, b(0), 0}}},
        {"read-back start", {readBackStart()}, {{CmdRead, b(CmdDeviceMode), 0}}},
        {"read request", {readRequest(CmdSerialNumber)}, {{CmdRead, b(23), 0}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.commands, c.expected) << c.name;
}

} // namespace
} // namespace breezekit
