// Whether two discs touch, where to put them apart, and the elastic exchange
// of two touching balls' velocity components along their line of centres.
#pragma once

#include "ui/game.h"

namespace quorvil {

// True when the centres are closer than 2 x radius; then the outputs hold the
// contact point and the two centres moved apart to 2 x 1.02 x radius.
bool TestContact(Vec2 a, Vec2 b, float radius, Vec2& contactPoint, Vec2& newA, Vec2& newB);

// The response for slots i < j whose balls touch, with TestContact's new
// centres: the hit sound, the separation and the velocity exchange.
void ResolveContact(Game& game, int i, int j, Vec2 newA, Vec2 newB);

}  // namespace quorvil
