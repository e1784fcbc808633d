// The marker beside the pocket each player has to play the black into
// (stage 2 of the frame): a square on the rim showing the player's number,
// taken from the ball pictures of the 1 (player 0) and the 2 (player 1).
#pragma once

#include "model/game_state.h"
#include "model/vec2.h"

namespace quorvil {

class TextureCache;

// The marker's centre on the rim for a pocket number 1 to 6: 200 units
// beyond the pocket point in x, and in y for the corner pockets.
Vec2 PocketMarkerCentre(int pocketNumber);

// Stage 2: player 0's marker, then player 1's, for each player with a
// designated black-ball pocket.
void DrawPocketMarkers(const GameState& state, TextureCache& textures);

}  // namespace quorvil
