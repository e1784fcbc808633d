// The quorvil-sim program itself: what it prints, how it stops on a bad
// line, and that no input makes it crash or hang.
#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <random>
#include <string>

#include "tools/sim_process.h"

namespace quorvil::sim {
namespace {

using testing::RunSimProcess;
using testing::SimProcess;

// The state the program starts with, before the window exists: written out
// by hand from the start values of every field.
std::string ProgramStartDump() {
  std::string dump =
      "game currentPlayer=0 ballsMoving=0 wasMoving=0 waitingForShot=1 soundOn=1 impactStrength=0 "
      "lastPocket=0 firstPocketed=-1 trayCount=0\n"
      "shot count=0 slots=\n"
      "aim angle=0 pull=50\n"
      "player 0 points=0 group=0 blackPocket=0 blackPotted=0\n"
      "player 1 points=0 group=0 blackPocket=0 blackPotted=0\n"
      "view tilt=0 spin=0 panX=0 panY=0 distance=0 help=0\n";
  for (int slot = 0; slot < 16; ++slot) {
    dump += "ball " + std::to_string(slot) + " kind=0 pocketed=0 pos=0,0 vel=0,0 prev=0,0\n";
  }
  for (int slot = 0; slot < 16; ++slot) {
    dump += "orient " + std::to_string(slot) + " 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1\n";
  }
  dump +=
      "score \"\"\n"
      "sounds -\n"
      "repaints 0\n";
  return dump;
}

TEST(QuorvilSim, DumpsTheProgramStartState) {
  const SimProcess run = RunSimProcess("dump\n");
  ASSERT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, ProgramStartDump());
  EXPECT_EQ(run.err, "");
}

TEST(QuorvilSim, EmptyInputEndsCleanly) {
  const SimProcess run = RunSimProcess("");
  ASSERT_TRUE(run.exited);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

// Each bad line, as line 3 of a script that dumps before and after it: the
// run stops there with status 2 and one message naming the line, and only
// the first dump is printed.
TEST(QuorvilSim, StopsAtABadLine) {
  const struct {
    std::string line;
    std::string message;
  } cases[] = {
      {"jump 4", "unknown command: \"jump 4\""},
      {"Dump", "unknown command: \"Dump\""},
      {"seed", "missing argument: \"seed\""},
      {"seed 1 2", "extra argument: \"seed 1 2\""},
      {"seed 1.5", "seed is not a whole number: \"seed 1.5\""},
      {"seed 4294967296", "seed is out of range 0 to 4294967295: \"seed 4294967296\""},
      {"start now", "extra argument: \"start now\""},
      {"dump 1", "extra argument: \"dump 1\""},
      {"tick -1", "count is out of range 0 to 4294967295: \"tick -1\""},
      {"tick 4294967296", "count is out of range 0 to 4294967295: \"tick 4294967296\""},
      {"tick 1 2", "extra argument: \"tick 1 2\""},
      {"paint x", "count is not a whole number: \"paint x\""},
      {"step 0x10", "count is not a whole number: \"step 0x10\""},
      {"key", "missing argument: \"key\""},
      {"key 65536", "key code is out of range 0 to 65535: \"key 65536\""},
      {"key 37 shift", "the only modifier is ctrl: \"key 37 shift\""},
      {"key 37 ctrl ctrl", "extra argument: \"key 37 ctrl ctrl\""},
      {"mouse 1", "missing argument: \"mouse 1\""},
      {"mouse 1 2 left left", "a button is named twice: \"mouse 1 2 left left\""},
      {"mouse 1 2 right left right", "a button is named twice: \"mouse 1 2 right left right\""},
      {"mouse 1 2 middle", "the buttons are left and right: \"mouse 1 2 middle\""},
      {"mouse 2147483648 0", "x is out of range -2147483648 to 2147483647: \"mouse 2147483648 0\""},
      {"place 16 0 0 0 0", "slot is out of range 0 to 15: \"place 16 0 0 0 0\""},
      {"place 0 0 0 0", "missing argument: \"place 0 0 0 0\""},
      {"place 0 1e39 0 0 0", "x is out of range for a 32-bit float: \"place 0 1e39 0 0 0\""},
      {"place 0 0 0x1p3 0 0", "y is not a plain decimal number: \"place 0 0 0x1p3 0 0\""},
      {"place 0 0 0 inf 0", "vx is not a plain decimal number: \"place 0 0 0 inf 0\""},
      {"place 0 0 0 0 nan", "vy is not a plain decimal number: \"place 0 0 0 0 nan\""},
      {"snap 0 10 f.png", "width is out of range 1 to 8192: \"snap 0 10 f.png\""},
      {"snap 10 8193 f.png", "height is out of range 1 to 8192: \"snap 10 8193 f.png\""},
      {"snap 10 10", "missing argument: \"snap 10 10\""},
      {"snap 10 10 a b", "extra argument: \"snap 10 10 a b\""},
      {std::string("dump\0", 5), "unknown command: \"dump\\x00\""},
      {std::string("tick \0", 6), "count is not a whole number: \"tick \\x00\""},
      {"tick 5 # five", "extra argument: \"tick 5 # five\""},
      {"\x1b[2J\xff", "unknown command: \"\\x1b[2J\\xff\""},
  };
  for (const auto& c : cases) {
    const SimProcess run = RunSimProcess("# a bad third line\ndump\n" + c.line + "\ndump\n");
    ASSERT_TRUE(run.exited) << c.line;
    EXPECT_EQ(run.status, 2) << c.line;
    EXPECT_EQ(run.err, "quorvil-sim: line 3: " + c.message + "\n") << c.line;
    EXPECT_EQ(run.out, ProgramStartDump()) << c.line;
  }
}

TEST(QuorvilSim, OddInputEndsWithoutACrash) {
  std::mt19937 random(20240611);
  std::string junk(1 << 18, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  const std::string longLine = "dump " + std::string(1 << 20, 'x') + "\n";
  const std::string longWord = "place 0 " + std::string(3 << 20, '1') + " 0 0 0\n";
  const std::string manyLines(1 << 20, '\n');
  const struct {
    const char* what;
    std::string script;
    int status;
  } cases[] = {
      {"random bytes", junk, 2},
      {"a 1 MB line", longLine, 2},
      {"a 3 MB word", longWord, 2},
      {"a million empty lines", manyLines + "dump", 0},
      {"a NUL byte alone", std::string("\0\n", 2), 2},
  };
  for (const auto& c : cases) {
    const SimProcess run = RunSimProcess(c.script, std::chrono::seconds(60));
    ASSERT_TRUE(run.exited) << c.what << (run.timedOut ? ": timed out" : ": killed");
    EXPECT_EQ(run.status, c.status) << c.what;
    // One message line at most, and never the whole of a long line.
    EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.what;
    EXPECT_LE(run.err.size(), 1000u) << c.what;
  }
}

// A huge count ends as soon as the game stops changing: at once while it
// waits for the first shot, and once the balls of a shot are at rest.
TEST(QuorvilSim, HugeTickCountsFinishQuickly) {
  const struct {
    const char* script;
    const char* repaints;
  } cases[] = {
      {"start\ntick 4294967295\ndump\n", "repaints 0\n"},
      {"seed 7\nstart\nkey 32\ntick 4294967295\ndump\n", "repaints 4294967295\n"},
      {"seed 7\nstart\nkey 32\ntick 4294967295\ntick 4294967295\ndump\n", "repaints 8589934590\n"},
  };
  for (const auto& c : cases) {
    const auto begin = std::chrono::steady_clock::now();
    const SimProcess run = RunSimProcess(c.script, std::chrono::seconds(30));
    const auto took = std::chrono::steady_clock::now() - begin;
    ASSERT_TRUE(run.exited) << c.script;
    EXPECT_EQ(run.status, 0) << c.script;
    EXPECT_LT(took, std::chrono::seconds(10)) << c.script;
    EXPECT_TRUE(run.out.ends_with(c.repaints)) << c.script << run.out.substr(run.out.rfind("repaints"));
  }
}

}  // namespace
}  // namespace quorvil::sim
