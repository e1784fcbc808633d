// The status line and the help panel, drawn in GL over the finished 3D
// picture in the same frame. They save and restore every bit of GL state they
// touch: the next frame's stages rely on what this frame's scene left.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "render/overlay_images.h"
#include "render/text_rasterizer.h"

namespace quorvil {

struct OverlayContent {
  std::string_view statusText;
  bool helpVisible = false;
  std::span<const std::string_view> helpLines;
};

class Overlays {
 public:
  explicit Overlays(TextRasterizer& rasterizer) : rasterizer_(rasterizer) {}

  // The status line along the client area's bottom edge and, while visible,
  // the help panel at its fixed place from the top-left corner; both are cut
  // off where the client area ends. An empty client area draws nothing.
  void Draw(const OverlayContent& content, int clientWidth, int clientHeight);

 private:
  // The pictures are composed again only when their text or width changes.
  const RgbImage& StatusImage(std::string_view text, int width);
  const RgbImage& HelpImage(std::span<const std::string_view> lines);

  TextRasterizer& rasterizer_;
  std::string statusText_;
  RgbImage statusImage_;
  bool statusValid_ = false;
  std::vector<std::string> helpLines_;
  RgbImage helpImage_;
  bool helpValid_ = false;
};

// Puts an RGB picture (rows top first) into the colour buffer with its top
// left corner at (left, top) of the client area, counted from the top, and
// only the part that lies inside the client area. Expects the GL state that
// Overlays::Draw sets up around it.
void DrawImageAt(const RgbImage& image, int left, int top, int clientWidth, int clientHeight);

}  // namespace quorvil
