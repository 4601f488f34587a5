// Message texts built safely from outside text: quoted, escaped, file names shortened, length limited.
#include "model/MessageText.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace kelvane {
namespace {

constexpr std::string_view kCutMark = "…";
constexpr std::size_t kLongestCharacter = 4;  // bytes of one UTF-8 character
constexpr char kHexDigits[] = "0123456789ABCDEF";

// A run of code points, both ends included.
struct CodeRange {
  char32_t first;
  char32_t last;
  constexpr bool Contains(char32_t code) const { return code >= first && code <= last; }
};
constexpr CodeRange kControlsC0{0x00, 0x1F};
constexpr CodeRange kDeleteAndControlsC1{0x7F, 0x9F};
constexpr CodeRange kSurrogates{0xD800, 0xDFFF};  // halves of UTF-16 pairs, never characters of their own
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One character of a text: its bytes, its code point, and whether those bytes are well-formed UTF-8
// (a byte that starts no well-formed sequence stands alone as a character of its own).
struct Character {
  std::string_view bytes;
  char32_t code = 0;
  bool wellFormed = false;
};

// The lead byte of a multi-byte sequence: which bits mark it, how long the sequence is, and the smallest
// code point it may carry (a smaller one would be an overlong form of a shorter sequence).
struct SequenceForm {
  unsigned char markMask;
  unsigned char mark;
  std::size_t length;
  char32_t smallest;
};
constexpr SequenceForm kSequenceForms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

Character CharacterAt(std::string_view text) {
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  const Character single{text.substr(0, 1), lead, lead < 0x80};
  const auto form = std::find_if(std::begin(kSequenceForms), std::end(kSequenceForms),
                                 [lead](const SequenceForm& f) { return (lead & f.markMask) == f.mark; });
  if (form == std::end(kSequenceForms) || text.size() < form->length) return single;
  char32_t code = lead & static_cast<unsigned char>(~form->markMask);
  for (std::size_t i = 1; i < form->length; ++i) {
    if (!IsContinuationByte(byte(i))) return single;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < form->smallest || code > kLastCodePoint || kSurrogates.Contains(code)) return single;
  return {text.substr(0, form->length), code, true};
}

std::string Escape(const char* prefix, unsigned value, int digits) {
  std::string text = prefix;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) text += kHexDigits[(value >> shift) & 0xF];
  return text;
}

bool IsControl(char32_t code) { return kControlsC0.Contains(code) || kDeleteAndControlsC1.Contains(code); }

// How one character shows in a message: as it stands, or as an escape of its byte or code point.
std::string Shown(const Character& c) {
  if (!c.wellFormed) return Escape("\\x", static_cast<unsigned char>(c.bytes[0]), 2);
  if (!IsControl(c.code)) return std::string(c.bytes);
  if (c.code < 0x80) return Escape("\\x", c.code, 2);
  return Escape("\\u", c.code, 4);
}

// The characters of text as shown, at most `limit` of them; *more tells whether any were left over.
std::vector<std::string> ShownCharacters(std::string_view text, std::size_t limit, bool* more) {
  std::vector<std::string> shown;
  while (!text.empty() && shown.size() < limit) {
    const Character c = CharacterAt(text);
    shown.push_back(Shown(c));
    text.remove_prefix(c.bytes.size());
  }
  *more = !text.empty();
  return shown;
}

std::string Joined(const std::vector<std::string>& parts, std::size_t first) {
  std::string text;
  for (std::size_t i = first; i < parts.size(); ++i) text += parts[i];
  return text;
}

}  // namespace

std::string QuoteForMessage(std::string_view text) {
  bool more = false;
  const std::vector<std::string> shown = ShownCharacters(text, kMaxQuotedCharacters, &more);
  return Joined(shown, 0) + (more ? std::string(kCutMark) : "");
}

std::string PathForMessage(std::string_view path) {
  // Only the tail can be in view; it starts at a character boundary unless bytes that are not UTF-8 say
  // otherwise, in which case they show as escapes.
  std::size_t start = path.size() - std::min(path.size(), kMaxQuotedCharacters * kLongestCharacter);
  for (std::size_t back = 1; back < kLongestCharacter && start > 0; ++back) {
    if (!IsContinuationByte(static_cast<unsigned char>(path[start]))) break;
    --start;
  }
  bool more = false;
  const std::vector<std::string> shown = ShownCharacters(path.substr(start), path.size(), &more);
  const std::size_t first = shown.size() - std::min(shown.size(), kMaxQuotedCharacters);
  return (start > 0 || first > 0 ? std::string(kCutMark) : "") + Joined(shown, first);
}

std::string LimitMessage(std::string message) {
  if (message.size() < kMaxMessageBytes) return message;
  std::size_t cut = kMaxMessageBytes - 1 - kCutMark.size();
  while (cut > 0 && IsContinuationByte(static_cast<unsigned char>(message[cut]))) --cut;
  message.resize(cut);
  return message + std::string(kCutMark);
}

}  // namespace kelvane
