// One run of a quorvil-sim script: its bytes in, the dumps and the messages
// out, and the exit status: 0 when the input ran to its end, 2 when a line
// could not be run (nothing after it runs).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "assets/resource_catalog.h"
#include "tools/script_reader.h"
#include "tools/sim_runner.h"
#include "tools/sound_recorder.h"

namespace quorvil::sim {

inline constexpr int kStatusDone = 0;
inline constexpr int kStatusBadLine = 2;

class SimSession {
 public:
  // `out` receives the dumps, `err` the messages, each message one line.
  SimSession(const ResourceCatalog& resources, TextOut out, TextOut err);
  SimSession(const SimSession&) = delete;
  SimSession& operator=(const SimSession&) = delete;

  // Runs the lines the bytes complete; false once a bad line has stopped
  // the run.
  bool Feed(std::string_view bytes);
  // End of input: runs a last line left without its line feed and returns
  // the exit status.
  int Finish();

  const SimRunner& runner() const { return runner_; }

 private:
  bool RunLine(const ScriptLine& line);
  void Report(const ScriptLine& line, std::string_view what, bool showLine);

  TextOut err_;
  SimRunner runner_;
  ScriptReader reader_;
  ScriptReader::LineHandler onLine_;
  bool stopped_ = false;
};

// The whole of `script` run in one session, for callers that hold it all.
int RunScriptText(std::string_view script, const ResourceCatalog& resources, std::string& out,
                  std::string& err);

// A line as a message shows it: printable ASCII as it is, other bytes as
// \xNN escapes, so that no byte of a script can upset a terminal.
std::string ShowLine(std::string_view start, bool cut);

}  // namespace quorvil::sim
