// The game's only source of chance: the C library's rand().
#pragma once

#include <cstdint>

namespace quorvil {

// A random integer in [0, n) for n > 0; 0 without drawing for n == 0.
int32_t RandomInt(int32_t n);

}  // namespace quorvil
