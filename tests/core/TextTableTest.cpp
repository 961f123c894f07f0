#include "text/TextTable.h"

#include <gtest/gtest.h>
#include <string>

namespace breezekit {
namespace {

TEST(TextTable, OutOfRangeLookupsGiveTheEmptyText) {
    for (auto [row, language] : {std::pair{-1, 1}, {64, 1}, {0, -1}, {0, 8}})
        EXPECT_EQ(std::string(textTableEntry(row, language)), "") << row << "/" << language;
}

} // namespace
} // namespace breezekit
