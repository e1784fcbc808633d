// When the 10 ms timer is due: on a fixed grid of periods from its start,
// one tick per period that has begun. A period that passes while the game is
// busy is dropped, not made up for: however late the check, it finds at most
// one tick due, and the next one falls on the first grid point after it.
#pragma once

#include <cstdint>

namespace quorvil {

class TickSchedule {
 public:
  // Times in nanoseconds of any monotonic clock; the first tick is due one
  // period after the start.
  TickSchedule(int64_t periodNs, int64_t startNs);

  // How long until the next tick is due; 0 when it is due now.
  int64_t TimeUntilDue(int64_t nowNs) const;

  // Whether a tick is due now; when it is, it is taken.
  bool TakeDue(int64_t nowNs);

 private:
  int64_t periodNs_;
  int64_t dueNs_;
};

}  // namespace quorvil
