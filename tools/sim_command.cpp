#include "tools/sim_command.h"

#include <vector>

#include "tools/sim_numbers.h"

namespace quorvil::sim {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

ParsedLine BadLine(std::string reason) {
  ParsedLine parsed;
  parsed.outcome = ParsedLine::Bad;
  parsed.reason = std::move(reason);
  return parsed;
}

// Reads the command's arguments one by one; the first failure is kept and
// every later read is skipped.
class ArgumentReader {
 public:
  ArgumentReader(const std::vector<std::string_view>& words) : words_(words) {}

  bool failed() const { return !reason_.empty(); }
  const std::string& reason() const { return reason_; }
  size_t size() const { return words_.size() - 1; }
  std::string_view word(size_t i) const { return words_[i + 1]; }

  // Checks the count of arguments against [min, max].
  bool Expect(size_t min, size_t max) {
    if (size() < min) return Fail("missing argument");
    if (size() > max) return Fail("extra argument");
    return true;
  }

  int64_t Whole(size_t i, int64_t min, int64_t max, const char* what) {
    if (failed()) return 0;
    const WholeNumber number = ParseWholeNumber(word(i), min, max);
    if (number.status == NumberStatus::NotANumber) {
      Fail(std::string(what) + " is not a whole number");
    } else if (number.status == NumberStatus::OutOfRange) {
      Fail(std::string(what) + " is out of range " + std::to_string(min) + " to " + std::to_string(max));
    }
    return number.value;
  }

  float Decimal(size_t i, const char* what) {
    if (failed()) return 0.0f;
    const TableFloat number = ParseTableFloat(word(i));
    if (number.status == NumberStatus::NotANumber) {
      Fail(std::string(what) + " is not a plain decimal number");
    } else if (number.status == NumberStatus::OutOfRange) {
      Fail(std::string(what) + " is out of range for a 32-bit float");
    }
    return number.value;
  }

  bool Fail(std::string reason) {
    if (!failed()) reason_ = std::move(reason);
    return false;
  }

 private:
  const std::vector<std::string_view>& words_;
  std::string reason_;
};

constexpr int64_t kUint32Max = 4294967295;

void ReadCount(ArgumentReader& args, SimCommand& command) {
  if (!args.Expect(0, 1)) return;
  command.count = args.size() == 0 ? 1u : static_cast<uint32_t>(args.Whole(0, 0, kUint32Max, "count"));
}

void ReadKey(ArgumentReader& args, SimCommand& command) {
  if (!args.Expect(1, 2)) return;
  command.key = static_cast<uint16_t>(args.Whole(0, 0, 65535, "key code"));
  if (args.size() == 2) {
    if (args.word(1) != "ctrl") {
      args.Fail("the only modifier is ctrl");
      return;
    }
    command.ctrl = true;
  }
}

void ReadMouse(ArgumentReader& args, SimCommand& command) {
  // Past the position only button words may follow, each once, so a third
  // one is always a repeat or a stranger: say which.
  if (!args.Expect(2, SIZE_MAX)) return;
  command.x = static_cast<int32_t>(args.Whole(0, INT32_MIN, INT32_MAX, "x"));
  command.y = static_cast<int32_t>(args.Whole(1, INT32_MIN, INT32_MAX, "y"));
  for (size_t i = 2; i < args.size() && !args.failed(); ++i) {
    bool* button = args.word(i) == "left" ? &command.left : args.word(i) == "right" ? &command.right : nullptr;
    if (button == nullptr) {
      args.Fail("the buttons are left and right");
    } else if (*button) {
      args.Fail("a button is named twice");
    } else {
      *button = true;
    }
  }
}

void ReadPlace(ArgumentReader& args, SimCommand& command) {
  if (!args.Expect(5, 5)) return;
  command.slot = static_cast<int>(args.Whole(0, 0, 15, "slot"));
  command.posX = args.Decimal(1, "x");
  command.posY = args.Decimal(2, "y");
  command.velX = args.Decimal(3, "vx");
  command.velY = args.Decimal(4, "vy");
}

void ReadSnap(ArgumentReader& args, SimCommand& command) {
  if (!args.Expect(3, 3)) return;
  command.width = static_cast<int>(args.Whole(0, 1, 8192, "width"));
  command.height = static_cast<int>(args.Whole(1, 1, 8192, "height"));
  if (args.word(2).find('\0') != std::string_view::npos) {
    args.Fail("a file name cannot hold a NUL byte");
    return;
  }
  command.file = std::string(args.word(2));
}

}  // namespace

ParsedLine ParseSimLine(std::string_view line) {
  const std::vector<std::string_view> words = SplitWords(line);
  if (words.empty() || words[0][0] == '#') return {};

  const std::string_view name = words[0];
  ArgumentReader args(words);
  SimCommand command;
  if (name == "seed") {
    command.kind = CommandKind::Seed;
    if (args.Expect(1, 1)) command.seed = static_cast<uint32_t>(args.Whole(0, 0, kUint32Max, "seed"));
  } else if (name == "start" || name == "newgame" || name == "dump") {
    command.kind = name == "start" ? CommandKind::Start : name == "newgame" ? CommandKind::NewGame : CommandKind::Dump;
    args.Expect(0, 0);
  } else if (name == "key") {
    command.kind = CommandKind::Key;
    ReadKey(args, command);
  } else if (name == "mouse") {
    command.kind = CommandKind::Mouse;
    ReadMouse(args, command);
  } else if (name == "tick" || name == "paint" || name == "step") {
    command.kind = name == "tick" ? CommandKind::Tick : name == "paint" ? CommandKind::Paint : CommandKind::Step;
    ReadCount(args, command);
  } else if (name == "place") {
    command.kind = CommandKind::Place;
    ReadPlace(args, command);
  } else if (name == "snap") {
    command.kind = CommandKind::Snap;
    ReadSnap(args, command);
  } else {
    return BadLine("unknown command");
  }
  if (args.failed()) return BadLine(args.reason());

  ParsedLine parsed;
  parsed.outcome = ParsedLine::Command;
  parsed.command = std::move(command);
  return parsed;
}

}  // namespace quorvil::sim
