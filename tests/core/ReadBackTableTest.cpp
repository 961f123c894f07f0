#include "protocol/ReadBackTable.h"

#include <gtest/gtest.h>
#include <vector>

namespace breezekit {
namespace {

TEST(ReadBackTable, FollowingTheChainFromTheModeAsksEveryParameterOnceInOrder) {
    const std::vector<std::uint8_t> expected = {5,  12, 6,  7,  8,  9,  10, 11, 14, 15, 24,
                                                25, 26, 27, 28, 29, 30, 33, 31, 32, 43, 47};
    std::vector<std::uint8_t> asked;
    std::optional<std::uint8_t> request = kReadBackFirst;
    while (request && asked.size() <= expected.size()) {
        asked.push_back(*request);
        const std::optional<ReadBackStep> step = readBackStep(*request);
        ASSERT_TRUE(step.has_value()) << "no step for " << int{*request};
        request = step->next;
    }
    EXPECT_EQ(asked, expected);
    EXPECT_FALSE(request.has_value()) << "the chain must end after the gateway";
}

TEST(ReadBackTable, AStrayReplyCarriesTheChainOnFromItsPlace) {
    const std::optional<ReadBackStep> step = readBackStep(CmdOffAllowed);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->next, std::optional<std::uint8_t>{CmdDirection});
}

TEST(ReadBackTable, CodesOutsideTheChainHaveNoStep) {
    for (std::uint8_t code : {0, 1, 4, 13, 16, 23, 34, 38, 39, 40, 41, 255})
        EXPECT_FALSE(readBackStep(code).has_value()) << int{code};
}

} // namespace
} // namespace breezekit
