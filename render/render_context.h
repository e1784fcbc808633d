// What the renderer keeps beside the game state: the one GLU quadric that
// every sphere, disc and cylinder is drawn with. It belongs to the picture,
// not to the game, and lives as long as the window (or the snapshot) does.
#pragma once

struct GLUquadric;

namespace quorvil {

class RenderContext {
 public:
  // Creating the quadric needs no GL context; drawing with it does.
  RenderContext();
  ~RenderContext();
  RenderContext(const RenderContext&) = delete;
  RenderContext& operator=(const RenderContext&) = delete;

  GLUquadric* quadric() const { return quadric_; }

 private:
  GLUquadric* quadric_;
};

}  // namespace quorvil
