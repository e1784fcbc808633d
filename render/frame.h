// One frame of the 3D picture, from the viewport to the last drawing stage:
// the camera from the view fields, the two lights, then the eleven stages in
// their fixed order. The caller has made a GL context current (with the
// fixed state of SetUpFixedGlState), has run the frame's state steps
// (PaintStateSteps) and presents the picture afterwards. The drawing reads
// the game and never writes it.
#pragma once

#include "render/render_context.h"
#include "ui/game.h"

namespace quorvil {

// A client area with no width or no height draws nothing.
void DrawFrame(const Game& game, int clientWidth, int clientHeight, RenderContext& context);

}  // namespace quorvil
