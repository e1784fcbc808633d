#include "platform/sdl_input.h"

#include <SDL.h>

#include "ui/keyboard.h"

namespace quorvil {

uint16_t VirtualKeyCode(int32_t sdlKeycode) {
  // SDL names a letter key by its lower-case letter whatever the Shift
  // state; the game knows it by the upper-case one.
  switch (sdlKeycode) {
    case SDLK_ESCAPE: return vk::Escape;
    case SDLK_SPACE: return vk::Space;
    case SDLK_LEFT: return vk::Left;
    case SDLK_UP: return vk::Up;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_DOWN: return vk::Down;
    case SDLK_s: return vk::S;
    case SDLK_F1: return vk::F1;
    default: return 0;
  }
}

std::optional<WindowEvent> TranslateEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
      return KeyPressed{VirtualKeyCode(event.key.keysym.sym), (event.key.keysym.mod & KMOD_CTRL) != 0};
    case SDL_MOUSEMOTION:
      return PointerMoved{event.motion.x, event.motion.y, (event.motion.state & SDL_BUTTON_LMASK) != 0,
                          (event.motion.state & SDL_BUTTON_RMASK) != 0};
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
          return WindowExposed{};
        case SDL_WINDOWEVENT_CLOSE:
          return CloseRequested{};
        default:
          return std::nullopt;
      }
    case SDL_QUIT:
      return CloseRequested{};
    default:
      return std::nullopt;
  }
}

}  // namespace quorvil
