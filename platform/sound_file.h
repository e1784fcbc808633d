// Reads a sound file from disk whole, without ever waiting on it: the file
// the game asks for is whatever lies in its working directory under that
// name, which may be a directory, a FIFO with no writer, a device or
// something huge. Only a regular file of bounded size is read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvil {

// A sound effect lasts a second or two; 16 MiB is more than a minute and a
// half of CD-quality stereo, so no sound worth playing is refused, while a
// stray huge file is never read into memory.
inline constexpr int64_t kLargestSoundFileBytes = int64_t(16) << 20;

// The file's bytes, or nothing when it is missing, unreadable, not a regular
// file, or larger than kLargestSoundFileBytes.
std::optional<std::vector<uint8_t>> ReadSoundFile(const std::string& path);

}  // namespace quorvil
