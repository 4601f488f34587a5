#include "ui/NumberBoxes.h"

#include <cmath>

#include "model/Numbers.h"

namespace kelvane::ui {
namespace {

constexpr const char* kUseThePoint = "Ondalık ayırıcı olarak nokta kullanınız: ";
constexpr const char* kTooLarge = "Bu sayı çok büyük: ";
constexpr std::size_t kMaxQuotedCharacters = 40;
constexpr const char* kCut = "…";
constexpr const char* kHexDigits = "0123456789ABCDEF";
constexpr std::string_view kBlanks = " \t\n";  // the reading rule ignores them anywhere

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }
bool StartsCharacter(unsigned char c) { return (c & 0xC0) != 0x80; }  // not a UTF-8 continuation byte

// The reading rule stops at a comma that a decimal digit follows.
bool HasDecimalComma(std::string_view text) {
  const std::size_t end = NumberLength(text);
  if (end >= text.size() || text[end] != ',') return false;
  const std::size_t next = text.find_first_not_of(kBlanks, end + 1);
  return next != std::string_view::npos && IsDigit(text[next]);
}

}  // namespace

std::optional<std::string> UnreadableNumberMessage(std::string_view text) {
  if (HasDecimalComma(text)) return kUseThePoint + QuoteForMessage(text);
  if (std::isinf(ReadNumber(text))) return kTooLarge + QuoteForMessage(text);
  return std::nullopt;
}

std::string QuoteForMessage(std::string_view text) {
  std::string quoted;
  std::size_t characters = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (StartsCharacter(byte) && characters++ == kMaxQuotedCharacters) return quoted + kCut;
    if (IsControl(byte)) {
      quoted += "\\x";
      quoted += kHexDigits[byte >> 4];
      quoted += kHexDigits[byte & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted;
}

}  // namespace kelvane::ui
