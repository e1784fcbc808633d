#include "model/random_int.h"

#include <cstdlib>

namespace quorvil {

int32_t RandomInt(int32_t n) {
  if (n == 0) return 0;
  return static_cast<int32_t>(std::rand() % n);
}

}  // namespace quorvil
