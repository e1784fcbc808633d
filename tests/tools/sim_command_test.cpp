#include "tools/sim_command.h"

#include <gtest/gtest.h>

namespace quorvil::sim {
namespace {

SimCommand Parse(std::string_view line) {
  const ParsedLine parsed = ParseSimLine(line);
  EXPECT_EQ(parsed.outcome, ParsedLine::Command) << line << ": " << parsed.reason;
  return parsed.command;
}

TEST(ParseSimLine, SkipsBlankAndCommentLines) {
  for (const char* line : {"", "   ", "\t\r", "\r", "#", "# tick 5", "  \t# anything \x01\xff", "#dump"}) {
    EXPECT_EQ(ParseSimLine(line).outcome, ParsedLine::Skip) << line;
  }
}

TEST(ParseSimLine, ReadsCountsWithTheirDefault) {
  const struct {
    const char* line;
    CommandKind kind;
    uint32_t count;
  } cases[] = {
      {"tick", CommandKind::Tick, 1},           {"tick 0", CommandKind::Tick, 0},
      {"tick 4294967295", CommandKind::Tick, 4294967295u},
      {"paint", CommandKind::Paint, 1},         {"paint +12", CommandKind::Paint, 12},
      {"step", CommandKind::Step, 1},           {"step 400", CommandKind::Step, 400},
  };
  for (const auto& c : cases) {
    const SimCommand command = Parse(c.line);
    EXPECT_EQ(command.kind, c.kind) << c.line;
    EXPECT_EQ(command.count, c.count) << c.line;
  }
}

TEST(ParseSimLine, SeparatesWordsByBlanksTabsAndCarriageReturns) {
  const SimCommand command = Parse(" \tseed\t\r 4294967295 \r");
  EXPECT_EQ(command.kind, CommandKind::Seed);
  EXPECT_EQ(command.seed, 4294967295u);
  EXPECT_EQ(Parse("start\r").kind, CommandKind::Start);
  EXPECT_EQ(Parse("newgame").kind, CommandKind::NewGame);
  EXPECT_EQ(Parse("dump \r").kind, CommandKind::Dump);
}

TEST(ParseSimLine, ReadsKeysWithAndWithoutCtrl) {
  SimCommand command = Parse("key 37 ctrl");
  EXPECT_EQ(command.key, 37);
  EXPECT_TRUE(command.ctrl);
  command = Parse("key 65535");
  EXPECT_EQ(command.key, 65535);
  EXPECT_FALSE(command.ctrl);
}

TEST(ParseSimLine, ReadsMouseButtonsInAnyOrder) {
  const struct {
    const char* line;
    int32_t x, y;
    bool left, right;
  } cases[] = {
      {"mouse 10 -20", 10, -20, false, false},
      {"mouse 0 0 left", 0, 0, true, false},
      {"mouse 0 0 right", 0, 0, false, true},
      {"mouse 0 0 right left", 0, 0, true, true},
      {"mouse -2147483648 2147483647 left right", INT32_MIN, INT32_MAX, true, true},
  };
  for (const auto& c : cases) {
    const SimCommand command = Parse(c.line);
    EXPECT_EQ(command.kind, CommandKind::Mouse) << c.line;
    EXPECT_EQ(command.x, c.x) << c.line;
    EXPECT_EQ(command.y, c.y) << c.line;
    EXPECT_EQ(command.left, c.left) << c.line;
    EXPECT_EQ(command.right, c.right) << c.line;
  }
}

TEST(ParseSimLine, ReadsPlaceAsFloats) {
  const SimCommand command = Parse("place 15 -12.5 3e-2 0.1 1e-50");
  EXPECT_EQ(command.kind, CommandKind::Place);
  EXPECT_EQ(command.slot, 15);
  EXPECT_EQ(command.posX, -12.5f);
  EXPECT_EQ(command.posY, 3e-2f);
  EXPECT_EQ(command.velX, 0.1f);
  EXPECT_EQ(command.velY, 0.0f);
}

TEST(ParseSimLine, ReadsSnapSizesAndFile) {
  SimCommand command = Parse("snap 8192 1 out/frame.png");
  EXPECT_EQ(command.kind, CommandKind::Snap);
  EXPECT_EQ(command.width, 8192);
  EXPECT_EQ(command.height, 1);
  EXPECT_EQ(command.file, "out/frame.png");
}

}  // namespace
}  // namespace quorvil::sim
