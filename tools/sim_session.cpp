#include "tools/sim_session.h"

#include <cstdlib>

#include "tools/sim_command.h"

namespace quorvil::sim {

SimSession::SimSession(const ResourceCatalog& resources, TextOut out, TextOut err)
    : err_(std::move(err)),
      runner_(resources, std::move(out)),
      onLine_([this](const ScriptLine& line) { return RunLine(line); }) {
  // Every session starts with the generator as a fresh process has it.
  std::srand(1);
}

bool SimSession::Feed(std::string_view bytes) {
  if (!stopped_) stopped_ = !reader_.Feed(bytes, onLine_);
  return !stopped_;
}

int SimSession::Finish() {
  if (!stopped_) stopped_ = !reader_.Finish(onLine_);
  return stopped_ ? kStatusBadLine : kStatusDone;
}

bool SimSession::RunLine(const ScriptLine& line) {
  const bool comment = !line.words.empty() && line.words[0] == '#';
  if (line.tooLong && !comment) {
    Report(line, "line too long", true);
    return false;
  }
  const ParsedLine parsed = ParseSimLine(line.words);
  if (parsed.outcome == ParsedLine::Skip) return true;
  if (parsed.outcome == ParsedLine::Bad) {
    Report(line, parsed.reason, true);
    return false;
  }
  const RunResult result = runner_.Run(parsed.command);
  if (result.outcome == RunResult::GameError) {
    Report(line, result.message, false);
  } else if (result.outcome == RunResult::Stop) {
    Report(line, result.message, true);
    return false;
  }
  return true;
}

void SimSession::Report(const ScriptLine& line, std::string_view what, bool showLine) {
  std::string message = "quorvil-sim: line " + std::to_string(line.number) + ": ";
  message += what;
  if (showLine) message += ": \"" + ShowLine(line.start, line.cut) + "\"";
  message += "\n";
  err_(message);
}

std::string ShowLine(std::string_view start, bool cut) {
  // A CRLF script's lines end in CR, which says nothing in a message.
  if (!cut && !start.empty() && start.back() == '\r') start.remove_suffix(1);
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown;
  for (const char c : start) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\\' || byte == '"') {
      shown += '\\';
      shown += c;
    } else if (byte >= 0x20 && byte < 0x7f) {
      shown += c;
    } else if (byte == '\t') {
      shown += "\\t";
    } else {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
    }
  }
  if (cut) shown += "...";
  return shown;
}

int RunScriptText(std::string_view script, const ResourceCatalog& resources, std::string& out,
                  std::string& err) {
  SimSession session(
      resources, [&out](std::string_view text) { out += text; },
      [&err](std::string_view text) { err += text; });
  session.Feed(script);
  return session.Finish();
}

}  // namespace quorvil::sim
