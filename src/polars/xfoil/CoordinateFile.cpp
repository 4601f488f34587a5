// Recognises Lednicer files and bare point lists and writes them in the Selig order XFoil reads.
#include "polars/xfoil/CoordinateFile.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace kelvane::xfoil {
namespace {

constexpr std::string_view kBlanks = " \t\r";
// A Lednicer side holds at least the leading and the trailing edge.
constexpr double kLeastSidePoints = 2;
// A Lednicer file's lines before the points: the name and the two counts.
constexpr std::size_t kLednicerHeadLines = 2;

struct Point {
  double x;
  double y;
  bool operator==(const Point&) const = default;
};

std::string_view Trimmed(std::string_view line) {
  const std::size_t first = line.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

std::optional<double> Number(std::string_view& rest) {
  rest = Trimmed(rest);
  double value = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
  return value;
}

// Two numbers and nothing else on the line.
std::optional<Point> PointOf(std::string_view line) {
  const std::optional<double> x = Number(line);
  if (!x) return std::nullopt;
  const std::optional<double> y = Number(line);
  if (!y || !Trimmed(line).empty()) return std::nullopt;
  return Point{*x, *y};
}

// The file's non-blank lines, trimmed.
std::vector<std::string_view> FilledLines(std::string_view content) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    if (const std::string_view line = Trimmed(content.substr(0, end)); !line.empty()) lines.push_back(line);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
  }
  return lines;
}

bool IsSideCount(double count) { return count >= kLeastSidePoints && count == std::floor(count); }

std::string Joined(std::string_view name, const std::vector<std::string_view>& points) {
  std::string text(name);
  text += '\n';
  for (const std::string_view point : points) (text += point) += '\n';
  return text;
}

}  // namespace

std::string SeligText(std::string_view content, std::string_view name) {
  const std::vector<std::string_view> lines = FilledLines(content);
  if (lines.empty()) return std::string(content);
  if (PointOf(lines[0])) return Joined(name, lines);
  if (lines.size() < kLednicerHeadLines) return std::string(content);

  // Lednicer: the counts must add up to the points that follow, or the file is not one.
  const std::optional<Point> counts = PointOf(lines[1]);
  if (!counts || !IsSideCount(counts->x) || !IsSideCount(counts->y)) return std::string(content);
  const auto upperCount = static_cast<std::size_t>(counts->x);
  const auto lowerCount = static_cast<std::size_t>(counts->y);
  if (lines.size() != kLednicerHeadLines + upperCount + lowerCount) return std::string(content);
  for (std::size_t i = kLednicerHeadLines; i < lines.size(); ++i)
    if (!PointOf(lines[i])) return std::string(content);

  const auto upperBegin = lines.begin() + static_cast<std::ptrdiff_t>(kLednicerHeadLines);
  const auto lowerBegin = upperBegin + static_cast<std::ptrdiff_t>(upperCount);
  std::vector<std::string_view> selig(std::make_reverse_iterator(lowerBegin), std::make_reverse_iterator(upperBegin));
  // Both sides start at the leading edge; XFoil takes a repeated point for a corner.
  const bool sharedLeadingEdge = PointOf(*upperBegin) == PointOf(*lowerBegin);
  selig.insert(selig.end(), lowerBegin + (sharedLeadingEdge ? 1 : 0), lines.end());
  return Joined(lines[0], selig);
}

}  // namespace kelvane::xfoil
