#include "render/render_context.h"

#include <GL/glu.h>

#include <new>

namespace quorvil {

RenderContext::RenderContext(TextureReuse reuse) : quadric_(gluNewQuadric()), textures_(reuse) {
  // gluNewQuadric fails only when memory runs out.
  if (quadric_ == nullptr) throw std::bad_alloc();
}

RenderContext::~RenderContext() { gluDeleteQuadric(quadric_); }

}  // namespace quorvil
