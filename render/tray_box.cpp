#include "render/tray_box.h"

#include <GL/gl.h>

#include "render/material.h"

namespace quorvil {

namespace {

struct TrayQuad {
  float nx, ny, nz;
  float corners[4][3];
};

// Open at the top and towards the table. Both end walls share the normal
// (0, -1, 0) and the winding; two-sided lighting lights them alike.
constexpr TrayQuad kTrayQuads[4] = {
    {0, 0, 1, {{970.5f, -580, -185.5f}, {970.5f, 752.5f, -185.5f}, {885, 752.5f, -185.5f}, {885, -580, -185.5f}}},
    {1, 0, 0, {{970.5f, 752.5f, -185.5f}, {970.5f, 752.5f, -100}, {970.5f, -580, -100}, {970.5f, -580, -185.5f}}},
    {0, -1, 0, {{885, -580, -185.5f}, {970.5f, -580, -185.5f}, {970.5f, -580, -100}, {885, -580, -100}}},
    {0, -1, 0, {{885, 752.5f, -185.5f}, {970.5f, 752.5f, -185.5f}, {970.5f, 752.5f, -100}, {885, 752.5f, -100}}},
};

}  // namespace

void DrawTrayBox() {
  // Texturing is switched on but no texture coordinates are sent: the box
  // takes the one texel the last ball's disc or sphere left selected, a white
  // edge texel of that ball's picture, so it shows plain brown. The glossy
  // specular colour stays from the balls.
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_FLAT);
  SetDiffuse(GL_FRONT_AND_BACK, 0.6f, 0.4f, 0.2f);
  glBegin(GL_QUADS);
  for (const TrayQuad& quad : kTrayQuads) {
    glNormal3f(quad.nx, quad.ny, quad.nz);
    for (const auto& corner : quad.corners) glVertex3fv(corner);
  }
  glEnd();
}

}  // namespace quorvil
