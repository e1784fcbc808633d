#include "render/gl_setup.h"

#include <GL/gl.h>

#include <initializer_list>

namespace quorvil {

void SetUpFixedGlState() {
  // The ambient material has no effect (all ambient light is black) but is
  // part of the table's fixed look; the shininess shapes the balls' highlight.
  const GLfloat materialAmbient[] = {0.5f, 0.5f, 0.5f, 1.0f};
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, materialAmbient);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 100.0f);

  // Both lights are a half-strength grey; their specular colours keep the GL
  // defaults, so only light 0 puts a highlight on the balls.
  const GLfloat black[] = {0.0f, 0.0f, 0.0f, 1.0f};
  const GLfloat halfGrey[] = {0.5f, 0.5f, 0.5f, 1.0f};
  for (GLenum light : {GL_LIGHT0, GL_LIGHT1}) {
    glLightfv(light, GL_AMBIENT, black);
    glLightfv(light, GL_DIFFUSE, halfGrey);
  }

  // Two-sided lighting: the frame, the cushions and the tray box are seen
  // from either side and lit on the side that faces the viewer.
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
  glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);

  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHT1);
  glEnable(GL_DEPTH_TEST);
  // The balls' orientations gather rounding frame by frame; GL_NORMALIZE keeps
  // their normals unit length after the modelview transform.
  glEnable(GL_NORMALIZE);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_BLEND);
  glShadeModel(GL_SMOOTH);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

}  // namespace quorvil
