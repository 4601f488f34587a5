// Reads a polar request: the section (NACA code or coordinate file) before the last "@", the Reynolds
// number after it.
#include "polars/xfoil/PolarRequest.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "model/FileErrorText.h"
#include "model/MessageText.h"

namespace kelvane::xfoil {
namespace {

constexpr std::string_view kNacaWord = "naca";
constexpr std::string_view kCoordinateFileEnding = ".dat";
constexpr char kReynoldsMark = '@';
constexpr std::size_t kFourDigits = 4;
constexpr std::size_t kFiveDigits = 5;
// The 5-digit sections XFoil makes: design lift digit 2, camber position digit 1 to 5, no reflex ("2P0TT").
constexpr char kFiveDigitLift = '2';
constexpr char kFiveDigitLastPosition = '5';
constexpr char kFiveDigitNoReflex = '0';

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lowered;
}

bool IsNacaWord(std::string_view section) { return Lowered(section).starts_with(kNacaWord); }
bool IsCoordinateFile(std::string_view section) { return Lowered(section).ends_with(kCoordinateFileEnding); }

Outcome FormatRefusal(std::string_view argument) {
  return Outcome::Refused(QuoteForMessage(argument) +
                          ": polar isteği KESİT@Re biçiminde olmalı (naca2412@1e6 ya da kesit.dat@3e5)");
}

// Empty when XFoil can make the section, else why not.
std::string NacaCodeFault(std::string_view code) {
  const bool digitsOnly = std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isdigit(c); });
  if (!digitsOnly || (code.size() != kFourDigits && code.size() != kFiveDigits))
    return "NACA kodu 4 ya da 5 rakam olmalı: " + QuoteForMessage(code);
  const std::string section = "NACA " + std::string(code) + ": ";
  if (code.ends_with("00")) return section + "kalınlık (son iki rakam) sıfır olamaz";
  if (code.size() == kFourDigits && code[0] != '0' && code[1] == '0')
    return section + "kamburluğun yeri (ikinci rakam) sıfır olamaz";
  if (code.size() == kFiveDigits &&
      (code[0] != kFiveDigitLift || code[1] < '1' || code[1] > kFiveDigitLastPosition || code[2] != kFiveDigitNoReflex))
    return section + "XFoil 5 rakamlı kesitlerden yalnızca 210, 220, 230, 240 ve 250 orta çizgilerini yapar";
  return {};
}

// The shortest text that reads back as value, without the exponent's sign and leading zeros: "1e6", "2.5e5".
std::string ReynoldsText(double value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view text(buffer, end);
  const std::size_t exponentAt = text.find('e');
  std::string_view exponent = text.substr(exponentAt + 1);
  if (exponent.starts_with('+')) exponent.remove_prefix(1);
  while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
  return std::string(text.substr(0, exponentAt)) + "e" + std::string(exponent);
}

std::optional<double> ParseReynolds(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  if (value < kMinReynolds || value > kMaxReynolds) return std::nullopt;
  return value;
}

// Empty when the coordinate file is there to be read, else the refusal's message.
std::string MissingFileFault(const std::filesystem::path& file) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  const std::string cannotRead = PathForMessage(file.string()) + " dosyası okunamadı: ";
  if (error) return cannotRead + FileErrorText(error.value());
  if (!std::filesystem::is_regular_file(status)) return cannotRead + kNotARegularFileText;
  return {};
}

}  // namespace

bool NamesXfoilPolar(std::string_view argument) {
  const std::size_t mark = argument.rfind(kReynoldsMark);
  if (mark == std::string_view::npos) return false;
  const std::string_view section = argument.substr(0, mark);
  return IsNacaWord(section) || IsCoordinateFile(section);
}

std::optional<std::string_view> RequestCoordinateFile(std::string_view argument) {
  if (!NamesXfoilPolar(argument)) return std::nullopt;
  const std::string_view section = argument.substr(0, argument.rfind(kReynoldsMark));
  if (IsNacaWord(section)) return std::nullopt;
  return section;
}

std::variant<PolarRequest, Outcome> ParsePolarRequest(std::string_view argument) {
  if (!NamesXfoilPolar(argument)) return FormatRefusal(argument);
  const std::size_t mark = argument.rfind(kReynoldsMark);
  const std::string_view section = argument.substr(0, mark);
  const std::string_view reynoldsText = argument.substr(mark + 1);

  PolarRequest request;
  if (IsNacaWord(section)) {
    request.nacaCode = section.substr(kNacaWord.size());
    if (std::string fault = NacaCodeFault(request.nacaCode); !fault.empty()) return Outcome::Refused(fault);
  }
  const std::optional<double> reynolds = ParseReynolds(reynoldsText);
  if (!reynolds)
    return Outcome::Refused("Reynolds sayısı " + ReynoldsText(kMinReynolds) + " ile " + ReynoldsText(kMaxReynolds) +
                            " arasında bir sayı olmalı: " + QuoteForMessage(reynoldsText));
  request.reynolds = *reynolds;
  request.reynoldsText = ReynoldsText(*reynolds);
  if (request.nacaCode.empty()) {
    request.coordinateFile = std::filesystem::path(section);
    if (std::string fault = MissingFileFault(request.coordinateFile); !fault.empty())
      return Outcome::Refused(LimitMessage(fault));
  }
  return request;
}

std::string SectionForMessage(const PolarRequest& request) {
  return request.nacaCode.empty() ? PathForMessage(request.coordinateFile.string()) : "NACA " + request.nacaCode;
}

}  // namespace kelvane::xfoil
