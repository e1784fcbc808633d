// The cost of one simulation tick, on a table in motion and at rest, and of
// a whole break shot from the first tick to rest. A tick has 10 ms; it should
// cost a rounding error of that.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "model/aim.h"
#include "physics/tick.h"
#include "ui/form_lifecycle.h"
#include "ui/game.h"
#include "ui/silent_host.h"

namespace quorvil {
namespace {

// What a tick changes, so a benchmark can replay the same moment cheaply.
struct TableMoment {
  Vec2 pos[kBallCount], prevPos[kBallCount], vel[kBallCount];
  bool pocketed[kBallCount];
  GameState flags;  // only the small fields are restored from it

  static void Take(const GameState& s, TableMoment& m) {
    for (int i = 0; i < kBallCount; ++i) {
      m.pos[i] = s.balls[i].pos;
      m.prevPos[i] = s.balls[i].prevPos;
      m.vel[i] = s.balls[i].vel;
      m.pocketed[i] = s.balls[i].pocketed;
    }
    m.flags.ballsMoving = s.ballsMoving;
    m.flags.waitingForShot = s.waitingForShot;
    m.flags.trayCount = s.trayCount;
    m.flags.shotPocketedCount = s.shotPocketedCount;
    m.flags.firstPocketed = s.firstPocketed;
  }
  void Restore(GameState& s) const {
    for (int i = 0; i < kBallCount; ++i) {
      s.balls[i].pos = pos[i];
      s.balls[i].prevPos = prevPos[i];
      s.balls[i].vel = vel[i];
      s.balls[i].pocketed = pocketed[i];
    }
    s.ballsMoving = flags.ballsMoving;
    s.waitingForShot = flags.waitingForShot;
    s.trayCount = flags.trayCount;
    s.shotPocketedCount = flags.shotPocketedCount;
    s.firstPocketed = flags.firstPocketed;
  }
};

struct BenchGame {
  SilentForm form;
  SilentSound sound;
  std::unique_ptr<Game> game = std::make_unique<Game>(form, sound, EmbeddedResources());

  BenchGame() {
    std::srand(7);
    ConstructForm(*game);
    FormCreate(*game, Seeding::KeepGenerator);
  }
  void Break() {
    std::srand(7);
    Shoot(game->state);
  }
};

// A tick just after the cue ball has reached the rack, when the most balls
// are in contact.
void BM_TickInMotion(benchmark::State& st) {
  BenchGame b;
  b.Break();
  for (int i = 0; i < 30; ++i) TimerTimer(*b.game);
  auto moment = std::make_unique<TableMoment>();
  TableMoment::Take(b.game->state, *moment);
  for (auto _ : st) {
    moment->Restore(b.game->state);
    TimerTimer(*b.game);
    benchmark::DoNotOptimize(b.game->state.balls[0].pos);
  }
}
BENCHMARK(BM_TickInMotion);

void BM_TickAtRest(benchmark::State& st) {
  BenchGame b;
  b.Break();
  while (true) {
    TimerTimer(*b.game);
    if (!b.game->state.ballsMoving) break;
  }
  for (auto _ : st) {
    TimerTimer(*b.game);
    benchmark::DoNotOptimize(b.game->state.balls[0].pos);
  }
}
BENCHMARK(BM_TickAtRest);

void BM_WholeBreakShot(benchmark::State& st) {
  BenchGame b;
  auto racked = std::make_unique<TableMoment>();
  TableMoment::Take(b.game->state, *racked);
  int64_t ticks = 0;
  for (auto _ : st) {
    racked->Restore(b.game->state);
    b.Break();
    do {
      TimerTimer(*b.game);
      ++ticks;
    } while (b.game->state.ballsMoving);
  }
  st.counters["ticks"] = benchmark::Counter(double(ticks) / double(st.iterations()));
  st.counters["time_per_tick"] = benchmark::Counter(
      double(ticks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WholeBreakShot)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvil
