#include "protocol/core/ReadBackTable.h"

#include <gtest/gtest.h>
#include <vector>

namespace breezekit {
namespace {

// Each reply must ask for the parameter of the next step, so that one request walks the whole chain.
TEST(ReadBackTable, TheChainAsksEveryParameterOnceInOrderAndEndsAfterTheGateway) {
    const std::vector<std::uint8_t> expected = {5,  12, 6,  7,  8,  9,  10, 11, 14, 15, 24,
                                                25, 26, 27, 28, 29, 30, 33, 31, 32, 43, 47};
    ASSERT_EQ(kReadBackChain.size(), expected.size());
    EXPECT_EQ(kReadBackFirst, expected.front());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(kReadBackChain[i].reply, expected[i]) << "step " << i;
        const std::optional<std::uint8_t> next =
            i + 1 < expected.size() ? std::optional<std::uint8_t>{expected[i + 1]} : std::nullopt;
        EXPECT_EQ(kReadBackChain[i].next, next) << "step " << i;
    }
}

} // namespace
} // namespace breezekit
