#include "render/pocket_markers.h"

#include <GL/gl.h>

#include "render/material.h"
#include "render/texture_cache.h"

namespace quorvil {

namespace {

constexpr float kMarkerZ = 4.0f;
constexpr float kHalfSide = 50.0f;
constexpr float kMarkerOffset = 200.0f;

// Which way each pocket lies from the table centre: (l, h) for pocket
// numbers 1 to 6; the side pockets have no offset along the table.
constexpr int kPocketFactors[7][2] = {
    {0, 0}, {1, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {1, 1}, {1, 0},
};

// The slot whose picture marks player p's pocket: the 1 for player 0, the 2
// (slot 6) for player 1.
int MarkerSlot(int player) { return 1 + 5 * player; }

}  // namespace

Vec2 PocketMarkerCentre(int pocketNumber) {
  const float l = static_cast<float>(kPocketFactors[pocketNumber][0]);
  const float h = static_cast<float>(kPocketFactors[pocketNumber][1]);
  return {(table::kCushionX + kMarkerOffset) * l, (table::kCushionY + kMarkerOffset) * h};
}

void DrawPocketMarkers(const GameState& state, TextureCache& textures) {
  for (int player = 0; player < 2; ++player) {
    const int pocket = state.players[player].blackPocket;
    // Only the numbers 1 to 6 name a pocket; anything else shows nothing.
    if (pocket < 1 || pocket > 6) continue;

    glShadeModel(GL_FLAT);
    glEnable(GL_LIGHTING);
    textures.Bind(state.balls[MarkerSlot(player)].texture);
    textures.SetFilterAndWrap(GL_CLAMP);
    SetTextureEnvironment(GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
    SetDiffuse(GL_FRONT_AND_BACK, 1.0f, 1.0f, 1.0f);

    const Vec2 centre = PocketMarkerCentre(pocket);
    glPushMatrix();
    glTranslatef(centre.x, centre.y, kMarkerZ);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    // The window s 0.15..0.35, t 0.3..0.7 is the white number disc of the
    // first of the picture's two copies; turned by -90 degrees it reads
    // upright seen from above.
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(0.15f, 0.3f);
    glVertex3f(kHalfSide, -kHalfSide, 0.0f);
    glTexCoord2f(0.35f, 0.3f);
    glVertex3f(kHalfSide, kHalfSide, 0.0f);
    glTexCoord2f(0.35f, 0.7f);
    glVertex3f(-kHalfSide, kHalfSide, 0.0f);
    glTexCoord2f(0.15f, 0.7f);
    glVertex3f(-kHalfSide, -kHalfSide, 0.0f);
    glEnd();
    glPopMatrix();
  }
}

}  // namespace quorvil
