#include "render/frame.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/ball.h"
#include "render/cue.h"
#include "render/material.h"
#include "render/pocket_markers.h"
#include "render/table_model.h"
#include "render/tray_box.h"

namespace quorvil {

namespace {

constexpr double kFieldOfViewDeg = 50.0;
constexpr double kNearPlane = 10.0;
constexpr double kFarPlane = 10000.0;

// Light 1 is fixed to the viewer; light 0 turns with the table.
constexpr GLfloat kLight0Direction[] = {0.4f, -0.4f, 0.8f, 0.0f};
constexpr GLfloat kLight1Direction[] = {0.4f, 0.4f, 0.8f, 0.0f};

void SetUpCamera(const ViewFields& view, int clientWidth, int clientHeight) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glViewport(0, 0, clientWidth, clientHeight);
  const long double aspect =
      static_cast<long double>(clientWidth) / static_cast<long double>(clientHeight);
  gluPerspective(kFieldOfViewDeg, static_cast<double>(aspect), kNearPlane, kFarPlane);
  // The camera looks down eye space's -z axis from viewDistance units away.
  const double distance = view.viewDistance;
  gluLookAt(0.0, 0.0, distance, 0.0, 0.0, distance - 1.0, 0.0, 1.0, 0.0);
}

void ClearAndPlaceLights(const ViewFields& view) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearColor(0.0f, 0.0f, 0.2f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_LIGHTING);

  glLightfv(GL_LIGHT1, GL_POSITION, kLight1Direction);
  // The table transform: T(panX, panY, 0) x Rx(viewTilt) x Rz(viewSpin).
  glTranslatef(view.panX, view.panY, 0.0f);
  glRotatef(view.viewTilt, 1.0f, 0.0f, 0.0f);
  glRotatef(view.viewSpin, 0.0f, 0.0f, 1.0f);
  glLightfv(GL_LIGHT0, GL_POSITION, kLight0Direction);
}

}  // namespace

void DrawFrame(const Game& game, int clientWidth, int clientHeight, RenderContext& context) {
  if (clientWidth <= 0 || clientHeight <= 0) return;
  const GameState& state = game.state;
  GLUquadric* quadric = context.quadric();

  SetUpCamera(game.view, clientWidth, clientHeight);
  ClearAndPlaceLights(game.view);
  // Nothing before the balls has a highlight.
  SetSpecular(GL_FRONT_AND_BACK, 0.0f, 0.0f, 0.0f, 0.0f);

  // The stages inherit what the stage before (or the previous frame) left;
  // each sets only what it needs.
  DrawCueStage(state, quadric);
  TextureCache& textures = context.textures();
  DrawPocketMarkers(state, textures);
  DrawTable(state, quadric, textures);
  DrawBalls(state, quadric, textures);
  DrawTrayBox();
}

}  // namespace quorvil
