#include "platform/sound_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "platform/temp_folder.h"
#include "platform/wave_builder.h"

namespace quorvil {
namespace {

using namespace std::chrono_literals;

// Reads on another thread and fails the test rather than hanging it when
// the read waits: a FIFO's reader is set free by opening it for writing.
std::optional<std::vector<uint8_t>> ReadPromptly(const std::string& path) {
  auto read = std::async(std::launch::async, [&] { return ReadSoundFile(path); });
  if (read.wait_for(2s) != std::future_status::ready) {
    ADD_FAILURE() << path << ": the read waited";
    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
  }
  return read.get();
}

TEST(ReadSoundFile, ReadsRegularFilesWhole) {
  testing::TempFolder folder;
  const testing::Bytes bytes = testing::Wave(testing::Format{}, testing::Bytes(1001, 0x55));
  testing::WriteFile(folder / "poolshot.wav", bytes);
  testing::WriteFile(folder / "empty.wav", {});
  std::filesystem::create_symlink(folder / "poolshot.wav", folder / "link.wav");

  EXPECT_EQ(ReadPromptly(folder / "poolshot.wav"), bytes);
  EXPECT_EQ(ReadPromptly(folder / "link.wav"), bytes);
  EXPECT_EQ(ReadPromptly(folder / "empty.wav"), std::vector<uint8_t>{});
}

TEST(ReadSoundFile, RefusesWhatIsNoRegularFileOfBoundedSize) {
  testing::TempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "fifo.wav").c_str(), 0600), 0);
  std::filesystem::create_directory(folder / "folder.wav");
  // Sparse files: no time or disk goes into making them.
  auto sparse = [&](const std::string& name, int64_t size) {
    testing::WriteFile(folder / name, {});
    std::filesystem::resize_file(folder / name, uintmax_t(size));
  };
  sparse("huge.wav", kLargestSoundFileBytes + 1);
  sparse("largest.wav", kLargestSoundFileBytes);

  for (const std::string& path :
       {folder / "missing.wav", folder / "fifo.wav", folder / "folder.wav", folder / "huge.wav",
        std::string("/dev/zero"), std::string("")})
    EXPECT_FALSE(ReadPromptly(path).has_value()) << path;
  // The limit itself is still read.
  const auto largest = ReadPromptly(folder / "largest.wav");
  ASSERT_TRUE(largest.has_value());
  EXPECT_EQ(int64_t(largest->size()), kLargestSoundFileBytes);
}

// A writer that keeps a FIFO open makes no difference: it is still no file.
TEST(ReadSoundFile, RefusesAFifoWithAWriter) {
  testing::TempFolder folder;
  const std::string fifo = folder / "poolshot.wav";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  const testing::Bytes bytes = testing::Wave(testing::Format{}, testing::Bytes(16, 1));
  ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), ssize_t(bytes.size()));
  EXPECT_FALSE(ReadPromptly(fifo).has_value());
  ::close(writer);
  ::close(reader);
}

}  // namespace
}  // namespace quorvil
