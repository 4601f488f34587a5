// Which number texts a command must not read, and the message that says why.
#include "model/UnreadableNumber.h"

#include <cmath>

#include "model/MessageText.h"
#include "model/Numbers.h"

namespace kelvane {
namespace {

constexpr const char* kUseThePoint = "Ondalık ayırıcı olarak nokta kullanınız: ";
constexpr const char* kTooLarge = "Bu sayı çok büyük: ";
constexpr std::string_view kBlanks = " \t\n";  // the reading rule ignores them anywhere

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

}  // namespace kelvane
