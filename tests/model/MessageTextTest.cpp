// Tests of message texts built from outside text.
#include "model/MessageText.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

// No byte that a terminal could take for a control: C0, DEL, or a C1 control in UTF-8 or as a bare byte.
bool HasNoControls(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return false;
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) return false;
  }
  return true;
}

TEST(QuoteForMessage, ShowsShortTextAsItStands) {
  EXPECT_EQ(QuoteForMessage(""), "");
  EXPECT_EQ(QuoteForMessage("12,5"), "12,5");
  EXPECT_EQ(QuoteForMessage("Kanat Alanı ²"), "Kanat Alanı ²");
}

TEST(QuoteForMessage, EscapesControlsAndBytesThatAreNotUtf8) {
  EXPECT_EQ(QuoteForMessage(std::string("1\0\x01\x1b[2J\x7f", 8)), R"(1\x00\x01\x1B[2J\x7F)");
  EXPECT_EQ(QuoteForMessage("\xC2\x9B"
                            "31m"),
            R"(\u009B31m)");  // C1 control sequence introducer
  EXPECT_EQ(QuoteForMessage("a\x9B"
                            "b"),
            R"(a\x9Bb)");                                         // the same as a bare byte
  EXPECT_EQ(QuoteForMessage("\xC0\xAF"), R"(\xC0\xAF)");          // overlong "/"
  EXPECT_EQ(QuoteForMessage("\xED\xA0\x80"), R"(\xED\xA0\x80)");  // a surrogate
  EXPECT_EQ(QuoteForMessage("\xE2\x82"), R"(\xE2\x82)");          // cut-off sequence
}

TEST(QuoteForMessage, KeepsTheFirstFortyCharactersWhole) {
  const std::string turkish = "ığüşöç";  // two bytes each
  std::string repeated;
  for (int i = 0; i < 10; ++i) repeated += turkish;
  const std::string quoted = QuoteForMessage(repeated);
  EXPECT_EQ(quoted, repeated.substr(0, 80) + "…");
  EXPECT_EQ(QuoteForMessage(std::string(100, '9')), std::string(kMaxQuotedCharacters, '9') + "…");

  const std::string hostile = std::string(20 * 1024, '\x1b');
  const std::string shown = QuoteForMessage(hostile);
  EXPECT_LT(shown.size(), kMaxMessageBytes);
  EXPECT_TRUE(HasNoControls(shown));
  EXPECT_EQ(QuoteForMessage(std::string(kMaxQuotedCharacters, '7')).find("…"), std::string::npos);
}

TEST(PathForMessage, KeepsTheEndWhereTheFileNameIs) {
  EXPECT_EQ(PathForMessage("wing.cfg"), "wing.cfg");
  const std::string folder(300, 'd');
  EXPECT_EQ(PathForMessage("/" + folder + "/wing.cfg"), "…" + folder.substr(0, 31) + "/wing.cfg");
  EXPECT_EQ(PathForMessage("/tmp/ışık/" + std::string(35, 'x')), "…ışık/" + std::string(35, 'x'));
  EXPECT_EQ(PathForMessage("a\nb.cfg"), R"(a\x0Ab.cfg)");
}

TEST(LimitMessage, CutsLongMessagesAtACharacterBoundary) {
  EXPECT_EQ(LimitMessage("kısa"), "kısa");
  const std::string longMessage(kMaxMessageBytes * 10, 'a');
  EXPECT_LT(LimitMessage(longMessage).size(), kMaxMessageBytes);
  std::string turkish;
  while (turkish.size() < 2 * kMaxMessageBytes) turkish += "ş";
  const std::string cut = LimitMessage(turkish);
  EXPECT_LT(cut.size(), kMaxMessageBytes);
  EXPECT_TRUE(cut.ends_with("ş…")) << cut;
}

}  // namespace
}  // namespace kelvane
