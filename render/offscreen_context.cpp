#include "render/offscreen_context.h"

#include <GL/osmesa.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "render/gl_setup.h"

namespace quorvil {

namespace {

int CheckedSide(int side) {
  if (side < 1 || side > kMaxSnapshotSide) {
    throw std::invalid_argument("picture side " + std::to_string(side) + " is not between 1 and " +
                                std::to_string(kMaxSnapshotSide));
  }
  return side;
}

}  // namespace

OffscreenContext::OffscreenContext(int width, int height)
    : width_(CheckedSide(width)),
      height_(CheckedSide(height)),
      buffer_(size_t(width_) * size_t(height_) * 4),
      context_(OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr)) {
  auto* context = static_cast<OSMesaContext>(context_);
  if (context == nullptr) throw std::runtime_error("Mesa cannot create an offscreen GL context");
  if (!OSMesaMakeCurrent(context, buffer_.data(), GL_UNSIGNED_BYTE, width_, height_)) {
    OSMesaDestroyContext(context);
    throw std::runtime_error("Mesa cannot draw into a " + std::to_string(width_) + " x " +
                             std::to_string(height_) + " picture");
  }
  // The GL calls reach Mesa only when the program links libOSMesa ahead of
  // any other GL library; otherwise they would draw nothing, silently.
  if (glGetString(GL_RENDERER) == nullptr) {
    OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
    OSMesaDestroyContext(context);
    throw std::runtime_error("GL calls do not reach Mesa's offscreen renderer");
  }
  SetUpFixedGlState();
}

OffscreenContext::~OffscreenContext() {
  OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
  OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
}

std::vector<uint8_t> OffscreenContext::ReadPixels() const {
  glFinish();
  std::vector<uint8_t> topFirst(buffer_.size());
  const size_t rowBytes = size_t(width_) * 4;
  for (int y = 0; y < height_; ++y) {
    const auto source = buffer_.begin() + std::ptrdiff_t(size_t(height_ - 1 - y) * rowBytes);
    std::copy(source, source + std::ptrdiff_t(rowBytes), topFirst.begin() + std::ptrdiff_t(size_t(y) * rowBytes));
  }
  return topFirst;
}

}  // namespace quorvil
