// Whole game situations played through quorvil-sim, checked against dump
// lines worked out by hand from the rules of the table.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/sim_process.h"

namespace {

struct SimRun {
  int status = -1;
  std::vector<std::map<std::string, std::string>> dumps;  // key: first words of a line
};

std::string KeyOf(const std::string& line) {
  std::istringstream words(line);
  std::string first, second;
  words >> first >> second;
  if (first == "ball" || first == "orient" || first == "player") return first + " " + second;
  return first;
}

SimRun RunSim(const std::string& script) {
  const quorvil::sim::testing::SimProcess process = quorvil::sim::testing::RunSimProcess(script);
  SimRun run;
  run.status = process.exited ? process.status : -1;
  const std::string& text = process.out;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("game ", 0) == 0) run.dumps.emplace_back();
    if (!run.dumps.empty()) run.dumps.back()[KeyOf(line)] = line;
  }
  return run;
}

const std::string kStartSounds = "sounds ID_WAVE1 ID_WAVE2 ID_WAVE3 ID_WAVE4";
const std::string k23 = std::string(23, ' ');
const std::string k18 = std::string(18, ' ');
const std::string kMarker1 = "                     >>>";
const std::string kNoMarker1 = std::string(24, ' ');
const std::string kMarker2 = "               >>>";

void ExpectLines(const std::map<std::string, std::string>& dump,
                 const std::vector<std::string>& expected) {
  for (const std::string& line : expected) {
    const auto found = dump.find(KeyOf(line));
    ASSERT_NE(found, dump.end()) << line;
    EXPECT_EQ(found->second, line);
  }
}

void ExpectPrefix(const std::map<std::string, std::string>& dump, const std::string& prefix) {
  const auto found = dump.find(KeyOf(prefix));
  ASSERT_NE(found, dump.end()) << prefix;
  EXPECT_EQ(found->second.substr(0, prefix.size()), prefix);
}

TEST(GameScenario, StartRacksTheTableAndClicksFourTimes) {
  const SimRun run = RunSim("start\ndump\n");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 1u);
  ExpectLines(run.dumps[0], {
      "game currentPlayer=0 ballsMoving=0 wasMoving=0 waitingForShot=1 soundOn=1 "
      "impactStrength=0 lastPocket=0 firstPocketed=-1 trayCount=0",
      "shot count=0 slots=",
      "aim angle=0 pull=50",
      "player 0 points=0 group=0 blackPocket=0 blackPotted=0",
      "player 1 points=0 group=0 blackPocket=0 blackPotted=0",
      "view tilt=-53 spin=-37 panX=465 panY=380 distance=3000 help=0",
      "ball 0 kind=2 pocketed=0 pos=0,-585 vel=0,0 prev=0,0",
      "ball 1 kind=0 pocketed=0 pos=0,585 vel=0,0 prev=0,0",
      "ball 2 kind=1 pocketed=0 pos=-28.7849998,634.857056 vel=0,0 prev=0,0",
      "ball 5 kind=3 pocketed=0 pos=3.05175774e-07,684.714111 vel=0,0 prev=0,0",
      "ball 10 kind=0 pocketed=0 pos=86.3549957,734.571167 vel=0,0 prev=0,0",
      "ball 11 kind=1 pocketed=0 pos=-115.140007,784.428223 vel=0,0 prev=0,0",
      "ball 15 kind=1 pocketed=0 pos=115.139992,784.428223 vel=0,0 prev=0,0",
      "orient 0 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1",
      "score \"" + kMarker1 + "Spieler 1     0 Punkte" + k23 + k18 + "Spieler 2     0 Punkte\"",
      kStartSounds,
      "repaints 0",
  });
}

struct CushionCase {
  const char* name;
  const char* before;
  const char* soundsLine;
  const char* soundOn;
};

TEST(GameScenario, ABallBouncesOffTheLongCushion) {
  const CushionCase cases[] = {
      {"sound on", "", "sounds ID_WAVEplop", "1"},
      {"sound off", "key 83\n", "sounds -", "0"},
  };
  for (const CushionCase& c : cases) {
    SCOPED_TRACE(c.name);
    // The shot is taken back at once: the cue ball rests on its spot.
    const SimRun run = RunSim(std::string("start\ndump\n") + c.before +
                              "key 32\nplace 0 0 -585 0 0\nplace 14 500 -300 30 0\ntick 2\ndump\n");
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.dumps.size(), 2u);
    // Tick 1 rolls to 530 and slows to 30 x 0.99; tick 2 would end at
    // 559.7, beyond 556.5, so the ball goes back to 530 and comes off the
    // cushion with -29.7, damped by 0.8 and then by 0.99.
    ExpectLines(run.dumps[1], {
        std::string("game currentPlayer=0 ballsMoving=1 wasMoving=0 waitingForShot=0 soundOn=") +
            c.soundOn + " impactStrength=0 lastPocket=0 firstPocketed=-1 trayCount=0",
        "ball 14 kind=0 pocketed=0 pos=500.299988,-300 vel=-23.5223999,0 prev=530,-300",
        "ball 0 kind=2 pocketed=0 pos=0,-585 vel=0,0 prev=0,-585",
        c.soundsLine,
        "repaints 2",
    });
  }
}

TEST(GameScenario, OwnBallKeepsTheTableOtherGroupPassesIt) {
  // A solid (slot 3) drops into pocket 1 while slot 12 rolls slowly across
  // the middle, so the shot lasts until 12 comes to rest; then a stripe
  // (slot 2) drops into pocket 2 the same way.
  const SimRun run = RunSim(
      "start\nkey 32\nplace 0 0 -585 0 0\nplace 3 560 -1150 5 -5\nplace 12 -300 0 1 0\ndump\n"
      "step 100\ndump\n"
      "place 2 -580 -1165 -1 0\nplace 12 -300 0 1 0\nstep 100\ndump\n");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 3u);

  ExpectLines(run.dumps[1], {
      "game currentPlayer=0 ballsMoving=0 wasMoving=0 waitingForShot=0 soundOn=1 "
      "impactStrength=0 lastPocket=1 firstPocketed=3 trayCount=1",
      "shot count=0 slots=",
      "player 0 points=1 group=0 blackPocket=0 blackPotted=0",
      "player 1 points=0 group=1 blackPocket=0 blackPotted=0",
      "score \"" + kMarker1 + "Spieler1 (Volle): 1 Punkte" + k23 + k18 +
          "Spieler2 (Halbe): 0 Punkte\"",
      "sounds poolshot.wav ID_WAVEpoolshot",
      "repaints 100",
  });
  ExpectPrefix(run.dumps[1], "ball 3 kind=0 pocketed=1 pos=927.75,-500 vel=");
  ExpectPrefix(run.dumps[1], "ball 12 kind=0 pocketed=0 pos=");

  ExpectLines(run.dumps[2], {
      "game currentPlayer=1 ballsMoving=0 wasMoving=0 waitingForShot=0 soundOn=1 "
      "impactStrength=0 lastPocket=2 firstPocketed=3 trayCount=2",
      "shot count=0 slots=",
      "player 0 points=1 group=0 blackPocket=0 blackPotted=0",
      "player 1 points=1 group=1 blackPocket=0 blackPotted=0",
      "score \"" + kNoMarker1 + "Spieler1 (Volle): 1 Punkte" + k23 + kMarker2 +
          "Spieler2 (Halbe): 1 Punkte\"",
      "sounds poolshot.wav ID_WAVEpoolshot",
      "repaints 100",
  });
  ExpectPrefix(run.dumps[2], "ball 2 kind=1 pocketed=1 pos=927.75,-414.5 vel=");
}

TEST(GameScenario, RestartWhileRollingHandsTheNewGameToTheOtherPlayer) {
  const SimRun run = RunSim("start\ndump\nkey 32\nstep 5\nkey 27\npaint\ndump\n");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 2u);
  ExpectLines(run.dumps[1], {
      "game currentPlayer=1 ballsMoving=0 wasMoving=0 waitingForShot=1 soundOn=1 "
      "impactStrength=0 lastPocket=0 firstPocketed=-1 trayCount=0",
      "aim angle=0 pull=50",
      "score \"" + kNoMarker1 + "Spieler 1     0 Punkte" + k23 + kMarker2 +
          "Spieler 2     0 Punkte\"",
      "sounds -",
      "repaints 7",  // five ticks, and Esc asks twice
  });
  // Back on its spot, still carrying the velocity of the shot.
  ExpectPrefix(run.dumps[1], "ball 0 kind=2 pocketed=0 pos=0,-585 vel=");
  EXPECT_EQ(run.dumps[1].at("ball 0").find("vel=0,0"), std::string::npos);
}

TEST(GameScenario, FirstShotAfterRestartingWithTheCueBallParkedIsLost) {
  const SimRun run = RunSim(
      "start\ndump\nkey 32\nplace 0 585 -1170 0 0\ntick\nkey 27\nkey 32\ntick\npaint\ndump\n");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.dumps.size(), 2u);
  ExpectLines(run.dumps[1], {
      "game currentPlayer=0 ballsMoving=0 wasMoving=0 waitingForShot=0 soundOn=1 "
      "impactStrength=0 lastPocket=1 firstPocketed=-1 trayCount=0",
      "ball 0 kind=2 pocketed=0 pos=0,-585 vel=0,0 prev=0,-585",
      "sounds poolshot.wav ID_WAVEpoolshot",
      "repaints 4",
  });
}

}  // namespace
