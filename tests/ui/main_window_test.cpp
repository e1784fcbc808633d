// The main window over Mesa's offscreen picture: which events draw a frame,
// what a frame shows, and what a failing handler leaves behind.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/ball_rolling.h"
#include "render/offscreen_context.h"
#include "support/test_game.h"
#include "ui/keyboard.h"

namespace quorvil {
namespace {

constexpr int kWidth = 870;
constexpr int kHeight = 640;

// The window's context is Mesa's, current from the start; every Present is
// counted, and the picture can be read back.
struct OffscreenSurface : WindowSurface {
  OffscreenContext context{kWidth, kHeight};
  ClientSize size{kWidth, kHeight};
  std::string title;
  int presents = 0;

  void SetTitle(const std::string& t) override { title = t; }
  int OuterWidth() const override { return size.width; }
  ClientSize DrawableSize() const override { return size; }
  void MakeCurrent() override {}
  void Present() override { ++presents; }
};

struct RecordingMessageBox : MessageBox {
  std::vector<std::pair<std::string, std::string>> shown;  // caption, text
  void ShowError(std::string_view caption, std::string_view text) override {
    shown.emplace_back(caption, text);
  }
};

// Text without glyphs: the overlays keep their backgrounds and places.
struct BlankText : TextRasterizer {
  TextImage Render(std::string_view, const FontSpec& font) override { return {0, LineHeight(font), {}}; }
  int Width(std::string_view, const FontSpec&) override { return 0; }
  int LineHeight(const FontSpec& font) override { return font.height; }
};

struct Pixel {
  int r, g, b;
  friend std::ostream& operator<<(std::ostream& out, const Pixel& p) {
    return out << "(" << p.r << ", " << p.g << ", " << p.b << ")";
  }
};

struct Window {
  OffscreenSurface surface;
  RecordingMessageBox messageBox;
  testing::RecordingSound sound;
  testing::HidingCatalog resources;
  BlankText text;
  std::unique_ptr<MainWindow> form;

  explicit Window(std::set<std::string> hiddenAtStart = {}) {
    resources.hidden = std::move(hiddenAtStart);
    form = std::make_unique<MainWindow>(surface, messageBox, sound, resources, text);
    std::srand(1);
    form->FormCreate(Seeding::KeepGenerator);
  }

  GameState& state() { return form->game().state; }

  // One turn of the event loop: the events, then the frame if one was asked
  // for. Returns the frames drawn.
  int Turn(const std::vector<WindowEvent>& events) {
    for (const WindowEvent& event : events) form->Handle(event);
    const int before = surface.presents;
    form->PaintIfMarked();
    return surface.presents - before;
  }

  Pixel At(int x, int y) const {
    const std::vector<uint8_t> rgba = surface.context.ReadPixels();
    const uint8_t* p = &rgba[(size_t(y) * kWidth + size_t(x)) * 4];
    return {p[0], p[1], p[2]};
  }
};

bool SameOrientations(const GameState& a, const GameState& b) {
  for (int slot = 0; slot < 16; ++slot) {
    if (std::memcmp(a.balls[slot].orientation, b.balls[slot].orientation, sizeof a.balls[slot].orientation)) {
      return false;
    }
  }
  return true;
}

const WindowEvent kExpose = WindowExposed{};
const WindowEvent kTick = TimerTicked{};
WindowEvent Key(uint16_t key, bool ctrl = false) { return KeyPressed{key, ctrl}; }
WindowEvent Move(int x, int y, bool left, bool right = false) { return PointerMoved{x, y, left, right}; }

struct FoldCase {
  const char* name;
  std::vector<WindowEvent> events;
  int frames;
};

const std::vector<FoldCase>& FoldCases() {
  static const std::vector<FoldCase> cases = {
      {"nothing asked", {}, 0},
      {"ticks before the first shot", {kTick, kTick, kTick}, 0},
      {"keys without a use", {Key(0), Key(0, true), Key(65), Key(vk::S)}, 0},
      {"pointer moves without a button", {Move(10, 10, false), Move(500, 300, false)}, 0},
      {"one expose", {kExpose}, 1},
      {"many requests in one turn",
       {Key(vk::Left), Key(vk::Right, true), Move(0, 0, false), Move(40, 30, true), kExpose, kExpose, Key(vk::Up)},
       1},
      {"ticks of a shot", {Key(vk::Space), kTick, kTick, kTick, kTick}, 1},
      {"help shown and hidden again", {Key(vk::F1), Key(vk::F1)}, 1},
  };
  return cases;
}

TEST(MainWindow, RepaintRequestsFoldIntoOneFrame) {
  for (const FoldCase& c : FoldCases()) {
    SCOPED_TRACE(c.name);
    Window window;
    // A ball that turns in every frame shows how many state steps ran.
    window.state().balls[5].vel = Vec2{2.0f, 1.0f};
    for (const WindowEvent& event : c.events) window.form->Handle(event);
    auto expected = std::make_unique<GameState>(window.state());
    for (int frame = 0; frame < c.frames; ++frame) RollBalls(*expected);

    EXPECT_EQ(window.Turn({}), c.frames);
    EXPECT_TRUE(SameOrientations(window.state(), *expected));
    EXPECT_EQ(window.Turn({}), 0) << "a frame is drawn once per request";
    EXPECT_TRUE(window.messageBox.shown.empty());
  }
}

TEST(MainWindow, AClientAreaWithoutWidthOrHeightDrawsNothing) {
  for (ClientSize empty : {ClientSize{kWidth, 0}, ClientSize{0, kHeight}, ClientSize{0, 0}}) {
    SCOPED_TRACE(std::to_string(empty.width) + " x " + std::to_string(empty.height));
    Window window;
    window.state().balls[5].vel = Vec2{2.0f, 1.0f};
    auto before = std::make_unique<GameState>(window.state());
    window.surface.size = empty;
    EXPECT_EQ(window.Turn({kExpose, Key(vk::Left), Move(3, 4, true)}), 0);
    EXPECT_TRUE(SameOrientations(window.state(), *before));
    EXPECT_TRUE(window.messageBox.shown.empty());

    window.surface.size = {kWidth, kHeight};
    EXPECT_EQ(window.Turn({kExpose}), 1) << "grown again, the window draws";
  }
}

bool Navy(Pixel p) { return p.r == 0 && p.g == 0 && p.b == 128; }

TEST(MainWindow, AFrameShowsTheSceneTheStatusLineAndTheHelpPanel) {
  Window window;
  EXPECT_EQ(window.surface.title, kWindowTitle);
  EXPECT_FALSE(window.form->statusText().empty()) << "the first game writes the score line";

  // A point inside the help panel (289 x 185 at 208, 152) and one beside it.
  const int panelX = 208 + 200, panelY = 152 + 150;
  ASSERT_EQ(window.Turn({kExpose}), 1);
  EXPECT_FALSE(Navy(window.At(panelX, panelY))) << "the panel is hidden at start";
  const Pixel corner = window.At(2, 2);
  EXPECT_TRUE(corner.r == 0 && corner.g == 0 && corner.b == 51) << "the background, not " << corner;
  const Pixel status = window.At(2, kHeight - 2);
  EXPECT_TRUE(status.r == 240 && status.g == 240 && status.b == 240) << "the status line, not " << status;

  ASSERT_EQ(window.Turn({Key(vk::F1)}), 1);
  EXPECT_TRUE(Navy(window.At(panelX, panelY)));
  EXPECT_FALSE(Navy(window.At(208 + 295, panelY))) << "right of the panel";

  ASSERT_EQ(window.Turn({Key(vk::F1)}), 1);
  EXPECT_FALSE(Navy(window.At(panelX, panelY)));
}

// The picture holds more than the background: the table was drawn (in
// whatever colours its pictures have).
bool DrewTheTable(const Window& window) {
  const std::vector<uint8_t> rgba = window.surface.context.ReadPixels();
  int drawn = 0;
  for (size_t i = 0; i < rgba.size(); i += 4) {
    if (rgba[i] != 0 || rgba[i + 1] != 0 || rgba[i + 2] != 51) ++drawn;
  }
  return drawn > kWidth * kHeight / 5;
}

struct FailureCase {
  const char* name;
  std::set<std::string> hiddenAtStart;
  std::string hiddenLater;
  std::vector<WindowEvent> events;
  std::string named;
};

const std::vector<FailureCase>& FailureCases() {
  static const std::vector<FailureCase> cases = {
      {"a ball's picture missing when Esc restarts", {}, "ID_BITMAP3", {Key(vk::Escape)}, "ID_BITMAP3"},
      {"the cloth missing at start", {"ID_BITMAP_FILZ"}, "", {}, "ID_BITMAP_FILZ"},
      {"a ball's picture missing at start", {"ID_BITMAP9"}, "", {}, "ID_BITMAP9"},
  };
  return cases;
}

TEST(MainWindow, AFailingResourceIsShownAndTheGameGoesOn) {
  for (const FailureCase& c : FailureCases()) {
    SCOPED_TRACE(c.name);
    Window window(c.hiddenAtStart);
    if (!c.hiddenLater.empty()) window.resources.hidden.insert(c.hiddenLater);
    window.Turn(c.events);

    ASSERT_EQ(window.messageBox.shown.size(), 1u);
    EXPECT_EQ(window.messageBox.shown[0].first, kErrorBoxCaption);
    EXPECT_NE(window.messageBox.shown[0].second.find(c.named), std::string::npos)
        << window.messageBox.shown[0].second;

    // The handler ended there; the next events are handled and drawn.
    EXPECT_EQ(window.Turn({kExpose}), 1);
    EXPECT_TRUE(DrewTheTable(window));
    const float angle = window.state().cueAim.angle;
    EXPECT_EQ(window.Turn({Key(vk::Left)}), 1);
    EXPECT_NE(window.state().cueAim.angle, angle);
    EXPECT_EQ(window.messageBox.shown.size(), 1u);
  }
}

TEST(MainWindow, NoFrameAfterFormDestroy) {
  Window window;
  window.form->FormDestroy();
  EXPECT_EQ(window.Turn({kExpose, Key(vk::Left)}), 0);
  window.form->FormDestroy();  // and again, as the window's end does
  EXPECT_EQ(window.Turn({kExpose}), 0);
  EXPECT_TRUE(window.messageBox.shown.empty());
}

}  // namespace
}  // namespace quorvil
