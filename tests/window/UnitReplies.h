#pragma once

#include "SimWindow.h"
#include "TestReports.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace breezekit::testing {

// Sends one input report from the unit as its firmware would frame it: report ID, code, length, payload,
// zeros to the end of a 65-byte report.
void sendReply(sim::VirtualInterface& unit, std::uint8_t code, const std::vector<std::uint8_t>& payload);

// The parameters the unit was asked for with CmdRead, oldest first, leaving out the status polls and
// the serial-number request of the device list.
std::vector<std::uint8_t> readBackRequests(const sim::VirtualInterface& unit);

// Sends a serial-number reply with a new text and waits until the window shows it: every report the
// unit sent before has been handled by then. False on a time-out.
[[nodiscard]] bool settle(SimWindow& win, std::size_t unit = 0);

// A window with one unit that records what it is asked but answers nothing, so that a test's own
// replies are the only ones.
struct QuietUnitWindow {
    SimWindow win{1};
    QuietUnitWindow() { win.unit(0).unit()->setSilent(true); }
    TForm1& form() { return win.form(); }
    sim::VirtualInterface& unit() { return win.unit(0); }
};

} // namespace breezekit::testing
