// Text from outside the program (a value read from a file, a file name, a typed text, a command-line
// argument) as a message may show it: short, and with nothing in it that could steer a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane {

// At most this many characters of an outside text appear in a message; a cut is marked with "…".
inline constexpr std::size_t kMaxQuotedCharacters = 40;
// Every message is shorter than this many bytes.
inline constexpr std::size_t kMaxMessageBytes = 300;

// The text as a message may quote it, its first kMaxQuotedCharacters characters kept. Control characters
// and bytes that are not UTF-8 show as escapes ("\x1B", "\u009B"): 1,5 or \x00\x1B[2J. The caller puts it
// after a colon or between quotation marks.
std::string QuoteForMessage(std::string_view text);

// A file name or path, its last kMaxQuotedCharacters characters kept, so the file's own name stays in
// view; escaped as QuoteForMessage does.
std::string PathForMessage(std::string_view path);

// The message itself if it is short enough, otherwise cut at a character boundary and marked with "…" so
// that it stays under kMaxMessageBytes bytes.
std::string LimitMessage(std::string message);

}  // namespace kelvane
