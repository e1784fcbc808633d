// Everything the game knows: the sixteen balls, the two players, the aim, the
// flags that hand a shot from the simulation to the rules, and the two table
// images. Plain fixed-size records held by value; created once at start-up.
#pragma once

#include <array>
#include <cstdint>

#include "model/vec2.h"

namespace quorvil {

enum BallKind : int32_t { Solid = 0, Stripe = 1, CueBall = 2, Black = 3 };

inline constexpr int kTextureSize = 128;
inline constexpr int kTextureRowBytes = kTextureSize * 3;

// One 128 x 128 RGB picture as the GL takes it: the first row is the bottom
// row of the texture.
struct TextureImage {
  bool loaded;
  bool modulate;    // multiply with the lit colour (GL_MODULATE), else decal
  bool repeatWrap;  // repeat texture coordinates, else clamp
  std::array<uint8_t, kTextureSize * kTextureRowBytes> pixels;
};

struct Ball {
  BallKind kind;
  Vec2 pos;
  Vec2 prevPos;  // centre before this tick's move; read by the cushion bounce
  Vec2 vel;      // table units per tick
  float colour[4];
  bool pocketed;
  TextureImage texture;
  double orientation[16];  // 4 x 4, column-major (index 4c + r)
};

struct Player {
  int32_t points;
  BallKind group;
  int32_t blackPocket;  // pocket number 1..6 designated for the black; 0 none
  bool blackPotted;
};

struct CueAim {
  float angle;  // degrees; 0 shoots along +y, positive turns counter-clockwise
  float pull;   // the cue ball's speed in table units per tick
};

inline constexpr int kBallCount = 16;
inline constexpr int kCueSlot = 0;
inline constexpr int kBlackSlot = 5;
inline constexpr int kShotListSize = 16;

struct GameState {
  Ball balls[kBallCount];
  Player players[2];
  CueAim cueAim;
  int32_t currentPlayer;
  bool ballsMoving;
  bool wasMoving;
  bool waitingForShot;
  bool soundOn;
  float impactStrength;
  int32_t lastPocket;
  int32_t firstPocketed;
  int32_t trayCount;
  int32_t shotPocketed[kShotListSize];
  int32_t shotPocketedCount;
  TextureImage clothTexture;
  TextureImage woodTexture;
};

// Table geometry shared by the simulation, the rules and the drawing.
namespace table {
inline constexpr float kBallRadius = 28.5f;
inline constexpr float kCushionX = 585.0f;
inline constexpr float kCushionY = 1170.0f;
inline constexpr float kLimitX = 556.5f;
inline constexpr float kLimitY = 1141.5f;
inline constexpr Vec2 kHeadSpot{0.0f, -585.0f};
inline constexpr Vec2 kFootSpot{0.0f, 585.0f};
inline constexpr float kTrayX = 927.75f;
inline constexpr Vec2 kParkingPoint{0.0f, 1000000.0f};
inline constexpr float kCornerCaptureRadius = 39.9f;
inline constexpr float kSideCaptureRadius = 28.5f;
}  // namespace table

struct Pocket {
  int32_t number;
  Vec2 centre;
  float captureRadius;
};

// The six pockets in the order every ball takes the capture tests.
inline constexpr Pocket kPocketTestOrder[6] = {
    {2, {-585.0f, -1170.0f}, table::kCornerCaptureRadius},
    {1, {585.0f, -1170.0f}, table::kCornerCaptureRadius},
    {4, {-585.0f, 1170.0f}, table::kCornerCaptureRadius},
    {5, {585.0f, 1170.0f}, table::kCornerCaptureRadius},
    {3, {-585.0f, 0.0f}, table::kSideCaptureRadius},
    {6, {585.0f, 0.0f}, table::kSideCaptureRadius},
};

// The kind each slot holds in every game.
BallKind SlotKind(int slot);

void InitTextureImage(TextureImage& image);
void ResetBall(Ball& ball);

// The program-start values of the whole state, in start-up order.
void InitGameState(GameState& state);

}  // namespace quorvil
