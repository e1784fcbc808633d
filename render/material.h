// Small helpers for the material colours and the texture every stage sets:
// the GL calls the drawing stages repeat, in one place.
#pragma once

#include <GL/gl.h>

#include "model/game_state.h"

namespace quorvil {

// face: GL_FRONT, GL_BACK or GL_FRONT_AND_BACK.
void SetDiffuse(GLenum face, float r, float g, float b, float a = 1.0f);
void SetSpecular(GLenum face, float r, float g, float b, float a);

// Uploads a 128 x 128 RGB image into the one default texture; there are no
// texture objects, every textured object uploads its image right before it
// is drawn.
void UploadTextureImage(const TextureImage& image);

// Nearest-texel filtering both ways, and the wrap mode in s and t.
void SetTextureFilterAndWrap(GLint wrap);

void SetTextureEnvironment(GLint mode);

}  // namespace quorvil
