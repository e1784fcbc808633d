// Counts the game's frames from outside, for the tick-rate measurement:
// preloaded into the game (LD_PRELOAD), it stands in front of SDL's buffer
// swap, notes the time of every swap, and when the game exits writes them to
// the file named by QUORVIL_SWAP_LOG, one a line, in nanoseconds of the
// system's wall clock (date +%s%N reads the same clock).
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

struct SDL_Window;

namespace {

// Room for a day of frames at 100 a second; swaps beyond it are counted but
// their times dropped.
constexpr uint64_t kCapacity = uint64_t(1) << 24;
int64_t* swapTimes = nullptr;
uint64_t swapCount = 0;

using SwapFunction = void (*)(SDL_Window*);

int64_t NowNs() {
  timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

}  // namespace

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
  static const SwapFunction realSwap = reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
  if (realSwap != nullptr) realSwap(window);
  if (swapTimes == nullptr) swapTimes = static_cast<int64_t*>(std::calloc(kCapacity, sizeof(int64_t)));
  if (swapTimes != nullptr && swapCount < kCapacity) swapTimes[swapCount] = NowNs();
  ++swapCount;
}

__attribute__((destructor)) static void WriteSwapLog() {
  const char* path = std::getenv("QUORVIL_SWAP_LOG");
  if (path == nullptr || *path == '\0') return;
  std::FILE* file = std::fopen(path, "w");
  if (file == nullptr) return;
  const uint64_t kept = swapCount < kCapacity ? swapCount : kCapacity;
  for (uint64_t i = 0; swapTimes != nullptr && i < kept; ++i) {
    std::fprintf(file, "%lld\n", static_cast<long long>(swapTimes[i]));
  }
  std::fclose(file);
}
