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

void UploadTextureImage(const TextureImage& image) {
  // A row is 384 bytes, a multiple of every unpack alignment (1, 2, 4, 8),
  // so the rows are read without gaps whatever the alignment is.
  glTexImage2D(GL_TEXTURE_2D, 0, 3, kTextureSize, kTextureSize, 0, GL_RGB,
               GL_UNSIGNED_BYTE, image.pixels.data());
}

void SetTextureFilterAndWrap(GLint wrap) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
}

void SetTextureEnvironment(GLint mode) {
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
}

}  // namespace quorvil
