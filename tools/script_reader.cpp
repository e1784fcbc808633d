#include "tools/script_reader.h"

namespace quorvil::sim {

bool ScriptReader::Feed(std::string_view bytes, const LineHandler& onLine) {
  for (const char c : bytes) {
    if (c == '\n') {
      if (!EndLine(onLine)) return false;
      continue;
    }
    ++lineBytes_;
    if (start_.size() < kShownBytes) start_.push_back(c);
    if (c == ' ' || c == '\t' || c == '\r') {
      blankPending_ = !words_.empty();
      continue;
    }
    if (words_.size() + (blankPending_ ? 2 : 1) > kMaxLineWords) {
      tooLong_ = true;
      continue;
    }
    if (blankPending_) words_.push_back(' ');
    blankPending_ = false;
    words_.push_back(c);
  }
  return true;
}

bool ScriptReader::Finish(const LineHandler& onLine) {
  if (lineBytes_ == 0) return true;
  return EndLine(onLine);
}

bool ScriptReader::EndLine(const LineHandler& onLine) {
  ScriptLine line;
  line.number = ++lineNumber_;
  line.words = words_;
  line.tooLong = tooLong_;
  line.start = start_;
  line.cut = lineBytes_ > start_.size();
  const bool goOn = onLine(line);
  words_.clear();
  blankPending_ = false;
  tooLong_ = false;
  start_.clear();
  lineBytes_ = 0;
  return goOn;
}

}  // namespace quorvil::sim
