// What the renderer keeps beside the game state: the one GLU quadric that
// every sphere, disc and cylinder is drawn with, and the texture objects
// holding the table's pictures. It belongs to the picture, not to the game,
// and lives as long as the window (or the snapshot) does. It serves one GL
// context, and that context must be current when it is destroyed.
#pragma once

#include "render/texture_cache.h"

struct GLUquadric;

namespace quorvil {

class RenderContext {
 public:
  // Creating the quadric needs no GL context; drawing with it does.
  explicit RenderContext(TextureReuse reuse = TextureReuse::kKeep);
  ~RenderContext();
  RenderContext(const RenderContext&) = delete;
  RenderContext& operator=(const RenderContext&) = delete;

  GLUquadric* quadric() const { return quadric_; }
  TextureCache& textures() { return textures_; }

 private:
  GLUquadric* quadric_;
  TextureCache textures_;
};

}  // namespace quorvil
