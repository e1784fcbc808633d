// The table of resources the build writes from the list in
// assets/CMakeLists.txt: one entry a resource, its name as listed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvil {

struct EmbeddedResourceEntry {
  const char* name;
  const uint8_t* data;
  size_t size;
};

extern const EmbeddedResourceEntry kEmbeddedResourceTable[];
extern const size_t kEmbeddedResourceCount;

}  // namespace quorvil
