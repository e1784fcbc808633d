// Small helpers for the material colours and the texture every stage sets:
// the GL calls the drawing stages repeat, in one place.
#pragma once

#include <GL/gl.h>

namespace quorvil {

// face: GL_FRONT, GL_BACK or GL_FRONT_AND_BACK.
void SetDiffuse(GLenum face, float r, float g, float b, float a = 1.0f);
void SetSpecular(GLenum face, float r, float g, float b, float a);

void SetTextureEnvironment(GLint mode);

}  // namespace quorvil
