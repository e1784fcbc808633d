#include "platform/sdl_input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "ui/keyboard.h"

namespace quorvil {
namespace {

SDL_Event KeyEvent(Uint32 type, SDL_Keycode sym, Uint16 mod, Uint8 repeat = 0) {
  SDL_Event event = {};
  event.type = type;
  event.key.keysym.sym = sym;
  event.key.keysym.mod = mod;
  event.key.repeat = repeat;
  return event;
}

struct KeyCase {
  const char* name;
  SDL_Keycode sym;
  Uint16 mod;
  Uint8 repeat;
  uint16_t key;
  bool ctrl;
};

const KeyCase kKeys[] = {
    {"escape", SDLK_ESCAPE, KMOD_NONE, 0, vk::Escape, false},
    {"space", SDLK_SPACE, KMOD_NONE, 0, vk::Space, false},
    {"left", SDLK_LEFT, KMOD_NONE, 0, vk::Left, false},
    {"up", SDLK_UP, KMOD_NONE, 0, vk::Up, false},
    {"right", SDLK_RIGHT, KMOD_NONE, 0, vk::Right, false},
    {"down", SDLK_DOWN, KMOD_NONE, 0, vk::Down, false},
    {"s", SDLK_s, KMOD_NONE, 0, vk::S, false},
    {"F1", SDLK_F1, KMOD_NONE, 0, vk::F1, false},
    {"shift+s is still S", SDLK_s, KMOD_LSHIFT, 0, vk::S, false},
    {"s with caps lock", SDLK_s, KMOD_CAPS, 0, vk::S, false},
    {"left ctrl", SDLK_LEFT, KMOD_LCTRL, 0, vk::Left, true},
    {"right ctrl", SDLK_RIGHT, KMOD_RCTRL, 0, vk::Right, true},
    {"ctrl with other modifiers", SDLK_RIGHT, KMOD_LCTRL | KMOD_LSHIFT | KMOD_NUM, 0, vk::Right, true},
    {"alt is not ctrl", SDLK_LEFT, KMOD_LALT, 0, vk::Left, false},
    {"a held key repeats", SDLK_SPACE, KMOD_NONE, 1, vk::Space, false},
    {"a letter without a use", SDLK_a, KMOD_NONE, 0, 0, false},
    {"keypad arrow", SDLK_KP_4, KMOD_NONE, 0, 0, false},
    {"return", SDLK_RETURN, KMOD_LCTRL, 0, 0, true},
    {"F2", SDLK_F2, KMOD_NONE, 0, 0, false},
    {"ctrl itself", SDLK_LCTRL, KMOD_LCTRL, 0, 0, true},
    {"a key SDL cannot name", SDLK_UNKNOWN, KMOD_NONE, 0, 0, false},
};

TEST(TranslateEvent, KeysBecomeTheKeyboardTablesCodes) {
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE(c.name);
    const std::optional<WindowEvent> event = TranslateEvent(KeyEvent(SDL_KEYDOWN, c.sym, c.mod, c.repeat));
    ASSERT_TRUE(event.has_value());
    const KeyPressed* key = std::get_if<KeyPressed>(&*event);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->key, c.key);
    EXPECT_EQ(key->ctrl, c.ctrl);
  }
}

TEST(TranslateEvent, KeyReleasesAreNotHandled) {
  EXPECT_FALSE(TranslateEvent(KeyEvent(SDL_KEYUP, SDLK_SPACE, KMOD_NONE)).has_value());
}

struct MotionCase {
  const char* name;
  Sint32 x, y;
  Uint32 state;
  bool left, right;
};

const MotionCase kMotions[] = {
    {"no button", 10, 20, 0, false, false},
    {"left", 870, 640, SDL_BUTTON_LMASK, true, false},
    {"right", 0, 0, SDL_BUTTON_RMASK, false, true},
    {"both", 300, 200, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK, true, true},
    {"middle only", 5, 5, SDL_BUTTON_MMASK, false, false},
    {"left with extra buttons", 5, 5, SDL_BUTTON_LMASK | SDL_BUTTON_X1MASK, true, false},
    {"dragged out past the corner", -4000, -25, SDL_BUTTON_LMASK, true, false},
};

TEST(TranslateEvent, PointerMovesKeepClientPixelsAndButtons) {
  for (const MotionCase& c : kMotions) {
    SCOPED_TRACE(c.name);
    SDL_Event sdl = {};
    sdl.type = SDL_MOUSEMOTION;
    sdl.motion.x = c.x;
    sdl.motion.y = c.y;
    sdl.motion.state = c.state;
    const std::optional<WindowEvent> event = TranslateEvent(sdl);
    ASSERT_TRUE(event.has_value());
    const PointerMoved* move = std::get_if<PointerMoved>(&*event);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->x, c.x);
    EXPECT_EQ(move->y, c.y);
    EXPECT_EQ(move->left, c.left);
    EXPECT_EQ(move->right, c.right);
  }
}

enum class Expect { Nothing, Repaint, Close };

struct OtherCase {
  const char* name;
  Uint32 type;
  Uint8 windowEvent;
  Expect expect;
};

const OtherCase kOthers[] = {
    {"shown", SDL_WINDOWEVENT, SDL_WINDOWEVENT_SHOWN, Expect::Repaint},
    {"uncovered", SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED, Expect::Repaint},
    {"resized", SDL_WINDOWEVENT, SDL_WINDOWEVENT_SIZE_CHANGED, Expect::Repaint},
    {"maximised", SDL_WINDOWEVENT, SDL_WINDOWEVENT_MAXIMIZED, Expect::Repaint},
    {"restored", SDL_WINDOWEVENT, SDL_WINDOWEVENT_RESTORED, Expect::Repaint},
    {"moved", SDL_WINDOWEVENT, SDL_WINDOWEVENT_MOVED, Expect::Nothing},
    {"focus", SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_GAINED, Expect::Nothing},
    {"window closed", SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE, Expect::Close},
    {"quit", SDL_QUIT, 0, Expect::Close},
    {"button press", SDL_MOUSEBUTTONDOWN, 0, Expect::Nothing},
    {"wheel", SDL_MOUSEWHEEL, 0, Expect::Nothing},
    {"text", SDL_TEXTINPUT, 0, Expect::Nothing},
};

TEST(TranslateEvent, WindowEventsAskForARepaintOrClose) {
  for (const OtherCase& c : kOthers) {
    SCOPED_TRACE(c.name);
    SDL_Event sdl = {};
    sdl.type = c.type;
    if (c.type == SDL_WINDOWEVENT) sdl.window.event = c.windowEvent;
    const std::optional<WindowEvent> event = TranslateEvent(sdl);
    switch (c.expect) {
      case Expect::Nothing:
        EXPECT_FALSE(event.has_value());
        break;
      case Expect::Repaint:
        ASSERT_TRUE(event.has_value());
        EXPECT_TRUE(std::holds_alternative<WindowExposed>(*event));
        break;
      case Expect::Close:
        ASSERT_TRUE(event.has_value());
        EXPECT_TRUE(std::holds_alternative<CloseRequested>(*event));
        break;
    }
  }
}

}  // namespace
}  // namespace quorvil
