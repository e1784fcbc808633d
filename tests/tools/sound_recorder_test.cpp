#include "tools/sound_recorder.h"

#include <gtest/gtest.h>

namespace quorvil::sim {
namespace {

std::string Names(const SoundRecorder& sounds) {
  std::string text;
  sounds.WriteNames([&text](std::string_view piece) { text += piece; });
  return text;
}

TEST(SoundRecorder, WritesRequestsInOrderByTheirNames) {
  SoundRecorder sounds;
  EXPECT_EQ(Names(sounds), "-");
  sounds.Wait(100);
  sounds.PlayResource("ID_WAVE1");
  sounds.PlayFile("poolshot.wav");
  sounds.Commit(1);
  sounds.PlayResource("ID_WAVEpoolshot");
  sounds.Commit(1);
  EXPECT_EQ(Names(sounds), "ID_WAVE1 poolshot.wav ID_WAVEpoolshot");
  sounds.Clear();
  EXPECT_EQ(Names(sounds), "-");
}

TEST(SoundRecorder, ExpandsRepeatedEventsBetweenSingleOnes) {
  SoundRecorder sounds;
  sounds.PlayResource("a");
  sounds.Commit(1);
  sounds.PlayResource("b");
  sounds.PlayResource("c");
  sounds.Commit(3);
  sounds.Commit(5);  // five silent events
  sounds.PlayResource("a");
  sounds.Commit(1);
  EXPECT_EQ(Names(sounds), "a b c b c b c a");
}

TEST(SoundRecorder, WritesAHugeRunInPiecesOfBoundedSize) {
  SoundRecorder sounds;
  sounds.PlayResource("ID_WAVEplop");
  sounds.Commit(100000);
  size_t total = 0;
  size_t largest = 0;
  std::string start;
  sounds.WriteNames([&](std::string_view piece) {
    if (start.empty()) start = std::string(piece.substr(0, 24));
    total += piece.size();
    largest = std::max(largest, piece.size());
  });
  EXPECT_EQ(start, "ID_WAVEplop ID_WAVEplop ");
  EXPECT_EQ(total, 100000 * 12 - 1);
  EXPECT_LT(largest, size_t{1} << 17);
}

}  // namespace
}  // namespace quorvil::sim
