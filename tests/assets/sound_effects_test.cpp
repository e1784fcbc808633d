#include "assets/sound_effects.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace quorvil {
namespace {

TEST(PlayEffect, GradesTheHitByTheLastImpact) {
  const std::pair<float, const char*> cases[] = {
      {0.0f, "ID_WAVE1"}, {4.4999995f, "ID_WAVE1"},  {4.5f, "ID_WAVE2"},  {9.4999990f, "ID_WAVE2"},
      {9.5f, "ID_WAVE3"}, {14.4999990f, "ID_WAVE3"}, {14.5f, "ID_WAVE4"}, {1000.0f, "ID_WAVE4"},
  };
  for (const auto& [strength, name] : cases) {
    auto t = std::make_unique<testing::TestGame>();
    t->state().impactStrength = strength;
    PlayEffect(*t->game, EffectBallHit);
    EXPECT_EQ(t->sound.requests, std::vector<std::string>{name}) << strength;
  }
}

TEST(PlayEffect, CushionPocketOthersAndSilence) {
  auto t = std::make_unique<testing::TestGame>();
  PlayEffect(*t->game, EffectCushion);
  PlayEffect(*t->game, EffectPocket);
  PlayEffect(*t->game, 2);
  PlayEffect(*t->game, -7);
  EXPECT_EQ(t->sound.requests,
            (std::vector<std::string>{"ID_WAVEplop", "poolshot.wav", "ID_WAVEpoolshot"}));

  t->sound.requests.clear();
  t->state().soundOn = false;
  PlayEffect(*t->game, EffectBallHit);
  PlayEffect(*t->game, EffectPocket);
  EXPECT_TRUE(t->sound.requests.empty());
  PlayStartupSounds(*t->game);  // sounds even with the sound off
  EXPECT_EQ(t->sound.requests,
            (std::vector<std::string>{"ID_WAVE1", "ID_WAVE2", "ID_WAVE3", "ID_WAVE4"}));
  EXPECT_EQ(t->sound.waitedMs, 400);
}

}  // namespace
}  // namespace quorvil
