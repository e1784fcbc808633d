// A game without a window for the tests: the window and the sound player are
// recorders, the pictures come from the program's own resources unless a
// test hides some of them.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "assets/resource_catalog.h"
#include "ui/game.h"

namespace quorvil::testing {

struct RecordingForm : FormHost {
  std::string title;
  std::string statusText;
  int statusWidth = 0;
  bool helpVisible = false;
  int repaints = 0;

  void SetTitle(const std::string& t) override { title = t; }
  int WindowWidth() const override { return 870; }
  void SetStatusWidth(int width) override { statusWidth = width; }
  void SetStatusText(const std::string& text) override { statusText = text; }
  bool HelpVisible() const override { return helpVisible; }
  void SetHelpVisible(bool visible) override { helpVisible = visible; }
  void RequestRepaint() override { ++repaints; }
};

struct RecordingSound : SoundSink {
  std::vector<std::string> requests;  // by the name asked for
  int waitedMs = 0;

  void PlayResource(std::string_view name) override { requests.emplace_back(name); }
  void PlayFile(std::string_view path) override { requests.emplace_back(path); }
  void Wait(int milliseconds) override { waitedMs += milliseconds; }
};

// The embedded resources, less the names a test hides.
struct HidingCatalog : ResourceCatalog {
  std::set<std::string> hidden;
  std::optional<std::span<const uint8_t>> Find(std::string_view name) const override {
    if (hidden.count(std::string(name))) return std::nullopt;
    return EmbeddedResources().Find(name);
  }
};

struct TestGame {
  RecordingForm form;
  RecordingSound sound;
  HidingCatalog resources;
  std::unique_ptr<Game> game = std::make_unique<Game>(form, sound, resources);

  GameState& state() { return game->state; }
  Ball& ball(int slot) { return game->state.balls[slot]; }
};

// Constructs and creates the window's game, without seeding the generator.
std::unique_ptr<TestGame> StartedGame(unsigned seed = 1);

// Moves every ball off the table into a corner of the tray area where it
// takes part in nothing, so a test can set up just the balls it needs.
void ClearTable(GameState& state);

// Puts a ball on the table at (x, y) with velocity (vx, vy).
void PlaceBall(GameState& state, int slot, float x, float y, float vx = 0, float vy = 0);

}  // namespace quorvil::testing
