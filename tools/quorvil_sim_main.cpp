// quorvil-sim: runs the game without a window from the commands on standard
// input and prints the state wherever the script says `dump`.
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "assets/resource_catalog.h"
#include "tools/render_snapshot.h"
#include "tools/sim_session.h"

namespace {

void Write(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

}  // namespace

int main() {
  quorvil::sim::RegisterRenderer();
  quorvil::sim::SimSession session(
      quorvil::EmbeddedResources(), [](std::string_view text) { Write(stdout, text); },
      [](std::string_view text) { Write(stderr, text); });

  // read() hands over whatever has arrived, so a script fed line by line
  // through a pipe runs line by line.
  static char buffer[1 << 16];
  int status = quorvil::sim::kStatusDone;
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      std::perror("quorvil-sim: cannot read the script");
      status = 1;
      break;
    }
    if (got == 0) {
      status = session.Finish();
      break;
    }
    const bool goOn = session.Feed(std::string_view(buffer, static_cast<size_t>(got)));
    std::fflush(stdout);
    if (!goOn) {
      status = quorvil::sim::kStatusBadLine;
      break;
    }
  }

  // Output that never arrived must not pass for a clean run.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("quorvil-sim: cannot write the output\n", stderr);
    return 1;
  }
  return status;
}
