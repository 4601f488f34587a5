// Runs XFoil on the fixed script in a private folder and judges what it left there.
#include "polars/xfoil/XfoilRun.h"

#include <array>
#include <fstream>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "model/FileErrorText.h"
#include "model/MessageText.h"
#include "model/TextFile.h"
#include "polars/xfoil/ChildProcess.h"
#include "polars/xfoil/CoordinateFile.h"
#include "polars/xfoil/PolarRows.h"
#include "polars/xfoil/PrivateFolder.h"
#include "polars/xfoil/TrapsOffLibrary.h"
#include "polars/xfoil/XfoilScript.h"

namespace kelvane::xfoil {
namespace {

// The files of one run, in its private folder. XFoil may leave a boundary-layer dump (":00.bl") beside them.
constexpr const char* kScriptFile = "script.txt";
constexpr const char* kSectionFile = "section.dat";
constexpr const char* kPolarFile = "polar.txt";
constexpr const char* kOutputFile = "output.txt";
constexpr const char* kErrorsFile = "errors.txt";
constexpr std::string_view kPreloadVariable = "LD_PRELOAD=";
// XFoil's own words when it cannot go on: an unreadable coordinate file, a run-time error or a signal caught
// by its Fortran run time (which then prints "Backtrace for this error").
constexpr std::array<std::string_view, 5> kFailureMarks = {"Program received signal", "error", "NOT COMPLETED",
                                                           "Illegal", "not implemented"};
// Where a failure is reported, at the start of a run; a longer output is not searched to its end.
constexpr std::size_t kOutputSearchBytes = 1024 * 1024;

std::string ReadStart(const std::filesystem::path& file, std::size_t limit) {
  std::ifstream in(file, std::ios::binary);
  std::string text(limit, '\0');
  in.read(text.data(), static_cast<std::streamsize>(limit));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

// The line as a message may show it: printable ASCII, each run of blanks one space.
std::string CleanLine(std::string_view line) {
  std::string clean;
  for (const char c : line) {
    const bool printable = c > ' ' && c < '\x7F';
    if (printable)
      clean += c;
    else if (!clean.empty() && clean.back() != ' ')
      clean += ' ';
  }
  if (!clean.empty() && clean.back() == ' ') clean.pop_back();
  return clean;
}

// XFoil's first line that says why it failed, from its standard output, then its standard error; empty
// when it said nothing of the kind.
std::string FailureReason(const std::filesystem::path& folder) {
  for (const char* stream : {kOutputFile, kErrorsFile}) {
    const std::string text = ReadStart(folder / stream, kOutputSearchBytes);
    std::string_view rest = text;
    while (!rest.empty()) {
      const std::size_t end = rest.find('\n');
      const std::string_view line = rest.substr(0, end);
      for (const std::string_view mark : kFailureMarks)
        if (line.find(mark) != std::string_view::npos) return CleanLine(line);
      rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
  }
  return {};
}

std::string WithReason(std::string message, const std::string& reason) {
  return LimitMessage(reason.empty() ? message : message + ": " + reason);
}

// This process's environment, with the trap switch preloaded from the run's folder: a relative name keeps
// a library path with blanks or colons, which LD_PRELOAD cannot carry, out of it.
std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry)
    if (!std::string_view(*entry).starts_with(kPreloadVariable)) environment.emplace_back(*entry);
  environment.push_back(std::string(kPreloadVariable) + "./" + kTrapsOffLibraryFileName);
  return environment;
}

// Writes the script, the coordinate file and the link to the trap switch into the run's folder.
Outcome PrepareFolder(const std::filesystem::path& folder, const PolarRequest& request,
                      std::string_view coordinateContent, const std::filesystem::path& trapsOffLibrary) {
  std::string section = "NACA " + request.nacaCode;
  if (request.nacaCode.empty()) {
    section = std::string("LOAD ") + kSectionFile;
    const std::string text = SeligText(coordinateContent, request.coordinateFile.stem().string());
    if (Outcome written = WriteFileReplacing((folder / kSectionFile).string(), text); written.IsRefused())
      return written;
  }
  if (Outcome written =
          WriteFileReplacing((folder / kScriptFile).string(), XfoilScript(section, request.reynoldsText, kPolarFile));
      written.IsRefused())
    return written;
  std::error_code error;
  std::filesystem::create_symlink(trapsOffLibrary, folder / kTrapsOffLibraryFileName, error);
  if (error) return Outcome::Refused(FileErrorText(error.value()));
  return Outcome::Done();
}

Outcome EndRefusal(const ChildResult& result, const PolarRequest& request, const XfoilRunOptions& options,
                   const std::filesystem::path& folder) {
  const std::string section = SectionForMessage(request);
  switch (result.end) {
    case ChildEnd::kNotFound: return Outcome::Refused("XFoil bulunamadı: kurmak için apt install xfoil");
    case ChildEnd::kNotStarted: return Outcome::Refused("XFoil başlatılamadı: " + FileErrorText(result.code));
    case ChildEnd::kTimedOut:
      return Outcome::Refused("XFoil " + section + " polarını " + std::to_string(options.timeLimit.count()) +
                              " saniyede bitirmedi ve durduruldu");
    case ChildEnd::kCancelled: return Outcome::Refused("XFoil'in " + section + " poları iptal edildi");
    case ChildEnd::kSignalled:
      return Outcome::Refused(
          WithReason("XFoil " + section + " polarında " + std::to_string(result.code) + " sinyaliyle durdu",
                     FailureReason(folder)));
    case ChildEnd::kExited: break;
  }
  return Outcome::Refused(
      WithReason("XFoil " + section + " polarında " + std::to_string(result.code) + " çıkış koduyla bitti",
                 FailureReason(folder)));
}

}  // namespace

std::variant<std::string, Outcome> RunXfoil(const PolarRequest& request, std::string_view coordinateContent,
                                            const XfoilRunOptions& options) {
  PrivateFolder folder;
  if (Outcome created = folder.Create("kelvane-xfoil"); created.IsRefused()) return created;
  if (Outcome prepared = PrepareFolder(folder.Path(), request, coordinateContent, options.trapsOffLibrary);
      prepared.IsRefused())
    return Outcome::Refused(LimitMessage("XFoil'in klasörü hazırlanamadı: " + prepared.Message()));

  const std::filesystem::path polarFile = folder.Path() / kPolarFile;
  const auto rowsSoFar = [&polarFile] {
    std::string text;
    return ReadWholeFile(polarFile.string(), text).IsRefused() ? 0 : CountPolarRows(text);
  };
  int reportedRows = 0;
  const auto tick = [&] {
    if (const int rows = rowsSoFar(); rows != reportedRows) options.progress(reportedRows = rows);
  };
  const ChildCommand command{kXfoilProgram,
                             folder.Path(),
                             folder.Path() / kScriptFile,
                             folder.Path() / kOutputFile,
                             folder.Path() / kErrorsFile,
                             ChildEnvironment()};
  const ChildResult result = RunChild(
      command, {options.timeLimit, options.cancelled, options.progress ? std::function<void()>(tick) : nullptr});
  if (result.end != ChildEnd::kExited || result.code != 0) return EndRefusal(result, request, options, folder.Path());

  std::string polar;
  if (Outcome read = ReadWholeFile(polarFile.string(), polar); read.IsRefused()) polar.clear();
  const int rows = CountPolarRows(polar);
  if (options.progress && rows != reportedRows) options.progress(rows);
  if (rows >= kLeastConvergedRows) return polar;
  const std::string section = SectionForMessage(request);
  if (const std::string reason = FailureReason(folder.Path()); !reason.empty())
    return Outcome::Refused(WithReason("XFoil " + section + " için polar hesaplayamadı", reason));
  return Outcome::Refused(LimitMessage("XFoil " + section + " (Re " + request.reynoldsText + ") için yalnızca " +
                                       std::to_string(rows) + " açıda yakınsadı; polar için en az " +
                                       std::to_string(kLeastConvergedRows) + " açı gerekli"));
}

}  // namespace kelvane::xfoil
