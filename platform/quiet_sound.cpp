#include "platform/quiet_sound.h"

#include <chrono>
#include <thread>

namespace quorvil {

void QuietSound::Wait(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace quorvil
