#include "platform/sound_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quorvil {

namespace {

// Closes the descriptor on every way out.
struct OpenFile {
  int fd;
  ~OpenFile() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::optional<std::vector<uint8_t>> ReadSoundFile(const std::string& path) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer. The type is then
  // checked on the open descriptor, so nothing can be swapped in between.
  OpenFile file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (file.fd < 0) return std::nullopt;
  struct stat info;
  if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  if (info.st_size > kLargestSoundFileBytes) return std::nullopt;

  // A file that changes while it is read gives at most the size it had:
  // reading stops there, and a shrunk file gives what was left of it.
  std::vector<uint8_t> bytes(size_t(info.st_size));
  size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(file.fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    got += size_t(n);
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace quorvil
