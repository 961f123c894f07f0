#include "protocol/ReadBackTable.h"

namespace breezekit {

std::optional<ReadBackStep> readBackStep(std::uint8_t reply) {
    for (const ReadBackStep& step : kReadBackChain)
        if (step.reply == reply) return step;
    return std::nullopt;
}

} // namespace breezekit
