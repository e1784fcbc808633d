// The sixteen balls with their shadows (stage 10 of the frame).
#pragma once

#include "model/game_state.h"

struct GLUquadric;

namespace quorvil {
class TextureCache;
}

namespace quorvil {

// A ball whose x lies beyond this is drawn lying in the tray.
inline constexpr float kTrayTestX = 785.0f;
inline constexpr float kTrayBallZ = -142.75f;

// One ball: its picture wrapped on a lit sphere turned by its orientation,
// and, while it is on the table, a dark green shadow disc on the cloth.
void DrawBall(GLUquadric* quadric, TextureCache& textures, const Ball& ball);

// Stage 10: the balls' glossy material, then slots 0 to 15 in order.
void DrawBalls(const GameState& state, GLUquadric* quadric, TextureCache& textures);

}  // namespace quorvil
