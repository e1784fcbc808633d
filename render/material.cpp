#include "render/material.h"

namespace quorvil {

void SetDiffuse(GLenum face, float r, float g, float b, float a) {
  const GLfloat colour[] = {r, g, b, a};
  glMaterialfv(face, GL_DIFFUSE, colour);
}

void SetSpecular(GLenum face, float r, float g, float b, float a) {
  const GLfloat colour[] = {r, g, b, a};
  glMaterialfv(face, GL_SPECULAR, colour);
}

void SetTextureEnvironment(GLint mode) {
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
}

}  // namespace quorvil
