#include "platform/tick_schedule.h"

namespace quorvil {

TickSchedule::TickSchedule(int64_t periodNs, int64_t startNs) : periodNs_(periodNs), dueNs_(startNs + periodNs) {}

int64_t TickSchedule::TimeUntilDue(int64_t nowNs) const { return nowNs >= dueNs_ ? 0 : dueNs_ - nowNs; }

bool TickSchedule::TakeDue(int64_t nowNs) {
  if (nowNs < dueNs_) return false;
  // Skip the periods that have passed whole: the next tick is the first grid
  // point after now.
  const int64_t periodsBehind = (nowNs - dueNs_) / periodNs_;
  dueNs_ += (periodsBehind + 1) * periodNs_;
  return true;
}

}  // namespace quorvil
