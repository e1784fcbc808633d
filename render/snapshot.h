// One full repaint into an offscreen picture of Mesa's software renderer:
// the frame's state steps (ball rolling, the end-of-shot judgement), the 3D
// picture, the status line and, while shown, the help panel; written as a
// PNG, top row first. It counts as one repaint of the state steps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "render/text_rasterizer.h"
#include "ui/game.h"

namespace quorvil {

struct SnapshotOverlay {
  std::string_view statusText;
  bool helpVisible = false;
};

// The picture as RGBA bytes, rows top first. width and height from 1 to
// 8192; throws std::invalid_argument outside that, std::runtime_error when
// Mesa fails. A size that is refused leaves the game untouched.
std::vector<uint8_t> RenderSnapshot(Game& game, int width, int height,
                                    const SnapshotOverlay& overlay, TextRasterizer& text);

// RenderSnapshot, then the PNG; throws std::runtime_error when the file
// cannot be written.
void WriteSnapshot(Game& game, int width, int height, const std::string& path,
                   const SnapshotOverlay& overlay, TextRasterizer& text);

}  // namespace quorvil
