#include "profile/GroupWriter.h"

#include "hid/device/UnitLink.h"
#include "protocol/core/Commands.h"

namespace breezekit::profile {

namespace {
bool isGroupFlag(const OutgoingCommand& command) {
    return command.code == CmdWriteSession && !command.payload.empty();
}
} // namespace

GroupWriter::GroupWriter(UnitLink& link, std::function<bool()> stopRequested)
    : link_(link), stopRequested_(std::move(stopRequested)) {}

GroupWriter::Result GroupWriter::write(const CommandSequence& commands) {
    const auto stopping = [this] { return stopRequested_ && stopRequested_(); };
    const std::uint64_t failedBefore = link_.failedWrites();
    for (const OutgoingCommand& command : commands) {
        const bool opensGroup = isGroupFlag(command) && command.payload[0] == kWriteSessionBegin;
        if (stopping() && (groupOpen_ || opensGroup)) {
            if (groupOpen_) link_.SendCommand(CmdWriteSession, numberPayload(kWriteSessionEnd));
            groupOpen_ = false;
            return Result::Stopped;
        }
        link_.sendSequence({command});
        if (isGroupFlag(command)) groupOpen_ = command.payload[0] == kWriteSessionBegin;
    }
    if (stopping()) return Result::Stopped;
    return link_.failedWrites() == failedBefore ? Result::Written : Result::Failed;
}

} // namespace breezekit::profile
