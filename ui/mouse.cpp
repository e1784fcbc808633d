#include "ui/mouse.h"

namespace quorvil {

namespace {
constexpr float kPanPerPixel = 5.0f;
constexpr float kZoomPerPixel = 4.0f;
constexpr float kTiltPerPixel = 0.25f;
constexpr float kSpinPerPixel = 0.125f;
}  // namespace

void FormMouseMove(Game& game, int32_t x, int32_t y, bool left, bool right) {
  ViewFields& view = game.view;
  // All in single precision, as the view fields are kept.
  const float dX = static_cast<float>(x) - game.lastMouseX;
  const float dY = static_cast<float>(y) - game.lastMouseY;
  if (left && right) {
    view.panX = view.panX + dX * kPanPerPixel;
    view.panY = view.panY - dY * kPanPerPixel;
    game.form.RequestRepaint();
  } else if (right) {
    view.viewDistance = view.viewDistance + dY * kZoomPerPixel;
    game.form.RequestRepaint();
  } else if (left) {
    view.viewTilt = view.viewTilt + dY * kTiltPerPixel;
    if (view.viewTilt > 0.0f) view.viewTilt = 0.0f;
    if (view.viewTilt < -90.0f) view.viewTilt = -90.0f;
    view.viewSpin = view.viewSpin + dX * kSpinPerPixel;
    game.form.RequestRepaint();
  }
  game.lastMouseX = static_cast<float>(x);
  game.lastMouseY = static_cast<float>(y);
}

}  // namespace quorvil
