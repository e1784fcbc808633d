#include "render/ball.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "render/material.h"
#include "render/texture_cache.h"

namespace quorvil {

namespace {
constexpr float kShadowRadius = 31.35f;  // 1.1 ball radii
constexpr float kShadowOffset = 5.0f;    // towards +x and +y
constexpr float kShadowZ = -24.5f;       // 4 units above the cloth
}  // namespace

void DrawBall(GLUquadric* quadric, TextureCache& textures, const Ball& ball) {
  const bool inTray = ball.pos.x > kTrayTestX;
  const float z = inTray ? kTrayBallZ : 0.0f;

  glEnable(GL_LIGHTING);
  textures.Bind(ball.texture);
  textures.SetFilterAndWrap(ball.texture.repeatWrap ? GL_REPEAT : GL_CLAMP);
  SetTextureEnvironment(ball.texture.modulate ? GL_MODULATE : GL_DECAL);
  glEnable(GL_TEXTURE_2D);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, ball.colour);

  glPushMatrix();
  glTranslatef(ball.pos.x, ball.pos.y, z);
  // The quarter turn about z makes a ball rolling along its direction of
  // motion turn with its top moving forwards.
  glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
  glMultMatrixd(ball.orientation);
  gluQuadricTexture(quadric, GL_TRUE);
  gluSphere(quadric, table::kBallRadius, 32, 32);
  glPopMatrix();

  glDisable(GL_TEXTURE_2D);

  if (!inTray) {
    // The shadow is unlit: a plain dark green disc just above the cloth.
    glDisable(GL_LIGHTING);
    glColor3f(0.0f, 0.2f, 0.0f);
    glPushMatrix();
    glTranslatef(ball.pos.x + kShadowOffset, ball.pos.y + kShadowOffset, kShadowZ);
    gluDisk(quadric, 0.0, kShadowRadius, 32, 1);
    glPopMatrix();
    glEnable(GL_LIGHTING);
  }
}

void DrawBalls(const GameState& state, GLUquadric* quadric, TextureCache& textures) {
  // The balls and the tray box are the only glossy objects.
  SetSpecular(GL_FRONT_AND_BACK, 1.0f, 1.0f, 1.0f, 1.0f);
  glShadeModel(GL_SMOOTH);
  for (const Ball& ball : state.balls) DrawBall(quadric, textures, ball);
}

}  // namespace quorvil
