#include "render/cue.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/material.h"

namespace quorvil {

namespace {
constexpr double kTipRadius = 8.0;
constexpr double kButtRadius = 16.0;
constexpr double kLength = 1470.0;
constexpr double kTipSphereRadius = 7.0;
constexpr double kButtSphereRadius = 15.8;
// The tip stays clear of the ball: one radius plus a small gap.
constexpr float kTipGap = 36.5f;
// Turning the cylinder's +z axis by 85 degrees about x lays it almost flat,
// pointing away from the shot's direction, its butt up by 5 degrees.
constexpr float kTilt = 85.0f;
}  // namespace

void DrawCue(GLUquadric* quadric, const CueAim& aim, Vec2 cueBallPos) {
  glPushMatrix();
  glTranslatef(cueBallPos.x, cueBallPos.y, 0.0f);
  glRotatef(aim.angle, 0.0f, 0.0f, 1.0f);
  glRotatef(kTilt, 1.0f, 0.0f, 0.0f);
  glTranslatef(0.0f, 0.0f, static_cast<float>(double(aim.pull) + kTipGap));
  gluCylinder(quadric, kTipRadius, kButtRadius, kLength, 16, 1);
  glPushMatrix();
  glTranslatef(0.0f, 0.0f, static_cast<float>(kLength));
  gluSphere(quadric, kButtSphereRadius, 16, 16);
  glPopMatrix();
  gluSphere(quadric, kTipSphereRadius, 16, 16);
  glPopMatrix();
}

void DrawCueStage(const GameState& state, GLUquadric* quadric) {
  if (state.ballsMoving) return;
  // Brown and untextured; the frame has set the specular colour to black,
  // so the cue has no highlight.
  glDisable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  SetDiffuse(GL_FRONT_AND_BACK, 0.6f, 0.4f, 0.2f);
  DrawCue(quadric, state.cueAim, state.balls[kCueSlot].pos);
}

}  // namespace quorvil
