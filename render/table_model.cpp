#include "render/table_model.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <initializer_list>

#include "render/cushion_mesh.h"
#include "render/material.h"
#include "render/texture_cache.h"

namespace quorvil {

namespace {

// The holes lie 10 units beyond the simulation's pocket points, one unit
// above the cloth, so the depth test alone puts them in front of it.
constexpr float kHoleRadius = 64.0f;
constexpr float kHoleZ = -27.5f;
constexpr float kHoleCentres[6][2] = {
    {-595.0f, 1180.0f}, {595.0f, 1180.0f}, {-595.0f, -1180.0f},
    {595.0f, -1180.0f}, {-595.0f, 0.0f},   {595.0f, 0.0f},
};

constexpr float kClothZ = -28.5f;
constexpr float kFloorZ = -29.5f;
constexpr float kFrameBottomZ = -400.0f;
constexpr float kSpotRadius = 20.0f;
constexpr float kSpotZ = -25.5f;

struct FrameCorner {
  float s, t;
  float x, y, z;
};

struct FrameQuad {
  float nx, ny, nz;
  FrameCorner corners[4];
};

// The frame: four outer sides and the four trapezoids of the top rim. The
// whole wood image is stretched over each quad, s across the strip of wood
// and t along it, so the grain runs along every side and rim piece.
constexpr FrameQuad kFrameQuads[8] = {
    {0, -1, 0, {{0, 0, -885, -1470, -400}, {0, 1, 885, -1470, -400}, {1, 1, 885, -1470, 0}, {1, 0, -885, -1470, 0}}},
    {0, 1, 0, {{0, 0, -885, 1470, 0}, {0, 1, 885, 1470, 0}, {1, 1, 885, 1470, -400}, {1, 0, -885, 1470, -400}}},
    {-1, 0, 0, {{0, 0, -885, -1470, -400}, {1, 0, -885, -1470, 0}, {1, 1, -885, 1470, 0}, {0, 1, -885, 1470, -400}}},
    {1, 0, 0, {{0, 0, 885, 1470, -400}, {1, 0, 885, 1470, 0}, {1, 1, 885, -1470, 0}, {0, 1, 885, -1470, -400}}},
    {0, 0, 1, {{0, 0, -885, -1470, 0}, {1, 0, -685, -1270, 0}, {1, 1, -685, 1270, 0}, {0, 1, -885, 1470, 0}}},
    {0, 0, 1, {{0, 0, 885, 1470, 0}, {1, 0, 685, 1270, 0}, {1, 1, 685, -1270, 0}, {0, 1, 885, -1470, 0}}},
    {0, 0, 1, {{0, 0, -885, -1470, 0}, {0, 1, 885, -1470, 0}, {1, 1, 685, -1270, 0}, {1, 0, -685, -1270, 0}}},
    {0, 0, 1, {{0, 0, -685, 1270, 0}, {0, 1, 685, 1270, 0}, {1, 1, 885, 1470, 0}, {1, 0, -885, 1470, 0}}},
};

}  // namespace

void DrawHole(GLUquadric* quadric, float x, float y, float z, float r) {
  glPushMatrix();
  glTranslatef(x, y, z);
  gluDisk(quadric, 0.0, r, 32, 1);
  glPopMatrix();
}

void DrawPocketHoles(GLUquadric* quadric) {
  // Texturing may still be on from the markers or the previous frame's tray
  // box; under GL_MODULATE a black material stays black whatever the texel.
  SetDiffuse(GL_FRONT_AND_BACK, 0.0f, 0.0f, 0.0f);
  for (const auto& centre : kHoleCentres) {
    DrawHole(quadric, centre[0], centre[1], kHoleZ, kHoleRadius);
  }
}

void DrawCushionMesh(TextureCache& textures, const TextureImage& cloth) {
  glShadeModel(GL_FLAT);
  SetDiffuse(GL_FRONT_AND_BACK, 0.0f, 0.8f, 0.0f);
  textures.Bind(cloth);
  textures.SetFilterAndWrap(GL_REPEAT);
  SetTextureEnvironment(GL_MODULATE);
  glEnable(GL_TEXTURE_2D);

  glBegin(GL_TRIANGLES);
  for (int i = 0; i < kCushionTriangleCount; ++i) {
    const MeshVertex n = CushionFaceNormal(i);
    glNormal3f(n.a, -n.c, n.b);
    for (int index : kCushionTriangles[i]) {
      const MeshVertex& v = kCushionVertices[index];
      // The cloth repeats every 150 units across and every 50 along.
      glTexCoord2f(static_cast<float>((double(v.a) + 1500.0) / 150.0),
                   static_cast<float>((1500.0 - double(v.c)) * 0.02));
      glVertex3f(v.a, -v.c, v.b);
    }
  }
  glEnd();
}

void DrawCloth() {
  // Inherits the cushions' cloth texture, filters, wrap and flat shading.
  SetDiffuse(GL_FRONT_AND_BACK, 0.0f, 1.0f, 0.0f);
  glBegin(GL_QUADS);
  glNormal3f(0.0f, 0.0f, 1.0f);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(-613.5f, -1198.5f, kClothZ);
  glTexCoord2f(8.0f, 0.0f);
  glVertex3f(613.5f, -1198.5f, kClothZ);
  glTexCoord2f(8.0f, 32.0f);
  glVertex3f(613.5f, 1198.5f, kClothZ);
  glTexCoord2f(0.0f, 32.0f);
  glVertex3f(-613.5f, 1198.5f, kClothZ);
  glEnd();
}

void DrawWoodenFrame(TextureCache& textures, const TextureImage& wood) {
  // Filters, wrap and environment stay as the cushions set them. Only the
  // front face turns white: a back face of the frame keeps the cloth's green.
  textures.Bind(wood);
  SetDiffuse(GL_FRONT, 1.0f, 1.0f, 1.0f);
  glBegin(GL_QUADS);
  for (const FrameQuad& quad : kFrameQuads) {
    glNormal3f(quad.nx, quad.ny, quad.nz);
    for (const FrameCorner& corner : quad.corners) {
      glTexCoord2f(corner.s, corner.t);
      glVertex3f(corner.x, corner.y, corner.z);
    }
  }
  glEnd();
}

void DrawFrameBottom() {
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  glNormal3f(0.0f, 0.0f, -1.0f);
  glVertex3f(-885.0f, 1470.0f, kFrameBottomZ);
  glVertex3f(885.0f, 1470.0f, kFrameBottomZ);
  glVertex3f(885.0f, -1470.0f, kFrameBottomZ);
  glVertex3f(-885.0f, -1470.0f, kFrameBottomZ);
  glEnd();
}

void DrawInnerFloor() {
  // Fills the gaps the cloth and cushions leave, so the pocket openings
  // look black.
  SetDiffuse(GL_FRONT_AND_BACK, 0.0f, 0.0f, 0.0f);
  glBegin(GL_QUADS);
  glNormal3f(0.0f, 0.0f, 1.0f);
  glVertex3f(-884.0f, -1469.0f, kFloorZ);
  glVertex3f(884.0f, -1469.0f, kFloorZ);
  glVertex3f(884.0f, 1469.0f, kFloorZ);
  glVertex3f(-884.0f, 1469.0f, kFloorZ);
  glEnd();
}

void DrawSpots(GLUquadric* quadric) {
  glShadeModel(GL_FLAT);
  SetDiffuse(GL_FRONT, 0.6f, 0.6f, 0.0f);
  for (Vec2 spot : {table::kHeadSpot, table::kFootSpot}) {
    glPushMatrix();
    glTranslatef(spot.x, spot.y, kSpotZ);
    gluDisk(quadric, 0.0, kSpotRadius, 32, 1);
    glPopMatrix();
  }
}

void DrawTable(const GameState& state, GLUquadric* quadric, TextureCache& textures) {
  DrawPocketHoles(quadric);
  DrawCushionMesh(textures, state.clothTexture);
  DrawCloth();
  DrawWoodenFrame(textures, state.woodTexture);
  DrawFrameBottom();
  DrawInnerFloor();
  DrawSpots(quadric);
}

}  // namespace quorvil
