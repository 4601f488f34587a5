// Loading the polars a front end is given, by file or by XFoil.
#include "polars/xfoil/PolarSource.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "polars/PolarFile.h"
#include "polars/xfoil/PolarCache.h"
#include "polars/xfoil/PolarRequest.h"
#include "polars/xfoil/TrapsOffLibrary.h"
#include "polars/xfoil/XfoilPolar.h"

namespace kelvane::xfoil {
namespace {

constexpr const char* kNoCacheFolderMessage = "Polar önbelleği için klasör yok: ne XDG_CACHE_HOME ne HOME tanımlı";

Expected<SectionPolar> ComputedSectionPolar(std::string_view argument, const PolarSources& sources) {
  std::variant<PolarRequest, Outcome> request = ParsePolarRequest(argument);
  if (const Outcome* refused = std::get_if<Outcome>(&request)) return *refused;
  const std::optional<std::filesystem::path> folder = DefaultPolarCacheFolder();
  if (!folder) return Outcome::Refused(kNoCacheFolderMessage);
  XfoilRunOptions run = sources.run;
  if (run.trapsOffLibrary.empty()) {
    std::string fault;
    const std::optional<std::filesystem::path> library = FindTrapsOffLibrary(fault);
    if (!library) return Outcome::Refused(fault);
    run.trapsOffLibrary = *library;
  }
  const PolarRequest& section = std::get<PolarRequest>(request);
  bool told = false;
  run.progress = [&](int rows) {
    if (sources.computing && !std::exchange(told, true)) sources.computing(section);
    if (sources.run.progress) sources.run.progress(rows);
  };
  std::variant<ComputedPolar, Outcome> computed =
      XfoilPolar(section, {.folder = *folder, .refresh = sources.refresh}, run);
  if (const Outcome* refused = std::get_if<Outcome>(&computed)) return *refused;
  const ComputedPolar& polar = std::get<ComputedPolar>(computed);
  std::optional<SectionPolar> read;
  if (Outcome parsed = ReadPolarText(polar.text, polar.file.string(), read); parsed.IsRefused()) return parsed;
  return std::move(*read);
}

}  // namespace

Expected<SectionPolar> LoadSectionPolar(std::string_view argument, const PolarSources& sources) {
  if (NamesXfoilPolar(argument)) return ComputedSectionPolar(argument, sources);
  std::optional<SectionPolar> read;
  if (Outcome parsed = ReadPolarFile(std::string(argument), read); parsed.IsRefused()) return parsed;
  return std::move(*read);
}

Expected<WingPolars> LoadWingPolars(std::string_view root, std::string_view tip, const PolarSources& sources) {
  Expected<SectionPolar> rootPolar = LoadSectionPolar(root, sources);
  if (!rootPolar) return rootPolar.Refusal();
  if (tip == root) return WingPolars{*rootPolar, *rootPolar};
  Expected<SectionPolar> tipPolar = LoadSectionPolar(tip, sources);
  if (!tipPolar) return tipPolar.Refusal();
  return WingPolars{std::move(*rootPolar), std::move(*tipPolar)};
}

}  // namespace kelvane::xfoil
