// Runs quorvil-sim commands on one game: the same operations the window's
// event handlers call, with a headless window and a recording sound player.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "assets/resource_catalog.h"
#include "tools/headless_form.h"
#include "tools/sim_command.h"
#include "tools/sound_recorder.h"
#include "ui/game.h"

namespace quorvil::sim {

struct RunResult {
  enum Outcome {
    Done,
    // A game operation raised an error; the game shows it and goes on.
    GameError,
    // The command could not run at all; the script stops here.
    Stop,
  };
  Outcome outcome = Done;
  std::string message;
};

class SimRunner {
 public:
  // `out` receives what `dump` prints.
  SimRunner(const ResourceCatalog& resources, TextOut out);

  RunResult Run(const SimCommand& command);

  const Game& game() const { return *game_; }
  const HeadlessForm& form() const { return form_; }

 private:
  void RunOnce(const SimCommand& command);
  void Repeat(uint64_t count, void (*event)(Game&));
  void Dump();
  RunResult Snap(const SimCommand& command);

  TextOut out_;
  HeadlessForm form_;
  SoundRecorder sounds_;
  std::unique_ptr<Game> game_;  // ~800 KB of pictures: kept off the stack
  std::string before_;          // fingerprints, reused from event to event
  std::string after_;
};

}  // namespace quorvil::sim
