#include "render/word_wrap.h"

#include <gtest/gtest.h>

namespace quorvil {
namespace {

// Every character (not byte) is 1 pixel wide.
int CharCount(std::string_view text) {
  int count = 0;
  for (unsigned char c : text) count += (c & 0xC0) != 0x80;
  return count;
}

struct WrapCase {
  const char* what;
  const char* line;
  int width;
  std::vector<std::string> pieces;
};

TEST(WrapLine, BreaksAtBlanksAndKeepsTheLeadingOnes) {
  const WrapCase cases[] = {
      {"fits", "  F1: Hilfe", 11, {"  F1: Hilfe"}},
      {"empty line", "", 10, {""}},
      {"breaks at the last blank that fits", "  aa bb cc", 7, {"  aa bb", "cc"}},
      {"leading blanks stay, blanks at a break go", "  aa   bb", 5, {"  aa", "bb"}},
      {"several breaks", "aa bb cc dd", 5, {"aa bb", "cc dd"}},
      {"a long word is broken between characters", "abcdefgh", 3, {"abc", "def", "gh"}},
      {"umlauts are never split", "ääää öö", 3, {"äää", "ä", "öö"}},
      {"trailing blanks make no empty piece", "aa bb   ", 2, {"aa", "bb"}},
      {"blanks alone wrap to nothing more", "      ", 2, {"  "}},
      {"a width of zero still moves on", "ab", 0, {"a", "b"}},
  };
  for (const WrapCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(WrapLine(c.line, c.width, CharCount), c.pieces);
  }
}

}  // namespace
}  // namespace quorvil
