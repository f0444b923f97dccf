#include <gtest/gtest.h>

#include <ctime>

#include "platform/clock.h"

namespace bingo {
namespace {

TEST(SystemClock, NowIsTheLocalCalendarTime) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::time_t before = std::time(nullptr);
    const LocalTime now = SystemClock().now();
    if (std::time(nullptr) != before) continue;  // the second turned over: try again
    std::tm local{};
    ::localtime_r(&before, &local);
    EXPECT_EQ((std::vector<int>{now.year, now.month, now.day, now.hour, now.minute, now.second}),
              (std::vector<int>{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                local.tm_min, local.tm_sec}));
    EXPECT_TRUE(now.millisecond >= 0 && now.millisecond < 1000) << now.millisecond;
    return;
  }
  ADD_FAILURE() << "the clock never stood still for a second";
}

}  // namespace
}  // namespace bingo
