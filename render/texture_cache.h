// The table's pictures (balls, cloth, wood) kept in GL texture objects, one
// per picture, so a frame binds them instead of uploading 48 KB each time.
// A picture is uploaded again only when its pixels differ from the copy
// taken at its last upload, which happens at a new game.
//
// The frame was first written for one shared texture that every textured
// object overwrote, and some objects draw with what the one before left
// (the wooden frame keeps the cloth's filters and wrap, the holes and the
// tray box sample the last ball's picture). The cache keeps that look: the
// filter and wrap last set travel with each bind, exactly as if there were
// still one texture.
#pragma once

#include <GL/gl.h>

#include <array>
#include <optional>
#include <unordered_map>

#include "model/game_state.h"

namespace quorvil {

// How the pictures reach the GL: kept in their own texture objects, or, as
// the frame first drew them, uploaded into the one shared texture at every
// bind (the reference the cached pictures are checked against).
enum class TextureReuse { kKeep, kUploadEveryBind };

class TextureCache {
 public:
  explicit TextureCache(TextureReuse reuse = TextureReuse::kKeep) : reuse_(reuse) {}
  // Deletes the texture objects: the GL context they were made in must be
  // current.
  ~TextureCache();
  TextureCache(const TextureCache&) = delete;
  TextureCache& operator=(const TextureCache&) = delete;

  // Makes the image the texture that textured drawing uses, uploading it
  // first when it is new or its pixels have changed.
  void Bind(const TextureImage& image);

  // Nearest-texel filtering both ways and the wrap mode in s and t, for the
  // bound picture and every one bound after it until the next call.
  void SetFilterAndWrap(GLint wrap);

  // How many uploads the cache has made since it was created.
  int UploadCount() const { return uploads_; }

 private:
  struct Entry {
    GLuint name = 0;
    std::array<uint8_t, kTextureSize * kTextureRowBytes> pixels{};
    // The wrap this texture object was last given; none while it still has
    // GL's initial filters and wrap.
    std::optional<GLint> wrap;
  };

  void ApplyFilterAndWrap(Entry& entry, GLint wrap);

  // Keyed by where the picture lives; the pixel copy catches a picture that
  // changed in place or a new game state at an old address.
  std::unordered_map<const TextureImage*, Entry> entries_;
  TextureReuse reuse_;
  Entry shared_;  // the one texture, for kUploadEveryBind
  Entry* bound_ = nullptr;
  std::optional<GLint> currentWrap_;
  int uploads_ = 0;
};

}  // namespace quorvil
