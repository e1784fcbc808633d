#include "ui/mouse.h"

#include <gtest/gtest.h>

#include "support/test_game.h"
#include "ui/form_lifecycle.h"

namespace quorvil {
namespace {

std::unique_ptr<testing::TestGame> ConstructedGame() {
  auto t = std::make_unique<testing::TestGame>();
  ConstructForm(*t->game);
  return t;
}

TEST(FormMouseMove, LeftTurnsRightZoomsBothPan) {
  auto t = ConstructedGame();
  ViewFields& v = t->game->view;
  FormMouseMove(*t->game, 100, 100, false, false);  // no button: only remembered
  EXPECT_EQ(v.panX, 465.0f);
  EXPECT_EQ(t->form.repaints, 0);

  FormMouseMove(*t->game, 110, 120, true, false);
  EXPECT_EQ(v.viewTilt, -48.0f);
  EXPECT_EQ(v.viewSpin, -35.75f);

  FormMouseMove(*t->game, 130, 110, false, true);
  EXPECT_EQ(v.viewDistance, 2960.0f) << "zoom reads only the vertical move";

  FormMouseMove(*t->game, 131, 112, true, true);
  EXPECT_EQ(v.panX, 470.0f);
  EXPECT_EQ(v.panY, 370.0f);
  EXPECT_EQ(v.viewTilt, -48.0f);
  EXPECT_EQ(t->form.repaints, 3);
}

TEST(FormMouseMove, TiltStaysBetweenStraightDownAndLevel) {
  auto t = ConstructedGame();
  ViewFields& v = t->game->view;
  FormMouseMove(*t->game, 0, 1000, true, false);  // from the remembered (0, 0)
  EXPECT_EQ(v.viewTilt, 0.0f);
  FormMouseMove(*t->game, 0, -1000, true, false);
  EXPECT_EQ(v.viewTilt, -90.0f);
  FormMouseMove(*t->game, 2147483647, -2147483647 - 1, true, true);
  EXPECT_GT(v.panX, 1e9f) << "no limits on panning";
}

}  // namespace
}  // namespace quorvil
