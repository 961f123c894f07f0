#include "UnitReplies.h"

#include "protocol/core/Commands.h"

#include <QLabel>
#include <QTest>
#include <algorithm>

namespace breezekit::testing {

namespace {
bool isPollOrSerial(std::uint8_t what) {
    return what == CmdWifiState || what == CmdMasterState || what == CmdFilterTime || what == CmdSerialNumber;
}
} // namespace

void sendReply(sim::VirtualInterface& unit, std::uint8_t code, const std::vector<std::uint8_t>& payload) {
    unit.sendInputReport(inputReport(code, payload));
}

std::vector<std::uint8_t> readBackRequests(const sim::VirtualInterface& unit) {
    std::vector<std::uint8_t> asked;
    for (const SentCommand& command : SimWindow::commands(unit))
        if (command.code == CmdRead && !command.payload.empty() && !isPollOrSerial(command.payload[0]))
            asked.push_back(command.payload[0]);
    return asked;
}

bool settle(SimWindow& win, std::size_t unit) {
    // The serial-number reply is the one reply that asks for nothing and always shows
    static int round = 0;
    const std::string marker = "SETTLED" + std::to_string(++round);
    sendReply(win.unit(unit), CmdSerialNumber, bytesOf(marker));
    return QTest::qWaitFor(
        [&] { return win.form().Label_Serial_number->text() == QString::fromStdString(marker); }, 5000);
}

} // namespace breezekit::testing
