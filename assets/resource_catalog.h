// The program's embedded resources (pictures and sounds), found by name
// without regard to letter case.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quorvil {

class ResourceCatalog {
 public:
  virtual ~ResourceCatalog() = default;
  // The resource's bytes, or nothing when no resource has that name.
  virtual std::optional<std::span<const uint8_t>> Find(std::string_view name) const = 0;
};

// The resources built into the program.
const ResourceCatalog& EmbeddedResources();

}  // namespace quorvil
