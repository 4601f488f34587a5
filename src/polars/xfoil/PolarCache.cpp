// Names the polar cache's folder and files.
#include "polars/xfoil/PolarCache.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace kelvane::xfoil {
namespace {

// A coordinate file's name keeps at most this many characters in the cached polar's name.
constexpr std::size_t kMaxNameCharacters = 40;
// 64-bit FNV-1a: a hash quick to compute and wide enough that two versions of one file do not meet.
constexpr std::uint64_t kFnvOffsetBasis = 0xcbf29ce484222325;
constexpr std::uint64_t kFnvPrime = 0x100000001b3;
constexpr int kHashHexDigits = 16;
constexpr int kBitsPerHexDigit = 4;

std::uint64_t ContentHash(std::string_view content) {
  std::uint64_t hash = kFnvOffsetBasis;
  for (const char c : content) {
    hash ^= static_cast<unsigned char>(c);
    hash *= kFnvPrime;
  }
  return hash;
}

std::string Hex(std::uint64_t value) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text(kHashHexDigits, '0');
  for (int i = kHashHexDigits - 1; i >= 0; --i, value >>= kBitsPerHexDigit) text[i] = kDigits[value & 0xF];
  return text;
}

// The name with only letters, digits, '-', '_' and '.', each other byte a '_', cut to its first characters.
std::string SafeName(std::string name) {
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.') c = '_';
  return name.substr(0, kMaxNameCharacters);
}

}  // namespace

std::optional<std::filesystem::path> DefaultPolarCacheFolder() {
  const std::filesystem::path polars = std::filesystem::path("kelvane") / "polars";
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && std::filesystem::path(cache).is_absolute())
    return std::filesystem::path(cache) / polars;
  const char* home = std::getenv("HOME");
  if (!home || *home == '\0') return std::nullopt;
  return std::filesystem::path(home) / ".cache" / polars;
}

std::string CachedPolarName(const PolarRequest& request, std::string_view coordinateContent) {
  const std::string section = request.nacaCode.empty() ? SafeName(request.coordinateFile.stem().string()) + "-" +
                                                             Hex(ContentHash(coordinateContent))
                                                       : "naca" + request.nacaCode;
  return section + "-re" + request.reynoldsText + ".txt";
}

}  // namespace kelvane::xfoil
