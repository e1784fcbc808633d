// The pool table itself, drawn as stages 3 to 9 of the frame: the six pocket
// holes, the cushion mesh, the cloth, the wooden frame with its rim, the
// frame's bottom, the black inner floor and the two spots. Each stage expects
// the modelview matrix with the table transform current and leaves it so.
#pragma once

#include "model/game_state.h"

struct GLUquadric;

namespace quorvil {
class TextureCache;
}

namespace quorvil {

// A disc of radius r centred at (x, y, z), lying flat and facing +z, in the
// current material.
void DrawHole(GLUquadric* quadric, float x, float y, float z, float r);

void DrawPocketHoles(GLUquadric* quadric);
void DrawCushionMesh(TextureCache& textures, const TextureImage& cloth);
void DrawCloth();
void DrawWoodenFrame(TextureCache& textures, const TextureImage& wood);
void DrawFrameBottom();
void DrawInnerFloor();
void DrawSpots(GLUquadric* quadric);

// Stages 3 to 9 in their order.
void DrawTable(const GameState& state, GLUquadric* quadric, TextureCache& textures);

}  // namespace quorvil
