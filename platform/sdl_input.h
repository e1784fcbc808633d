// SDL's events turned into the window's events: keys into the virtual-key
// codes of the keyboard controls, pointer moves into client pixels with the
// button state, exposes and resizes into a repaint, and the close.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/window_events.h"

typedef union SDL_Event SDL_Event;

namespace quorvil {

// The virtual-key code of an SDL key (SDL_Keycode), or 0 for a key the game
// has no use for, which the keyboard handler ignores.
uint16_t VirtualKeyCode(int32_t sdlKeycode);

// The window's event for an SDL event, or nothing for the events the game
// does not handle (key releases, text, button presses, focus, ...).
std::optional<WindowEvent> TranslateEvent(const SDL_Event& event);

}  // namespace quorvil
