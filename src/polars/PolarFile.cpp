// Reading a section polar from XFoil/XFLR5 polar text or CSV, with a refusal that names the file and the
// line for anything that is not a polar.
#include "polars/PolarFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

#include "model/FileErrorText.h"
#include "model/MessageText.h"
#include "model/Numbers.h"
#include "model/TextFile.h"

namespace kelvane {
namespace {

constexpr std::string_view kCsvHeader = "alpha,cl,cd";
constexpr std::string_view kBlanks = " \t\r";  // \r: the end of a CR LF line
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kColumns = 3;    // alpha, CL, CD
constexpr std::size_t kLeastRows = 2;  // one segment
// An angle of attack beyond half a turn either way is no angle of a polar.
constexpr double kLargestAlpha = 180;

// How the rows' values are separated.
enum class Layout { Blanks, Commas };

struct NumberedRow {
  PolarRow row;
  int line = 0;
};

bool IsBlank(std::string_view line) { return line.find_first_not_of(kBlanks) == std::string_view::npos; }

// XFoil's and XFLR5's line under the column titles.
bool IsDashLine(std::string_view line) {
  return line.find('-') != std::string_view::npos && line.find_first_not_of(" \t\r-") == std::string_view::npos;
}

// "alpha,cl,cd" in any case, blanks between the names allowed.
bool IsCsvHeader(std::string_view line) {
  std::string squeezed;
  for (const char ch : line)
    if (kBlanks.find(ch) == std::string_view::npos)
      squeezed += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return squeezed.starts_with(kCsvHeader);
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> Fields(std::string_view line, Layout layout) {
  std::vector<std::string_view> fields;
  if (layout == Layout::Commas) {
    for (std::size_t start = 0;;) {
      const std::size_t comma = line.find(',', start);
      fields.push_back(Trimmed(line.substr(start, comma - start)));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
    return fields;
  }
  for (std::size_t start = line.find_first_not_of(kBlanks); start != std::string_view::npos;) {
    const std::size_t end = std::min(line.find_first_of(kBlanks, start), line.size());
    fields.push_back(line.substr(start, end - start));
    start = line.find_first_not_of(kBlanks, end);
  }
  return fields;
}

std::string InQuotes(std::string_view text) { return "\"" + QuoteForMessage(text) + "\""; }

// The messages of one file, each naming it.
class PolarMessages {
 public:
  explicit PolarMessages(std::string_view name) : name_(PathForMessage(name)) {}

  Outcome AtLine(int line, const std::string& reason) const {
    return Outcome::Refused(
        LimitMessage(name_ + " dosyasının " + std::to_string(line) + ". satırı okunamadı: " + reason));
  }
  Outcome Whole(const std::string& reason) const {
    return Outcome::Refused(LimitMessage(name_ + " dosyası " + reason));
  }

 private:
  std::string name_;
};

// One value of a row; the reason it is refused for otherwise.
std::optional<std::string> ReadValue(std::string_view field, double& value) {
  std::string_view digits = field;
  if (digits.starts_with('+')) digits.remove_prefix(1);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || end != digits.data() + digits.size() || error == std::errc::invalid_argument)
    return InQuotes(field) + " bir sayı değil";
  if (error == std::errc::result_out_of_range) return InQuotes(field) + " sayı aralığının dışında";
  if (!std::isfinite(value)) return InQuotes(field) + " sonlu bir sayı değil";
  return std::nullopt;
}

// The rows from the line after the table's start on, in file order.
Outcome ReadRows(const std::vector<std::string_view>& lines, std::size_t first, Layout layout,
                 const PolarMessages& messages, std::vector<NumberedRow>& rows) {
  for (std::size_t k = first; k < lines.size(); ++k) {
    if (IsBlank(lines[k])) continue;
    const int line = static_cast<int>(k) + 1;
    const std::vector<std::string_view> fields = Fields(lines[k], layout);
    if (fields.size() < kColumns) return messages.AtLine(line, "alfa, CL ve CD için üç sütun gerekir");
    double values[kColumns];
    for (std::size_t c = 0; c < kColumns; ++c)
      if (const auto fault = ReadValue(fields[c], values[c])) return messages.AtLine(line, *fault);
    if (std::fabs(values[0]) > kLargestAlpha)
      return messages.AtLine(line, "alfa = " + PlainNumberText(values[0]) + "° -180° ile 180° arasında değil");
    rows.push_back({{.alpha = values[0], .cl = values[1], .cd = values[2]}, line});
  }
  return Outcome::Done();
}

// Sorted by alpha, exact repeats dropped; a repeated alpha with other values is refused.
Outcome SortRows(std::vector<NumberedRow>& rows, const PolarMessages& messages) {
  std::stable_sort(rows.begin(), rows.end(),
                   [](const NumberedRow& a, const NumberedRow& b) { return a.row.alpha < b.row.alpha; });
  std::vector<NumberedRow> kept;
  for (const NumberedRow& next : rows) {
    if (!kept.empty() && kept.back().row.alpha == next.row.alpha) {
      if (kept.back().row == next.row) continue;
      return messages.AtLine(next.line, "alfa = " + PlainNumberText(next.row.alpha) + " için " +
                                            std::to_string(kept.back().line) + ". satırda başka değerler var");
    }
    kept.push_back(next);
  }
  rows = std::move(kept);
  return Outcome::Done();
}

}  // namespace

Outcome ReadPolarText(std::string_view content, std::string_view name, std::optional<SectionPolar>& polar) {
  const PolarMessages messages(name);
  if (content.size() > kPolarSizeLimit) return messages.Whole("okunamadı: " + FileErrorText(EFBIG));
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());

  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start <= content.size();) {
    const std::size_t end = std::min(content.find('\n', start), content.size());
    lines.push_back(content.substr(start, end - start));
    start = end + 1;
  }
  // The table starts under the first dash line or CSV header.
  const auto start = std::find_if(lines.begin(), lines.end(),
                                  [](std::string_view line) { return IsDashLine(line) || IsCsvHeader(line); });
  if (start == lines.end())
    return messages.Whole("bir kesit poları değil: ne tirelerden bir satırın altında bir tablo ne de " +
                          std::string(kCsvHeader) + " başlığı var");
  const Layout layout = IsDashLine(*start) ? Layout::Blanks : Layout::Commas;

  std::vector<NumberedRow> rows;
  if (Outcome read = ReadRows(lines, static_cast<std::size_t>(start - lines.begin()) + 1, layout, messages, rows);
      read.IsRefused())
    return read;
  if (Outcome sorted = SortRows(rows, messages); sorted.IsRefused()) return sorted;
  if (rows.size() < kLeastRows) return messages.Whole("en az iki farklı açıda polar satırı içermeli");

  std::vector<PolarRow> table;
  table.reserve(rows.size());
  for (const NumberedRow& row : rows) table.push_back(row.row);
  polar.emplace(std::move(table));
  return Outcome::Done();
}

Outcome ReadPolarFile(const std::string& path, std::optional<SectionPolar>& polar) {
  std::string content;
  if (const Outcome read = ReadWholeFile(path, content, kPolarSizeLimit); read.IsRefused())
    return Outcome::Refused(LimitMessage(PathForMessage(path) + " dosyası okunamadı: " + read.Message()));
  return ReadPolarText(content, path, polar);
}

}  // namespace kelvane
