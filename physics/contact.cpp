#include "physics/contact.h"

#include <cmath>

#include "assets/sound_effects.h"

namespace quorvil {

namespace {
constexpr float kContactFactor = 2.0f;
// Touching balls are set down a little further apart than a diameter, so the
// same pair does not touch again in the next tick.
constexpr float kSeparationFactor = 1.02f;
}  // namespace

bool TestContact(Vec2 a, Vec2 b, float radius, Vec2& contactPoint, Vec2& newA, Vec2& newB) {
  const double reach = double(kContactFactor * radius);
  // Discs that lie a whole reach apart along either axis cannot touch: the
  // distance is never shorter than either component of the (rounded)
  // difference, so this quick answer is the same as the full test's.
  const Vec2 d = VecSub(a, b);
  if (std::fabs(double(d.x)) >= reach || std::fabs(double(d.y)) >= reach) return false;
  const double distance = VecDistance(a, b);
  if (!(distance < reach)) return false;
  const Vec2 n = VecNormalize(VecSub(b, a));
  const Vec2 p = VecAdd(a, VecScale(n, radius));
  const Vec2 q = VecSub(b, VecScale(n, radius));
  const Vec2 m = VecDiv(VecAdd(p, q), 2.0f);
  contactPoint = m;
  const Vec2 s = VecScale(VecScale(n, radius), kSeparationFactor);
  newA = VecSub(m, s);
  newB = VecAdd(m, s);
  return true;
}

void ResolveContact(Game& game, int i, int j, Vec2 newA, Vec2 newB) {
  GameState& state = game.state;
  // Graded by the strength of the contact before this one.
  PlayEffect(game, EffectBallHit);
  Ball& a = state.balls[i];
  Ball& b = state.balls[j];
  a.pos = newA;
  b.pos = newB;
  const Vec2 ni = VecNormalize(VecSub(b.pos, a.pos));
  const Vec2 nj = VecNormalize(VecSub(a.pos, b.pos));
  const double sj = VecDot(b.vel, ni);
  const double si = VecDot(a.vel, nj);
  state.impactStrength = static_cast<float>(std::fabs(sj) + std::fabs(si));
  // Equal masses, fully elastic along the line of centres: the balls swap
  // their components along it and keep the ones across it.
  const Vec2 pj = VecScale(ni, static_cast<float>(sj));
  const Vec2 pi = VecScale(nj, static_cast<float>(si));
  const Vec2 di = VecSub(pj, pi);
  const Vec2 dj = VecSub(pi, pj);
  a.vel = VecAdd(a.vel, di);
  b.vel = VecAdd(b.vel, dj);
}

}  // namespace quorvil
