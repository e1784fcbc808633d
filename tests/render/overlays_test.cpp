// The status line and the help panel over the 3D picture: their places and
// colours, their clipping to small client areas, and the GL state they must
// leave exactly as the scene left it.
#include "render/overlays.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "render/frame.h"
#include "render/offscreen_context.h"
#include "support/test_game.h"
#include "tests/render/picture_probe.h"
#include "ui/help_text.h"
#include "ui/paint_steps.h"

namespace quorvil {
namespace {

using testing::Pixel;
using testing::Picture;

bool Is(Pixel p, Rgb c) { return p.r == c.r && p.g == c.g && p.b == c.b; }

constexpr Rgb kNavy = help_panel::kNavy;
constexpr Rgb kFace = status_line::kButtonFace;

struct PlaceCase {
  const char* what;
  int x, y;
  bool help;
  bool navy;
  bool face;
};

TEST(Overlays, StatusLineAndHelpPanelLieWhereTheWindowPutsThem) {
  constexpr int w = 870, h = 640;
  const PlaceCase cases[] = {
      {"status line, bottom left", 0, h - 1, false, false, true},
      {"status line, top right", w - 1, h - 37, false, false, true},
      {"just above the status line", w - 1, h - 38, false, false, false},
      {"panel hidden", 300, 330, false, false, false},
      {"panel top left", 208, 152, true, true, false},
      {"panel bottom right", 208 + 288, 152 + 184, true, true, false},
      {"left of the panel", 207, 200, true, false, false},
      {"above the panel", 300, 151, true, false, false},
      {"right of the panel", 208 + 289, 200, true, false, false},
      {"below the panel", 300, 152 + 185, true, false, false},
  };
  auto t = testing::StartedGame();
  for (bool help : {false, true}) {
    const Picture picture = testing::Snap(*t->game, w, h, t->form.statusText, help);
    for (const PlaceCase& c : cases) {
      if (c.help != help) continue;
      SCOPED_TRACE(c.what);
      const Pixel p = picture.At(c.x, c.y);
      EXPECT_EQ(Is(p, kNavy), c.navy) << p;
      EXPECT_EQ(Is(p, kFace), c.face) << p;
    }
  }
}

bool Near(Pixel p, Rgb c) {
  return std::abs(p.r - c.r) + std::abs(p.g - c.g) + std::abs(p.b - c.b) < 60;
}

// Columns of the rectangle [x0, x1) x [y0, y1) that hold a pixel near the
// colour.
std::vector<int> ColumnsNear(const Picture& picture, int x0, int x1, int y0, int y1, Rgb colour) {
  std::vector<int> columns;
  for (int x = x0; x < x1; ++x) {
    for (int y = y0; y < y1; ++y) {
      if (Near(picture.At(x, y), colour)) {
        columns.push_back(x);
        break;
      }
    }
  }
  return columns;
}

TEST(Overlays, TextIsSetLeftAlignedAndInItsColours) {
  auto t = testing::StartedGame();
  const Picture picture = testing::Snap(*t->game, 870, 640, "Spieler 1", true);
  const std::vector<int> status = ColumnsNear(picture, 0, 870, 640 - 37, 640, status_line::kButtonText);
  ASSERT_FALSE(status.empty());
  EXPECT_GE(status.front(), status_line::kTextLeft);
  EXPECT_LE(status.front(), status_line::kTextLeft + 6);
  EXPECT_LT(status.back(), 200);  // one short word
  // White text on the panel, starting after the lines' two leading blanks.
  const std::vector<int> help = ColumnsNear(picture, 208, 208 + 289, 152, 152 + 185, help_panel::kWhite);
  ASSERT_FALSE(help.empty());
  EXPECT_GT(help.front(), 208 + help_panel::kMarginX + 2);
  EXPECT_LT(help.front(), 208 + help_panel::kMarginX + 12);
}

TEST(Overlays, AllThirteenHelpLinesFitThePanel) {
  // With the faces the game asks for, every line fits the panel's width, so
  // the thirteen lines take thirteen line places and the last one,
  // "  ESC: neues Spiel", shows whole above the panel's bottom edge: each
  // place holds white text exactly where its line is not empty.
  auto t = testing::StartedGame();
  const Picture picture = testing::Snap(*t->game, 870, 640, "", true);
  const int lineHeight = testing::SharedText().LineHeight(help_panel::kFont);
  const int textTop = 152 + help_panel::kMarginY;
  ASSERT_LE(textTop + 13 * lineHeight, 152 + 185);
  for (int place = 0; place <= 13 && textTop + place * lineHeight < 152 + 185; ++place) {
    SCOPED_TRACE("line place " + std::to_string(place));
    const int top = textTop + place * lineHeight;
    const bool text = !ColumnsNear(picture, 208, 208 + 289, top, std::min(top + lineHeight, 152 + 185),
                                   help_panel::kWhite)
                           .empty();
    EXPECT_EQ(text, place < 13 && !kHelpLines[size_t(place)].empty());
  }
}

TEST(Overlays, SmallClientAreasShowWhatFits) {
  struct SizeCase {
    int w, h;
    int navyX, navyY;  // a panel pixel that stays visible, or -1
  };
  const SizeCase cases[] = {
      {300, 200, 250, 155},  // the panel reaches past the right and bottom edges
      {209, 153, 208, 152},  // one pixel of the panel
      {100, 100, -1, -1},    // the panel lies wholly outside
      {1, 1, -1, -1},
      {870, 20, -1, -1},  // lower than the status line
  };
  auto t = testing::StartedGame();
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
    const Picture picture = testing::Snap(*t->game, c.w, c.h, "Spieler 1", true);
    if (c.navyX >= 0) {
      EXPECT_TRUE(Is(picture.At(c.navyX, c.navyY), kNavy)) << picture.At(c.navyX, c.navyY);
    }
    if (c.h < 37 && c.w > 208) {
      // The status line fills what there is; the panel lies below its top.
      EXPECT_TRUE(Is(picture.At(c.w - 1, 0), kFace)) << picture.At(c.w - 1, 0);
    }
    EXPECT_TRUE(Is(picture.At(0, c.h - 1), kFace)) << picture.At(0, c.h - 1);
  }
}

// Draws frames into one context, with or without the overlays between them,
// and returns the last frame's picture before any overlay.
std::vector<uint8_t> SecondFrame(Game& game, bool overlaysBetween) {
  OffscreenContext offscreen(400, 300);
  RenderContext render;
  Overlays overlays(testing::SharedText());
  DrawFrame(game, 400, 300, render);
  if (overlaysBetween) overlays.Draw({"Spieler 1", true, kHelpLines}, 400, 300);
  DrawFrame(game, 400, 300, render);
  return offscreen.ReadPixels();
}

TEST(Overlays, NextFrameIsDrawnAsIfTheyWereNotThere) {
  auto t = testing::StartedGame();
  // Markers put texturing on before the holes: the state the scene hands
  // from one frame to the next matters most then.
  t->state().players[0].blackPocket = 2;
  const std::vector<uint8_t> plain = SecondFrame(*t->game, false);
  const std::vector<uint8_t> withOverlays = SecondFrame(*t->game, true);
  EXPECT_TRUE(plain == withOverlays);
}

TEST(Overlays, LeaveTheSceneStateAsTheyFoundIt) {
  auto t = testing::StartedGame();
  OffscreenContext offscreen(400, 300);
  RenderContext render;
  Overlays overlays(testing::SharedText());
  DrawFrame(t->game.operator*(), 400, 300, render);

  const GLenum integers[] = {GL_MATRIX_MODE, GL_SHADE_MODEL, GL_TEXTURE_2D, GL_LIGHTING,
                             GL_DEPTH_TEST, GL_BLEND, GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH,
                             GL_DITHER};
  const GLenum floats[] = {GL_CURRENT_RASTER_POSITION, GL_CURRENT_COLOR, GL_CURRENT_TEXTURE_COORDS,
                           GL_VIEWPORT, GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX};
  auto snapshot = [&] {
    std::vector<double> values;
    for (GLenum e : integers) {
      GLint v[4] = {};
      glGetIntegerv(e, v);
      values.insert(values.end(), v, v + 4);
    }
    for (GLenum e : floats) {
      GLfloat v[16] = {};
      glGetFloatv(e, v);
      values.insert(values.end(), v, v + 16);
    }
    GLfloat diffuse[4] = {};
    glGetMaterialfv(GL_BACK, GL_DIFFUSE, diffuse);
    values.insert(values.end(), diffuse, diffuse + 4);
    return values;
  };
  const std::vector<double> before = snapshot();
  overlays.Draw({"Spieler 1", true, kHelpLines}, 400, 300);
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(DrawFrame, EmptyClientAreaDrawsNothing) {
  auto t = testing::StartedGame();
  OffscreenContext offscreen(64, 48);
  RenderContext render;
  Overlays overlays(testing::SharedText());
  glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  const std::vector<uint8_t> cleared = offscreen.ReadPixels();
  for (auto [w, h] : {std::pair{64, 0}, std::pair{0, 48}, std::pair{0, 0}}) {
    DrawFrame(*t->game, w, h, render);
    overlays.Draw({"Spieler 1", true, kHelpLines}, w, h);
  }
  EXPECT_TRUE(offscreen.ReadPixels() == cleared);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
}  // namespace quorvil
