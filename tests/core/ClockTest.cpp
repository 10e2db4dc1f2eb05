#include <gtest/gtest.h>

#include <vl/core/Clock.h>
#include <limits>

namespace {

using std::chrono::hours;
using std::chrono::microseconds;

// A timer left running for an hour must not read as a negative time.
TEST(ClockTest, SpansSaturateAtTheLimitsOfThirtyTwoBits) {
    const auto start = std::chrono::steady_clock::time_point() + hours(10);
    const struct {
        std::chrono::steady_clock::duration span;
        int32_t expected;
    } cases[] = {
        {microseconds(1500), 1500},
        {microseconds(-1500), -1500},
        {microseconds(std::numeric_limits<int32_t>::max()), std::numeric_limits<int32_t>::max()},
        {hours(1), std::numeric_limits<int32_t>::max()},
        {-hours(1), std::numeric_limits<int32_t>::min()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vl::microsecondsBetween(start, start + c.span), c.expected);
    }
}

}  // namespace
