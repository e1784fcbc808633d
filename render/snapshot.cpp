#include "render/snapshot.h"

#include "render/frame.h"
#include "render/offscreen_context.h"
#include "render/overlays.h"
#include "render/png_writer.h"
#include "render/render_context.h"
#include "ui/help_text.h"
#include "ui/paint_steps.h"

namespace quorvil {

std::vector<uint8_t> RenderSnapshot(Game& game, int width, int height,
                                    const SnapshotOverlay& overlay, TextRasterizer& text) {
  // The context first: a refused size must not count as a repaint.
  OffscreenContext offscreen(width, height);
  RenderContext render;
  Overlays overlays(text);

  PaintStateSteps(game);
  DrawFrame(game, width, height, render);
  overlays.Draw({overlay.statusText, overlay.helpVisible, kHelpLines}, width, height);
  return offscreen.ReadPixels();
}

void WriteSnapshot(Game& game, int width, int height, const std::string& path,
                   const SnapshotOverlay& overlay, TextRasterizer& text) {
  const std::vector<uint8_t> rgba = RenderSnapshot(game, width, height, overlay, text);
  WritePngRgba(path, width, height, rgba.data());
}

}  // namespace quorvil
