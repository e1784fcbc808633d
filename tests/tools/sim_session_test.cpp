// A quorvil-sim session run in-process: reading lines, the headless window
// and sound player, the dump, and the folding of repeated events.
#include "tools/sim_session.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_game.h"
#include "tools/snapshot_hook.h"
#include "tools/state_dump.h"

namespace quorvil::sim {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunScript(std::string_view script, const ResourceCatalog& resources = EmbeddedResources()) {
  Result result;
  result.status = RunScriptText(script, resources, result.out, result.err);
  return result;
}

std::string Repeated(std::string_view line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

// The line of `dump` output that starts with `prefix`.
std::string DumpLine(const std::string& out, std::string_view prefix) {
  std::string needle(1, '\n');
  needle += prefix;
  const size_t after = out.rfind(needle);
  const size_t begin = after != std::string::npos ? after + 1 : out.starts_with(prefix) ? 0 : after;
  if (begin == std::string::npos) return "";
  return out.substr(begin, out.find('\n', begin) - begin);
}

TEST(SimSession, ReadsScriptsWhateverTheirLineEnds) {
  const std::string lf = "seed 3\n\n# a comment\nstart\n  key 39\t\nkey 32\nstep 100\ndump";
  const Result plain = RunScript(lf);
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(RunScript("seed 3\r\n\r\n  # a comment\r\nstart\r\n\tkey 39 \r\nkey 32\r\nstep 100\r\ndump\r\n").out,
            plain.out);

  // Bytes arriving one at a time make the same lines.
  std::string out, err;
  SimSession session(
      EmbeddedResources(), [&out](std::string_view text) { out += text; },
      [&err](std::string_view text) { err += text; });
  for (const char c : lf) session.Feed(std::string_view(&c, 1));
  EXPECT_EQ(session.Finish(), 0);
  EXPECT_EQ(out, plain.out);
}

TEST(SimSession, CountsEveryLineInItsMessages) {
  const Result result = RunScript("\n# one\r\n\n   \nnewgame x\n");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "quorvil-sim: line 5: extra argument: \"newgame x\"\n");
}

TEST(SimSession, KeepsLongLinesWithinBounds) {
  // Blanks cost nothing, and a comment may be as long as it likes ...
  std::string wide = "dump";
  wide.append(3 << 20, ' ').append("\t\n");
  const std::string comment = "#" + std::string(3 << 20, 'c') + "\n";
  const Result kept = RunScript(wide + comment + "dump\n");
  EXPECT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(kept.out, RunScript("dump\ndump\n").out);

  // ... but the words of one line are kept only up to a limit.
  const Result cut = RunScript("tick " + std::string(ScriptReader::kMaxLineWords, '1') + "\n");
  EXPECT_EQ(cut.status, 2);
  EXPECT_EQ(cut.err, "quorvil-sim: line 1: line too long: \"tick " +
                         std::string(ScriptReader::kShownBytes - 5, '1') + "...\"\n");
}

TEST(SimSession, ShowsAGameErrorAndGoesOn) {
  // Without the cloth the window's creation stops at its first picture.
  quorvil::testing::HidingCatalog resources;
  resources.hidden = {"ID_BITMAP_FILZ"};
  const Result result = RunScript("start\ndump\n", resources);
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.err.starts_with("quorvil-sim: line 1: ")) << result.err;
  EXPECT_NE(result.err.find("ID_BITMAP_FILZ"), std::string::npos) << result.err;
  EXPECT_EQ(DumpLine(result.out, "view"), "view tilt=-53 spin=-37 panX=465 panY=380 distance=3000 help=0");
  EXPECT_EQ(DumpLine(result.out, "sounds"), "sounds -");
  EXPECT_EQ(DumpLine(result.out, "score"), "score \"\"");
}

TEST(SimSession, DumpReportsSoundsAndRepaintsSinceThePreviousDump) {
  const Result result = RunScript(
      "start\ndump\ndump\n"
      "key 27\nkey 37\nkey 83\nkey 112\nmouse 5 5 left\nmouse 9 9\ndump\n");
  ASSERT_EQ(result.status, 0) << result.err;
  const size_t second = result.out.find("game ", 1);
  const size_t third = result.out.find("game ", second + 1);
  const std::string first = result.out.substr(0, second);
  EXPECT_EQ(DumpLine(first, "sounds"), "sounds ID_WAVE1 ID_WAVE2 ID_WAVE3 ID_WAVE4");
  EXPECT_EQ(DumpLine(first, "score"),
            "score \"                     >>>Spieler 1     0 Punkte                                         "
            "Spieler 2     0 Punkte\"");
  const std::string between = result.out.substr(second, third - second);
  EXPECT_EQ(DumpLine(between, "sounds"), "sounds -");
  EXPECT_EQ(DumpLine(between, "repaints"), "repaints 0");
  // Esc two, Left one, S none, F1 none, a drag one, a plain move none.
  EXPECT_EQ(DumpLine(result.out, "repaints"), "repaints 4");
  EXPECT_TRUE(DumpLine(result.out, "view").ends_with(" help=1"));
  EXPECT_TRUE(DumpLine(result.out, "game").find(" soundOn=0 ") != std::string::npos);
}

TEST(SimSession, PlacePutsABallWhereTheScriptSays) {
  // Ball 3 drops into pocket 6 and is then put back on the table.
  const Result result = RunScript(
      "start\nkey 32\nplace 3 585 0 0 0\ntick\ndump\n"
      "place 3 -1.5 2e2 0.25 -0\ndump\n");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string pocketed = result.out.substr(0, result.out.find("game ", 1));
  EXPECT_NE(DumpLine(pocketed, "ball 3 ").find(" pocketed=1 "), std::string::npos);
  EXPECT_NE(DumpLine(pocketed, "game ").find(" lastPocket=6 "), std::string::npos);
  EXPECT_TRUE(DumpLine(result.out, "ball 3 ").starts_with("ball 3 kind=0 pocketed=0 pos=-1.5,200 vel=0.25,-0 prev="))
      << DumpLine(result.out, "ball 3 ");
}

// A count of repeated events must give exactly what the same events one by
// one give, however many of them are folded.
TEST(SimSession, FoldedCountsMatchSingleEvents) {
  const struct {
    const char* what;
    std::string setUp;
    std::string line;
    int times;
  } cases[] = {
      {"waiting for the first shot", "start\n", "tick", 300},
      {"a shot until long after rest", "seed 7\nstart\nkey 32\n", "tick", 3000},
      {"steps of a shot", "seed 11\nstart\nkey 37\nkey 32\n", "step", 2000},
      {"repaints of a rolling shot", "seed 5\nstart\nkey 32\ntick 40\n", "paint", 200},
      {"repaints of a table at rest", "start\n", "paint", 300},
      // A ball left beyond a cushion knocks against it in every tick.
      {"a ball held at the cushion", "seed 2\nstart\nkey 32\ntick 3000\nplace 1 600 300 0 0\n", "tick", 500},
  };
  for (const auto& c : cases) {
    const Result folded = RunScript(c.setUp + c.line + " " + std::to_string(c.times) + "\ndump\n");
    const Result single = RunScript(c.setUp + Repeated(c.line + "\n", c.times) + "dump\n");
    ASSERT_EQ(folded.status, 0) << c.what << folded.err;
    EXPECT_EQ(folded.out, single.out) << c.what;
  }
}

TEST(SimSession, ABallHeldAtTheCushionSoundsInEveryTick) {
  const Result result =
      RunScript("seed 2\nstart\nkey 32\ntick 3000\nplace 1 600 300 0 0\ndump\ntick 100000\ndump\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(DumpLine(result.out, "sounds"), "sounds " + Repeated("ID_WAVEplop ", 99999) + "ID_WAVEplop");
  EXPECT_EQ(DumpLine(result.out, "repaints"), "repaints 100000");
}

TEST(StateDump, ListsNoShotEntryBeyondTheList) {
  quorvil::testing::TestGame t;
  HeadlessForm form;
  const struct {
    int32_t count;
    const char* line;
  } cases[] = {
      {0, "shot count=0 slots="},
      {2, "shot count=2 slots=0,1"},
      {16, "shot count=16 slots=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"},
      {40, "shot count=40 slots=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"},
      {-3, "shot count=-3 slots="},
  };
  for (int i = 0; i < 16; ++i) t.state().shotPocketed[i] = i;
  for (const auto& c : cases) {
    t.state().shotPocketedCount = c.count;
    EXPECT_EQ(DumpLine(FormatStateLines(*t.game, form), "shot"), c.line);
  }
}

TEST(StateDump, WritesFloatsAndDoublesToTheLastBit) {
  quorvil::testing::TestGame t;
  HeadlessForm form;
  t.state().impactStrength = 0.1f;
  t.state().balls[2].pos = Vec2{-1e-45f, 3.4028235e38f};
  t.state().balls[2].orientation[0] = 0.1;
  t.state().balls[2].orientation[1] = -0.0;
  form.SetStatusText("  quoted \"as is\"  ");
  const std::string lines = FormatStateLines(*t.game, form);
  EXPECT_NE(DumpLine(lines, "game").find(" impactStrength=0.100000001 "), std::string::npos);
  EXPECT_TRUE(DumpLine(lines, "ball 2 ").starts_with("ball 2 kind=0 pocketed=0 pos=-1.40129846e-45,3.40282347e+38 "));
  EXPECT_TRUE(DumpLine(lines, "orient 2 ").starts_with("orient 2 0.10000000000000001 -0 0 0 0 1 "));
  EXPECT_EQ(DumpLine(lines, "score"), "score \"  quoted \"as is\"  \"");
}

// A stand-in renderer that remembers what it was asked for.
struct SnapCall {
  int calls = 0;
  int width = 0, height = 0;
  std::string file, statusText;
  bool fail = false;
} snapCall;

bool FakeSnap(Game&, const std::string& statusText, int width, int height, const std::string& file,
              std::string& error) {
  ++snapCall.calls;
  snapCall.width = width;
  snapCall.height = height;
  snapCall.file = file;
  snapCall.statusText = statusText;
  if (snapCall.fail) error = "cannot write " + file;
  return !snapCall.fail;
}

TEST(SimSession, SnapGoesThroughTheRegisteredRenderer) {
  RegisterSnapFunction(FakeSnap);
  snapCall = {};
  const Result drawn = RunScript("start\nsnap 640 480 frames/a.png\ndump\n");
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(snapCall.calls, 1);
  EXPECT_EQ(snapCall.width, 640);
  EXPECT_EQ(snapCall.height, 480);
  EXPECT_EQ(snapCall.file, "frames/a.png");
  EXPECT_EQ("score \"" + snapCall.statusText + "\"", DumpLine(drawn.out, "score"));

  snapCall = {};
  snapCall.fail = true;
  const Result failed = RunScript("snap 1 1 x.png\ndump\n");
  RegisterSnapFunction(nullptr);
  EXPECT_EQ(failed.status, 2);
  EXPECT_EQ(failed.err, "quorvil-sim: line 1: snap failed: cannot write x.png: \"snap 1 1 x.png\"\n");
  EXPECT_EQ(failed.out, "");
}

}  // namespace
}  // namespace quorvil::sim
