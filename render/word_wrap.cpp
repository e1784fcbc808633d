#include "render/word_wrap.h"

namespace quorvil {

namespace {

// Length in bytes of the UTF-8 character starting at text[i].
size_t CharLength(std::string_view text, size_t i) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  size_t length = 1;
  if (lead >= 0xF0) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = 3;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  // A truncated or malformed sequence still moves on, one byte at a time
  // past what is there.
  size_t end = i + 1;
  while (end < text.size() && end < i + length &&
         (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    ++end;
  }
  return end - i;
}

// The longest prefix of text, at least one character, that fits maxWidth.
size_t FittingChars(std::string_view text, int maxWidth, const TextWidth& width) {
  size_t fit = CharLength(text, 0);
  while (fit < text.size()) {
    const size_t next = fit + CharLength(text, fit);
    if (width(text.substr(0, next)) > maxWidth) break;
    fit = next;
  }
  return fit;
}

}  // namespace

std::vector<std::string> WrapLine(std::string_view line, int maxWidth, const TextWidth& width) {
  std::vector<std::string> pieces;
  std::string_view rest = line;
  bool first = true;
  do {
    if (!first) {
      // A continuation starts at the next word.
      const size_t start = rest.find_first_not_of(' ');
      rest = start == std::string_view::npos ? std::string_view{} : rest.substr(start);
      if (rest.empty()) break;
    }
    first = false;
    if (width(rest) <= maxWidth) {
      pieces.emplace_back(rest);
      break;
    }
    // The last break, at a blank after some visible text, that still fits.
    size_t cut = std::string_view::npos;
    const size_t textStart = rest.find_first_not_of(' ');
    for (size_t blank = rest.find(' ', textStart); blank != std::string_view::npos;
         blank = rest.find(' ', blank + 1)) {
      if (width(rest.substr(0, blank)) > maxWidth) break;
      cut = blank;
    }
    std::string_view piece;
    if (cut == std::string_view::npos) {
      cut = FittingChars(rest, maxWidth, width);
      piece = rest.substr(0, cut);
    } else {
      // The blanks at the break belong to neither piece.
      piece = rest.substr(0, rest.find_last_not_of(' ', cut) + 1);
    }
    pieces.emplace_back(piece);
    rest = rest.substr(cut);
  } while (!rest.empty());
  if (pieces.empty()) pieces.emplace_back();
  return pieces;
}

}  // namespace quorvil
