#include "assets/texture_loader.h"

#include <string>

#include "assets/bitmap.h"
#include "assets/resource_error.h"

namespace quorvil {

void LoadTextureImage(TextureImage& image, std::string_view name,
                      const ResourceCatalog& resources) {
  const auto bytes = resources.Find(name);
  if (!bytes) throw ResourceError("Resource " + std::string(name) + " not found");
  const Bitmap picture = Bitmap::Decode(*bytes, name);
  if (picture.Width() != kTextureSize || picture.Height() != kTextureSize) {
    throw ResourceError("Resource " + std::string(name) + " is " + std::to_string(picture.Width()) +
                        " x " + std::to_string(picture.Height()) + " pixels, not 128 x 128");
  }

  // The picture squeezed to half its width (its even columns) and set twice
  // side by side; its top row becomes the texture's last, so that it stands
  // upright in texture space. Nothing below can fail: the image only changes
  // once the picture has been read completely.
  for (int i = 0; i < kTextureSize; ++i) {
    uint8_t* row = &image.pixels[size_t(kTextureSize - 1 - i) * kTextureRowBytes];
    for (int j = 0; j < kTextureSize / 2; ++j) {
      const uint32_t colour = picture.PixelAt(2 * j, i);
      for (int column : {j, j + kTextureSize / 2}) {
        row[column * 3 + 0] = uint8_t(colour);
        row[column * 3 + 1] = uint8_t(colour >> 8);
        row[column * 3 + 2] = uint8_t(colour >> 16);
      }
    }
  }
  image.loaded = true;
}

}  // namespace quorvil
