// One line of a quorvil-sim script, read into a command or into the reason
// it is not one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvil::sim {

enum class CommandKind { Seed, Start, NewGame, Key, Mouse, Tick, Paint, Step, Place, Dump, Snap };

struct SimCommand {
  CommandKind kind = CommandKind::Dump;
  uint32_t seed = 0;
  uint32_t count = 1;  // tick, paint, step
  uint16_t key = 0;
  bool ctrl = false;
  int32_t x = 0;  // mouse
  int32_t y = 0;
  bool left = false;
  bool right = false;
  int slot = 0;  // place
  float posX = 0.0f;
  float posY = 0.0f;
  float velX = 0.0f;
  float velY = 0.0f;
  int width = 0;  // snap
  int height = 0;
  std::string file;
};

struct ParsedLine {
  enum Outcome { Skip, Command, Bad };
  Outcome outcome = Skip;
  SimCommand command;
  std::string reason;  // why a Bad line is bad
};

// Blanks, tabs and carriage returns separate the words. Lines with no words
// and lines whose first word starts with '#' are skipped.
ParsedLine ParseSimLine(std::string_view line);

}  // namespace quorvil::sim
