// Breaking a line of text at word boundaries so that every piece fits a
// width, as the help panel wraps its long lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvil {

using TextWidth = std::function<int(std::string_view)>;

// The pieces of one line, each no wider than maxWidth where that can be
// done. Breaks fall at blanks; the blanks at a break belong to neither piece,
// while the line's own leading blanks stay. A word wider than maxWidth on its
// own is broken between characters (never inside a UTF-8 sequence); a piece
// always holds at least one character. An empty line gives one empty piece,
// and blanks alone wrap to nothing more.
std::vector<std::string> WrapLine(std::string_view line, int maxWidth, const TextWidth& width);

}  // namespace quorvil
