// An offscreen GL context of Mesa's software renderer: an RGBA picture with a
// 24-bit depth buffer in memory, made current on the calling thread, with the
// game's fixed GL state set up. For snapshots, the render tests and the frame
// benchmark; the window makes its own context.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvil {

inline constexpr int kMaxSnapshotSide = 8192;

class OffscreenContext {
 public:
  // width and height from 1 to kMaxSnapshotSide. Throws std::invalid_argument
  // for a size outside that range and std::runtime_error when Mesa cannot
  // make the context.
  OffscreenContext(int width, int height);
  ~OffscreenContext();
  OffscreenContext(const OffscreenContext&) = delete;
  OffscreenContext& operator=(const OffscreenContext&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  // Waits for the drawing to finish and returns the picture as RGBA bytes,
  // rows top first.
  std::vector<uint8_t> ReadPixels() const;

 private:
  int width_;
  int height_;
  std::vector<uint8_t> buffer_;  // Mesa's colour buffer, rows bottom first
  void* context_;
};

}  // namespace quorvil
