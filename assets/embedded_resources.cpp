#include <cstddef>

#include "assets/embedded_resource_table.h"
#include "assets/resource_catalog.h"

namespace quorvil {

namespace {

// Resource names are plain ASCII identifiers; they match whatever the case.
bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

class EmbeddedCatalog final : public ResourceCatalog {
 public:
  std::optional<std::span<const uint8_t>> Find(std::string_view name) const override {
    for (size_t i = 0; i < kEmbeddedResourceCount; ++i) {
      const EmbeddedResourceEntry& entry = kEmbeddedResourceTable[i];
      if (SameNameIgnoringCase(entry.name, name))
        return std::span<const uint8_t>(entry.data, entry.size);
    }
    return std::nullopt;
  }
};

}  // namespace

const ResourceCatalog& EmbeddedResources() {
  static const EmbeddedCatalog catalog;
  return catalog;
}

}  // namespace quorvil
