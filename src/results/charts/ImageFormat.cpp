// Which picture format a chart file's name asks for.
#include "results/charts/ImageFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kelvane::charts {
namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(b)) == a; });
}

}  // namespace

std::optional<ImageFormat> ImageFormatOf(std::string_view path) {
  if (EndsWithIgnoringCase(path, ".png")) return ImageFormat::Png;
  if (EndsWithIgnoringCase(path, ".svg")) return ImageFormat::Svg;
  return std::nullopt;
}

}  // namespace kelvane::charts
