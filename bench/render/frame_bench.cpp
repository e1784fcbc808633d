// The cost of one repaint on Mesa's software renderer with the table in
// motion: the frame's state steps, the 3D picture and the overlays, finished
// (glFinish) as a window's buffer swap would wait for them. A tick and a
// frame together must fit the 10 ms of the timer.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "model/aim.h"
#include "model/new_game.h"
#include "physics/tick.h"
#include "platform/text_sdl_ttf.h"
#include "render/frame.h"
#include "render/offscreen_context.h"
#include "render/overlays.h"
#include "ui/form_lifecycle.h"
#include "ui/game.h"
#include "ui/help_text.h"
#include "ui/paint_steps.h"
#include "ui/silent_host.h"

namespace quorvil {
namespace {

void BM_Repaint(benchmark::State& bench) {
  const int width = int(bench.range(0));
  const int height = int(bench.range(1));
  SilentForm form;
  SilentSound sound;
  auto game = std::make_unique<Game>(form, sound, EmbeddedResources());
  std::srand(1);
  ConstructForm(*game);
  FormCreate(*game, Seeding::KeepGenerator);

  static TextSdlTtf text;
  OffscreenContext offscreen(width, height);
  RenderContext render;
  Overlays overlays(text);

  // The break, with a tick between frames as in play; a table that has come
  // to rest is broken again.
  Shoot(game->state);
  for (auto _ : bench) {
    bench.PauseTiming();
    if (!game->state.ballsMoving && !game->state.waitingForShot) {
      RestartGame(*game);
      Shoot(game->state);
    }
    TimerTimer(*game);
    bench.ResumeTiming();

    PaintStateSteps(*game);
    DrawFrame(*game, width, height, render);
    overlays.Draw({form.status, false, kHelpLines}, width, height);
    glFinish();
  }
}

BENCHMARK(BM_Repaint)
    ->Args({870, 640})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace quorvil
