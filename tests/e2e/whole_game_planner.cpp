// Plans a whole game for two scripted players: from a seed, it tries every
// whole-degree aim and a range of strengths for each shot, on the game's own
// code, and keeps the shot that pockets most of the shooter's own balls, the
// black last. The plan is written as a quorvil-sim script: the seed, `start`,
// then per shot the arrow keys, Space and the steps until every ball rests.
// The game itself, started with its clock fixed to the same seed, replays the
// keys exactly: the balls depend only on the ticks and the draws of rand().
//   whole_game_planner SEED > plan.sim
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "assets/resource_catalog.h"
#include "model/game_state.h"
#include "physics/tick.h"
#include "ui/form_lifecycle.h"
#include "ui/game.h"
#include "ui/keyboard.h"
#include "ui/paint_steps.h"
#include "ui/silent_host.h"

// Every draw the game makes goes through here, so that a trial can put the
// generator back where the shot starts: re-seed, then draw as often again.
// The C library's rand() is random() on the same state.
static uint64_t drawsMade = 0;
extern "C" int rand() noexcept {
  ++drawsMade;
  return static_cast<int>(random());
}

namespace quorvil {
namespace {

constexpr int kLongestShotTicks = 2500;
constexpr int kRestTicks = 5;  // the cue ball's respot comes in the second

struct Outcome {
  int ticks = 0;
  int own = 0;
  int other = 0;
  bool black = false;
  int blackPocketUsed = 0;
  bool cueLost = false;
};

bool IsObjectBall(const Ball& ball) { return ball.kind == Solid || ball.kind == Stripe; }

int RemainingObjectBalls(const GameState& state) {
  int n = 0;
  for (const Ball& ball : state.balls)
    if (IsObjectBall(ball) && !ball.pocketed) ++n;
  return n;
}

// Plays Space on the state as it is and steps, a tick and a frame at a
// time, until the balls have rested for a few ticks.
Outcome PlayShot(Game& game) {
  GameState& state = game.state;
  bool pocketedBefore[kBallCount];
  for (int slot = 0; slot < kBallCount; ++slot) pocketedBefore[slot] = state.balls[slot].pocketed;
  const int shooter = state.currentPlayer;
  Outcome outcome;
  FormKeyDown(game, vk::Space, false);
  int resting = 0;
  while (resting < kRestTicks && outcome.ticks < kLongestShotTicks) {
    TimerTimer(game);
    PaintStateSteps(game);
    ++outcome.ticks;
    if (state.balls[kCueSlot].pocketed) outcome.cueLost = true;
    resting = state.ballsMoving ? 0 : resting + 1;
  }
  // The group after the shot: the first object ball of a game assigns it.
  const BallKind group = state.players[shooter].group;
  for (int slot = 1; slot < kBallCount; ++slot) {
    if (pocketedBefore[slot] || !state.balls[slot].pocketed) continue;
    const BallKind kind = state.balls[slot].kind;
    if (kind == Black) {
      outcome.black = true;
      outcome.blackPocketUsed = state.lastPocket;
    } else if (kind == group) {
      ++outcome.own;
    } else {
      ++outcome.other;
    }
  }
  if (outcome.ticks >= kLongestShotTicks) outcome.cueLost = true;  // never chosen
  return outcome;
}

// Higher is better; a shot that pockets the black early or loses the cue
// ball is never played while another exists.
long Score(const Outcome& o, int remainingBefore, int designatedPocket) {
  long score = 0;
  if (o.black && remainingBefore - o.own - o.other > 0) return -1000000;
  if (o.cueLost) score -= 100000;
  if (o.black) score += 50000 + (o.blackPocketUsed == designatedPocket ? 10000 : 0);
  if (o.other == 0) score += 1000L * o.own;
  else score += 100L * o.other;
  return score - o.ticks / 10;  // of equal shots, the one that rests soonest
}

// Puts the generator back where it stood after `draws` draws from `seed`.
void RewindGenerator(unsigned seed, uint64_t draws) {
  srandom(seed);
  for (uint64_t i = 0; i < draws; ++i) random();
  drawsMade = draws;
}

void Keys(std::string& plan, int code, int count) {
  for (int i = 0; i < count; ++i) plan += "key " + std::to_string(code) + "\n";
}

}  // namespace
}  // namespace quorvil

int main(int argc, char** argv) {
  using namespace quorvil;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s SEED\n", argv[0]);
    return 2;
  }
  const unsigned seed = static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10));
  SilentForm form;
  SilentSound sound;
  auto game = std::make_unique<Game>(form, sound, EmbeddedResources());
  srandom(seed);
  ConstructForm(*game);
  FormCreate(*game, Seeding::KeepGenerator);

  std::string plan = "# A whole game, planned by whole_game_planner " + std::to_string(seed) +
                     "\nseed " + std::to_string(seed) + "\nstart\n";
  auto saved = std::make_unique<GameState>();
  for (int shot = 1; shot <= 80; ++shot) {
    GameState& state = game->state;
    const bool blackLeft = !state.balls[kBlackSlot].pocketed;
    if (RemainingObjectBalls(state) == 0 && !blackLeft) break;
    *saved = state;
    const uint64_t drawsBefore = drawsMade;
    const int remaining = RemainingObjectBalls(state);
    const int designated = state.players[state.currentPlayer].blackPocket;
    // A player turns the cue as little as he can: the aims are tried from
    // the one he holds outwards, and the first shot good enough is played.
    // Good enough: his own balls and nothing else, or the black last, into
    // his pocket once he has one.
    const long goodEnough = remaining == 0 && designated != 0 ? 59000 : 500;
    long bestScore = -2000000;
    int bestTurn = 0, bestPull = 0;
    for (int tried = 0; tried < 360 && bestScore < goodEnough; ++tried) {
      const int turn = tried % 2 == 0 ? tried / 2 : -(tried + 1) / 2;
      for (int pull = 12; pull <= 108; pull += 4) {
        state = *saved;
        RewindGenerator(seed, drawsBefore);
        state.cueAim.angle = saved->cueAim.angle + float(turn);
        state.cueAim.pull = float(pull);
        const long score = Score(PlayShot(*game), remaining, designated);
        if (score > bestScore) {
          bestScore = score;
          bestTurn = turn;
          bestPull = pull;
        }
      }
    }
    // Play the chosen shot for real, by its keys.
    state = *saved;
    RewindGenerator(seed, drawsBefore);
    const int pullSteps = (bestPull - int(saved->cueAim.pull)) / 2;
    plan += "# shot " + std::to_string(shot) + " by player " +
            std::to_string(state.currentPlayer + 1) + "\n";
    for (int i = 0; i < std::abs(bestTurn); ++i)
      FormKeyDown(*game, bestTurn > 0 ? vk::Right : vk::Left, false);
    for (int i = 0; i < std::abs(pullSteps); ++i)
      FormKeyDown(*game, pullSteps > 0 ? vk::Down : vk::Up, false);
    Keys(plan, bestTurn > 0 ? vk::Right : vk::Left, std::abs(bestTurn));
    Keys(plan, pullSteps > 0 ? vk::Down : vk::Up, std::abs(pullSteps));
    const Outcome outcome = PlayShot(*game);
    plan += "key 32\nstep " + std::to_string(outcome.ticks) + "\n";
    std::fprintf(stderr, "shot %d: turn %d pull %d, %d ticks, own %d other %d black %d cue lost %d\n",
                 shot, bestTurn, bestPull, outcome.ticks, outcome.own, outcome.other,
                 outcome.black, outcome.cueLost);
  }
  plan += "dump\n";
  std::fputs(plan.c_str(), stdout);
  std::fprintf(stderr, "score line: \"%s\"\n", form.status.c_str());
  return 0;
}
