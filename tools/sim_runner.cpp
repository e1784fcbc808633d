#include "tools/sim_runner.h"

#include <cstdlib>
#include <exception>

#include "model/new_game.h"
#include "physics/tick.h"
#include "tools/snapshot_hook.h"
#include "tools/state_dump.h"
#include "tools/state_fingerprint.h"
#include "ui/form_lifecycle.h"
#include "ui/keyboard.h"
#include "ui/mouse.h"
#include "ui/paint_steps.h"

namespace quorvil::sim {

namespace {

void TimerEvent(Game& game) { TimerTimer(game); }
void PaintEvent(Game& game) { PaintStateSteps(game); }
void StepEvent(Game& game) {
  TimerTimer(game);
  PaintStateSteps(game);
}

}  // namespace

SimRunner::SimRunner(const ResourceCatalog& resources, TextOut out)
    : out_(std::move(out)), game_(std::make_unique<Game>(form_, sounds_, resources)) {}

RunResult SimRunner::Run(const SimCommand& command) {
  if (command.kind == CommandKind::Snap) return Snap(command);
  RunResult result;
  try {
    RunOnce(command);
  } catch (const std::exception& error) {
    result = {RunResult::GameError, error.what()};
  } catch (...) {
    // The window shows any other failure as an error without a message.
    result = {RunResult::GameError, ""};
  }
  // Requests made before an error still happened.
  sounds_.Commit(1);
  return result;
}

void SimRunner::RunOnce(const SimCommand& command) {
  Game& game = *game_;
  switch (command.kind) {
    case CommandKind::Seed:
      std::srand(command.seed);
      break;
    case CommandKind::Start:
      ConstructForm(game);
      FormCreate(game, Seeding::KeepGenerator);
      break;
    case CommandKind::NewGame:
      NewGame(game);
      break;
    case CommandKind::Key:
      FormKeyDown(game, command.key, command.ctrl);
      break;
    case CommandKind::Mouse:
      FormMouseMove(game, command.x, command.y, command.left, command.right);
      break;
    case CommandKind::Tick:
      Repeat(command.count, TimerEvent);
      break;
    case CommandKind::Paint:
      Repeat(command.count, PaintEvent);
      break;
    case CommandKind::Step:
      Repeat(command.count, StepEvent);
      break;
    case CommandKind::Place: {
      Ball& ball = game.state.balls[command.slot];
      VecSet(ball.pos, command.posX, command.posY);
      VecSet(ball.vel, command.velX, command.velY);
      ball.pocketed = false;
      break;
    }
    case CommandKind::Dump:
      Dump();
      break;
    case CommandKind::Snap:
      break;
  }
}

// Runs `event` count times. An event that leaves every field it can read
// exactly as it was is a fixed point: each further run would again change
// nothing and make the same sound and repaint requests, so the rest of the
// count is added up instead of run. A tick while the game waits for its
// first shot is such a fixed point, and so is a running tick on a table at
// rest. Chance cannot break this: the only random draw an event makes is in
// a pocketing, which always changes the state.
void SimRunner::Repeat(uint64_t count, void (*event)(Game&)) {
  Game& game = *game_;
  for (uint64_t done = 0; done < count;) {
    const uint64_t left = count - done;
    if (left == 1) {
      event(game);
      sounds_.Commit(1);
      return;
    }
    TakeFingerprint(game, form_, before_);
    const uint64_t repaintsBefore = form_.repaints();
    event(game);
    ++done;
    TakeFingerprint(game, form_, after_);
    if (after_ == before_) {
      form_.AddRepaints((form_.repaints() - repaintsBefore) * (left - 1));
      sounds_.Commit(left);
      return;
    }
    sounds_.Commit(1);
  }
}

void SimRunner::Dump() {
  sounds_.Commit(1);
  WriteDump(*game_, form_, sounds_, out_);
  sounds_.Clear();
  form_.ClearRepaints();
}

RunResult SimRunner::Snap(const SimCommand& command) {
  const SnapFunction snap = RegisteredSnapFunction();
  if (snap == nullptr) return {RunResult::Stop, "snap needs the renderer, which is not built in"};
  std::string error;
  bool written = false;
  try {
    written = snap(*game_, form_.statusText(), command.width, command.height, command.file, error);
  } catch (const std::exception& failure) {
    error = failure.what();
  }
  sounds_.Commit(1);
  if (!written) return {RunResult::Stop, "snap failed: " + (error.empty() ? std::string("no picture") : error)};
  return {};
}

}  // namespace quorvil::sim
