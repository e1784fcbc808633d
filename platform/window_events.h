// The window's events in the game's terms, as the platform layer hands them
// to the main window. No SDL type appears here.
#pragma once

#include <cstdint>
#include <variant>

namespace quorvil {

// One period of the 10 ms timer.
struct TimerTicked {};

// A key-down, auto-repeats included: the key's virtual-key code (0 for a key
// the game has no use for) and whether Ctrl is held.
struct KeyPressed {
  uint16_t key;
  bool ctrl;
};

// The pointer moved, in client pixels (y grows downwards), with the state of
// the left and right buttons during the move.
struct PointerMoved {
  int32_t x;
  int32_t y;
  bool left;
  bool right;
};

// Shown, uncovered or resized: the picture has to be drawn again.
struct WindowExposed {};

// The window was closed.
struct CloseRequested {};

using WindowEvent = std::variant<TimerTicked, KeyPressed, PointerMoved, WindowExposed, CloseRequested>;

// The main window as the event loop drives it.
class WindowEventHandler {
 public:
  virtual ~WindowEventHandler() = default;
  virtual void Handle(const WindowEvent& event) = 0;
  // Draws one frame when a repaint was asked for since the last one, however
  // many requests came in.
  virtual void PaintIfMarked() = 0;
};

}  // namespace quorvil
