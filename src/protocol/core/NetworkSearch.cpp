#include "protocol/core/NetworkSearch.h"

#include "protocol/core/Commands.h"

namespace breezekit {

CommandSequence searchRequestCommands() {
    return {
        {CmdSearch, numberPayload(kSearchBegin), 0},
        {CmdModuleText, kAtLeaveNetwork, kModuleLinePauseMs},
        {CmdModuleText, kAtStationMode, kModuleLinePauseMs},
        {CmdModuleText, kAtListNetworks, 0},
    };
}

CommandSequence searchEndCommands() {
    return {
        {CmdSearch, numberPayload(kSearchEnd), 0},
        {CmdModuleSwitch, numberPayload(kModuleOff), kSearchEndSwitchPauseMs},
        {CmdModuleSwitch, numberPayload(kModuleOn), 0},
    };
}

std::u16string networkNameOfLine(std::u16string_view line) {
    // 0-based: the name runs from start to end - 1.
    const std::size_t open = line.find(u",\"");
    const std::size_t start = open == std::u16string_view::npos ? 1 : open + 2;
    const std::size_t close = line.find(u"\",");
    if (close == std::u16string_view::npos || close < start) return {};
    return std::u16string(line.substr(start, close - start));
}

} // namespace breezekit
