#include <thread>

#include <gtest/gtest.h>

#include "platform/Rand.h"

namespace dulm {
namespace {

TEST(RandTest, ReproducesTheProgramsSequence) {
    srand(1);
    EXPECT_EQ(rand(), 41);
    EXPECT_EQ(rand(), 18467);
    EXPECT_EQ(rand(), 6334);
    EXPECT_EQ(rand(), 26500);
    EXPECT_EQ(rand(), 19169);
}

TEST(RandTest, StaysInRangeAndReseedingRepeats) {
    srand(255 * 200);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i) {
        first.push_back(rand());
        ASSERT_GE(first.back(), 0);
        ASSERT_LE(first.back(), 32767);
    }
    srand(255 * 200);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(rand(), first[size_t(i)]);
}

TEST(RandTest, EachThreadHasItsOwnStateStartingAtOne) {
    srand(12345);
    rand();
    int other = -1;
    std::thread([&] { other = rand(); }).join();
    EXPECT_EQ(other, 41);
}

}  // namespace
}  // namespace dulm
