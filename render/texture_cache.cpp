#include "render/texture_cache.h"

namespace quorvil {

namespace {
// More pictures than one game holds means game states come and go under one
// context (tests, benchmarks); starting afresh keeps the memory bounded.
constexpr size_t kMaxEntries = 64;
}  // namespace

TextureCache::~TextureCache() {
  for (const auto& [image, entry] : entries_) glDeleteTextures(1, &entry.name);
}

void TextureCache::Bind(const TextureImage& image) {
  if (reuse_ == TextureReuse::kUploadEveryBind) {
    // Texture 0 stays bound and keeps its filters and wrap across uploads.
    glTexImage2D(GL_TEXTURE_2D, 0, 3, kTextureSize, kTextureSize, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    bound_ = &shared_;
    ++uploads_;
    return;
  }
  if (entries_.size() >= kMaxEntries && entries_.find(&image) == entries_.end()) {
    for (const auto& [key, entry] : entries_) glDeleteTextures(1, &entry.name);
    entries_.clear();
    bound_ = nullptr;
  }
  auto [it, inserted] = entries_.try_emplace(&image);
  Entry& entry = it->second;
  if (inserted) glGenTextures(1, &entry.name);
  glBindTexture(GL_TEXTURE_2D, entry.name);
  bound_ = &entry;

  if (inserted || entry.pixels != image.pixels) {
    // A row is 384 bytes, a multiple of every unpack alignment (1, 2, 4, 8),
    // so the rows are read without gaps whatever the alignment is.
    glTexImage2D(GL_TEXTURE_2D, 0, 3, kTextureSize, kTextureSize, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    entry.pixels = image.pixels;
    ++uploads_;
  }
  // Until the first SetFilterAndWrap every object keeps GL's initial
  // settings, as the one shared texture did.
  if (currentWrap_ && entry.wrap != currentWrap_) ApplyFilterAndWrap(entry, *currentWrap_);
}

void TextureCache::SetFilterAndWrap(GLint wrap) {
  currentWrap_ = wrap;
  if (bound_ != nullptr) ApplyFilterAndWrap(*bound_, wrap);
}

void TextureCache::ApplyFilterAndWrap(Entry& entry, GLint wrap) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
  entry.wrap = wrap;
}

}  // namespace quorvil
