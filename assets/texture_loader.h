// Turns a 128 x 128 picture resource into a TextureImage: squeezed to half
// its width, placed twice side by side, rows stored bottom-up.
#pragma once

#include <string_view>

#include "assets/resource_catalog.h"
#include "model/game_state.h"

namespace quorvil {

// Throws ResourceError naming the resource when it is missing, malformed or
// not 128 x 128; the image is then left exactly as it was.
void LoadTextureImage(TextureImage& image, std::string_view name,
                      const ResourceCatalog& resources);

}  // namespace quorvil
