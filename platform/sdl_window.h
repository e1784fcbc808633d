// The main window and its OpenGL context through SDL: double-buffered RGBA
// with 24 colour bits and a depth buffer, current on the window's thread,
// presenting without waiting for vertical sync. Created hidden at its
// restored bounds; Show() shows it maximised.
#pragma once

#include <memory>
#include <string>

#include "platform/message_box.h"
#include "platform/window_surface.h"

struct SDL_Window;

namespace quorvil {

// The window's bounds when restored: client area in pixels.
struct WindowBounds {
  int left = 367;
  int top = 241;
  int width = 870;
  int height = 640;
};

class SdlGlWindow : public WindowSurface {
 public:
  // The window with its context made current, or nothing when no usable
  // context can be had: then the message box has said why ("ChoosePixelFormat
  // failed" when no pixel format fits, "SetPixelFormat failed" when the
  // context cannot be made, caption "Error"), once. Needs an SdlSession.
  static std::unique_ptr<SdlGlWindow> Open(const std::string& title, const WindowBounds& bounds,
                                           MessageBox& messageBox);
  ~SdlGlWindow() override;
  SdlGlWindow(const SdlGlWindow&) = delete;
  SdlGlWindow& operator=(const SdlGlWindow&) = delete;

  void Show();
  // The depth-buffer bits of the pixel format that was accepted.
  int depthBits() const { return depthBits_; }

  void SetTitle(const std::string& title) override;
  int OuterWidth() const override;
  ClientSize DrawableSize() const override;
  void MakeCurrent() override;
  void Present() override;

 private:
  SdlGlWindow(SDL_Window* window, void* context, int depthBits);

  SDL_Window* window_;
  void* context_;  // SDL_GLContext
  int depthBits_;
};

}  // namespace quorvil
