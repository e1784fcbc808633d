#include "platform/sdl_window.h"

#include <SDL.h>

namespace quorvil {

namespace {

constexpr const char* kErrorCaption = "Error";

// Depth bits in the order they are asked for: 32 first, then what the
// system more commonly offers. The colour request stays at 24 bits.
constexpr int kDepthRequests[] = {32, 24, 16};

void RequestPixelFormat(int depthBits) {
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

}  // namespace

std::unique_ptr<SdlGlWindow> SdlGlWindow::Open(const std::string& title, const WindowBounds& bounds,
                                               MessageBox& messageBox) {
  // The pixel format is fixed when SDL creates the window: a window that
  // cannot be made with any of the requests means no pixel format fits.
  SDL_Window* window = nullptr;
  int depthBits = 0;
  for (int request : kDepthRequests) {
    RequestPixelFormat(request);
    window = SDL_CreateWindow(title.c_str(), bounds.left, bounds.top, bounds.width, bounds.height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (window != nullptr) {
      depthBits = request;
      break;
    }
  }
  if (window == nullptr) {
    messageBox.ShowError(kErrorCaption, "ChoosePixelFormat failed");
    return nullptr;
  }

  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (context == nullptr || SDL_GL_MakeCurrent(window, context) != 0) {
    if (context != nullptr) SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    messageBox.ShowError(kErrorCaption, "SetPixelFormat failed");
    return nullptr;
  }
  // Presenting must never hold the 10 ms timer back.
  SDL_GL_SetSwapInterval(0);
  SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depthBits);
  return std::unique_ptr<SdlGlWindow>(new SdlGlWindow(window, context, depthBits));
}

SdlGlWindow::SdlGlWindow(SDL_Window* window, void* context, int depthBits)
    : window_(window), context_(context), depthBits_(depthBits) {}

SdlGlWindow::~SdlGlWindow() {
  SDL_GL_MakeCurrent(window_, nullptr);
  SDL_GL_DeleteContext(context_);
  SDL_DestroyWindow(window_);
}

void SdlGlWindow::Show() {
  SDL_ShowWindow(window_);
  SDL_MaximizeWindow(window_);
}

void SdlGlWindow::SetTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

int SdlGlWindow::OuterWidth() const {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  int top = 0, left = 0, bottom = 0, right = 0;
  // Unknown before the window manager has framed the window: then the
  // client width stands for it.
  if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) == 0) width += left + right;
  return width;
}

ClientSize SdlGlWindow::DrawableSize() const {
  ClientSize size;
  SDL_GL_GetDrawableSize(window_, &size.width, &size.height);
  return size;
}

void SdlGlWindow::MakeCurrent() { SDL_GL_MakeCurrent(window_, context_); }

void SdlGlWindow::Present() { SDL_GL_SwapWindow(window_); }

}  // namespace quorvil
