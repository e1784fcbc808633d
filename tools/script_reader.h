// Cuts a script's bytes into lines as they arrive, in bounded memory
// whatever the line lengths: runs of blanks fold into one, the words of a
// line are kept up to a limit, and only the line's start is kept for
// messages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quorvil::sim {

struct ScriptLine {
  uint64_t number = 0;      // 1 for the first line
  std::string_view words;   // the line with each run of blanks folded to one
  bool tooLong = false;     // the words went past kMaxLineWords
  std::string_view start;   // the line's first bytes, as they came
  bool cut = false;         // the line is longer than `start`
};

class ScriptReader {
 public:
  static constexpr size_t kMaxLineWords = size_t{1} << 20;
  static constexpr size_t kShownBytes = 200;

  // Returns false to stop reading.
  using LineHandler = std::function<bool(const ScriptLine&)>;

  // Hands each line that the bytes complete to onLine; false once onLine has
  // asked to stop.
  bool Feed(std::string_view bytes, const LineHandler& onLine);
  // End of input: a last line without its line feed is still a line.
  bool Finish(const LineHandler& onLine);

 private:
  bool EndLine(const LineHandler& onLine);

  uint64_t lineNumber_ = 0;
  std::string words_;
  bool blankPending_ = false;
  bool tooLong_ = false;
  std::string start_;
  uint64_t lineBytes_ = 0;
};

}  // namespace quorvil::sim
