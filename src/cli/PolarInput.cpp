// Reading the section polars kelvane-solve is given, by file or by XFoil.
#include "cli/PolarInput.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "cli/BatchRun.h"
#include "polars/PolarFile.h"
#include "polars/xfoil/PolarCache.h"
#include "polars/xfoil/PolarRequest.h"
#include "polars/xfoil/TrapsOffLibrary.h"
#include "polars/xfoil/XfoilPolar.h"

namespace kelvane::cli {
namespace {

// The polar XFoil computes for the request, from the cache unless refresh asks for a fresh run.
Expected<SectionPolar> ComputedPolar(std::string_view name, bool refresh, std::ostream& err) {
  auto request = xfoil::ParsePolarRequest(name);
  if (const auto* refused = std::get_if<Outcome>(&request)) return *refused;
  const xfoil::PolarRequest& section = std::get<xfoil::PolarRequest>(request);
  const std::optional<std::filesystem::path> folder = xfoil::DefaultPolarCacheFolder();
  if (!folder)
    return Outcome::Refused(std::string(kProgramPrefix) +
                            "no folder for the polar cache: neither XDG_CACHE_HOME nor HOME is set");
  std::string fault;
  const std::optional<std::filesystem::path> library = xfoil::FindTrapsOffLibrary(fault);
  if (!library) return Outcome::Refused(fault);

  bool told = false;
  const auto progress = [&](int) {
    if (!std::exchange(told, true))
      err << kProgramPrefix << "XFoil is computing the polar of " << xfoil::SectionForMessage(section)
          << " at Re = " << section.reynoldsText << '\n';
  };
  xfoil::XfoilRunOptions options;
  options.trapsOffLibrary = *library;
  options.progress = progress;
  auto computed = xfoil::XfoilPolar(section, {.folder = *folder, .refresh = refresh}, options);
  if (const auto* refused = std::get_if<Outcome>(&computed)) return *refused;
  const xfoil::ComputedPolar& polar = std::get<xfoil::ComputedPolar>(computed);
  std::optional<SectionPolar> read;
  if (Outcome parsed = ReadPolarText(polar.text, polar.file.string(), read); parsed.IsRefused()) return parsed;
  return std::move(*read);
}

// The polar of one section, named by a polar file or a request for XFoil's.
Expected<SectionPolar> LoadPolar(std::string_view name, bool refresh, std::ostream& err) {
  if (xfoil::NamesXfoilPolar(name)) return ComputedPolar(name, refresh, err);
  std::optional<SectionPolar> read;
  if (Outcome parsed = ReadPolarFile(std::string(name), read); parsed.IsRefused()) return parsed;
  return std::move(*read);
}

}  // namespace

Expected<WingPolars> LoadPolars(const PolarArguments& names, bool refresh, std::ostream& err) {
  Expected<SectionPolar> root = LoadPolar(names.root, refresh, err);
  if (!root) return root.Refusal();
  if (names.tip == names.root) return WingPolars{*root, *root};
  Expected<SectionPolar> tip = LoadPolar(names.tip, refresh, err);
  if (!tip) return tip.Refusal();
  return WingPolars{std::move(*root), std::move(*tip)};
}

}  // namespace kelvane::cli
