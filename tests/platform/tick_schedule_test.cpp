#include "platform/tick_schedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvil {
namespace {

constexpr int64_t kMs = 1000000;

struct Check {
  int64_t nowMs;
  bool ticks;
  int64_t untilNextMs;  // after the check
};

struct ScheduleCase {
  const char* name;
  std::vector<Check> checks;
};

// A 10 ms timer started at 0: its ticks are due at 10, 20, 30, ...
const ScheduleCase kSchedules[] = {
    {"not before its period", {{0, false, 10}, {9, false, 1}}},
    {"on time, one per period", {{10, true, 10}, {10, false, 10}, {20, true, 10}, {30, true, 10}}},
    {"a little late keeps the grid", {{13, true, 7}, {20, true, 10}}},
    {"a busy stretch drops the periods it covers", {{45, true, 5}, {45, false, 5}, {50, true, 10}}},
    {"a long stall gives one tick, not a burst", {{1000, true, 10}, {1000, false, 10}, {1009, false, 1}}},
    {"late by less than a period after an on-time tick", {{10, true, 10}, {29, true, 1}, {30, true, 10}}},
};

TEST(TickSchedule, OneTickPerPeriodAndLatePeriodsAreDropped) {
  for (const ScheduleCase& c : kSchedules) {
    SCOPED_TRACE(c.name);
    TickSchedule schedule(10 * kMs, 0);
    for (const Check& check : c.checks) {
      SCOPED_TRACE(check.nowMs);
      EXPECT_EQ(schedule.TakeDue(check.nowMs * kMs), check.ticks);
      EXPECT_EQ(schedule.TimeUntilDue(check.nowMs * kMs), check.untilNextMs * kMs);
    }
  }
}

TEST(TickSchedule, FollowsItsStartOnAnyClock) {
  // Monotonic clocks start anywhere: a huge start value must not overflow.
  const int64_t start = int64_t(1) << 62;
  TickSchedule schedule(10 * kMs, start);
  EXPECT_EQ(schedule.TimeUntilDue(start), 10 * kMs);
  EXPECT_FALSE(schedule.TakeDue(start + 10 * kMs - 1));
  EXPECT_TRUE(schedule.TakeDue(start + 10 * kMs));
}

}  // namespace
}  // namespace quorvil
