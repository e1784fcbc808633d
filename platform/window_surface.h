// The window as the main form draws into it: its title, its size and the GL
// context that every frame makes current and presents.
#pragma once

#include <string>

namespace quorvil {

struct ClientSize {
  int width = 0;
  int height = 0;
};

class WindowSurface {
 public:
  virtual ~WindowSurface() = default;
  virtual void SetTitle(const std::string& title) = 0;
  // The window's outer width in pixels, frame included where it is known.
  virtual int OuterWidth() const = 0;
  // The client area in GL pixels; either side may be 0.
  virtual ClientSize DrawableSize() const = 0;
  virtual void MakeCurrent() = 0;
  // Shows the finished frame, without waiting for the display's refresh.
  virtual void Present() = 0;
};

}  // namespace quorvil
