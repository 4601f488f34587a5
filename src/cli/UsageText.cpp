// The help text of kelvane-solve, its lists of values taken from the table of result quantities.
#include "cli/UsageText.h"

#include <cstddef>
#include <span>
#include <string_view>

#include "model/Numbers.h"
#include "results/Quantities.h"
#include "results/charts/ChartStyle.h"
#include "solver/Flaps.h"

namespace kelvane::cli {
namespace {

// The names of the quantities, separated as the text wants them.
template <typename Of>
std::string Names(std::span<const Quantity<Of>> quantities, std::string_view separator = ", ") {
  std::string text;
  for (const auto& quantity : quantities) {
    if (!text.empty()) text += separator;
    text += quantity.name;
  }
  return text;
}

// "N/m, N, N·m": the units of the quantities that have one.
template <typename Of>
std::string Units(std::span<const Quantity<Of>> quantities) {
  std::string text;
  for (const auto& quantity : quantities) {
    if (*quantity.unit == '\0') continue;
    if (!text.empty()) text += ", ";
    text += quantity.unit;
  }
  return text;
}

constexpr std::span<const Quantity<SpanLoads>> kForces{kLoadQuantities.data(), kFirstRootLoadQuantity};
constexpr std::span<const Quantity<SpanLoads>> kRootLoads = std::span(kLoadQuantities).subspan(kFirstRootLoadQuantity);

}  // namespace

std::string UsageText() {
  const std::string stations = Names<StationValues>(kStationQuantities);
  const std::string forces = Names(kForces);
  const std::string rootLoads = Names(kRootLoads);
  const std::string stationLoads = Names<StationLoad>(kStationLoadQuantities);
  const std::string polarValues = Names<PolarSolution>(kPolarQuantities);
  const std::string polarStations = Names<PolarStation>(kPolarStationQuantities);
  const std::string polarColumns = Names<PolarSolution>(kPolarQuantities, ",");
  const std::string loadColumns = "i," + Names<StationLoad>(kStationLoadQuantities, ",");
  return "Usage: kelvane-solve [--stations N] [--inputs LIST] [--given-cl] [--detail] [--json]\n"
         "                     [--clmax ROOT[:TIP]] [--spanwise FILE.csv] [--sweep FROM:TO:STEP]\n"
         "                     [--polar POLAR | --polar-root POLAR --polar-tip POLAR] [--find-clmax]\n"
         "                     [--refresh-polars] [--rho RHO] [--flap Y1:Y2:E:DELTA]... [--loads FILE.csv]\n"
         "                     [--plot KIND:FILE]... [--compare OTHER.cfg]... [--lock-timeout SECONDS]\n"
         "                     CONFIG.cfg|PROJECT.kelvane\n"
         "\n"
         "Reads the wing configuration CONFIG.cfg, solves it with Prandtl's lifting-line model and prints\n"
         "the results; PLL.txt and LastConfig.cfg are written in the working directory (not with polars).\n"
         "A project PROJECT.kelvane (the window's Proje menu saves one) holds the wing with the station\n"
         "count, the planform inputs, the mode, the detail, clmax, the section polars (named relative to\n"
         "the project's folder), the air density and the flaps. The options given here override its\n"
         "settings: --given-cl and --detail add to them, --flap replaces its flaps. Its detail applies to\n"
         "the linear model, its clmax to one linear solution; its density does not print the loads as --rho\n"
         "does.\n"
         "\n"
         "  --stations N          the station count text (default: the window's own, 15)\n"
         "  --inputs LIST         the planform parameters taken as given, from S, AR, b, cOrt,\n"
         "                        separated by commas (default: S,AR)\n"
         "  --given-cl            solve for the root angle that gives the configuration's CL\n"
         "  --detail              write the detailed tables to PLL.txt\n"
         "  --json                print the results as one JSON object at full precision, with the span\n"
         "                        efficiency e, delta, every station's " +
         stations +
         ",\n"
         "                        the forces " +
         forces + " (N) and the loads: the root's " + rootLoads +
         " and every\n"
         "                        station's " +
         stationLoads + " (" + Units<StationLoad>(kStationLoadQuantities) +
         ")\n"
         "  --clmax ROOT[:TIP]    the maximum lift coefficients of the root and tip sections (TIP defaults\n"
         "                        to ROOT): adds each station's clmax and the stall onset, the root angle\n"
         "                        and CL at which the first station reaches its clmax, and where\n"
         "  --spanwise FILE.csv   write the station table to FILE.csv at full precision\n"
         "  --sweep FROM:TO:STEP  solve for each root angle (or CL with --given-cl) from FROM to TO\n"
         "                        and print a CSV polar, with the span efficiency e last (not with\n"
         "                        --json, --clmax, --spanwise, --find-clmax, --rho or --loads)\n"
         "  --plot KIND:FILE      draw a chart into FILE, which ends in .svg or .png, at 800 x 500 pixels;\n"
         "                        KIND is planform, circulation, lift (with clmax and the stall onset\n"
         "                        under --clmax), angles, or polar (with --sweep, the only kind there:\n"
         "                        CL against the root angle and against CDi); repeatable, no display needed\n"
         "  --compare OTHER.cfg   draw the wing of OTHER.cfg (or of a project) on the same --plot charts,\n"
         "                        named by its file: solved with the same options and flaps, at the same\n"
         "                        root angle (CL with --given-cl) or over the same sweep; up to " +
         std::to_string(charts::kMaxOverlays) +
         " wings\n"
         "  --lock-timeout SECONDS\n"
         "                        how long to wait while another kelvane-solve run writes in the same\n"
         "                        folder, then give up (default: 60)\n"
         "\n"
         "Section polars: each station's lift and drag come from the sections' polars, through stall;\n"
         "PLL.txt and LastConfig.cfg are not written, and --clmax, --detail and --plot do not apply.\n"
         "POLAR is a polar file (XFoil's or XFLR5's polar text, or CSV under \"alpha,cl,cd\"), or SECTION@RE,\n"
         "the polar XFoil computes for naca2412@1e6 (a NACA 4- or 5-digit section) or wing.dat@3e5 (a\n"
         "coordinate file), kept in $XDG_CACHE_HOME/kelvane/polars. With polars --json gives\n" +
         polarValues +
         ", e, iterations, residual, the forces with Dp and D, every\n"
         "station's " +
         polarStations + " and stalled, and the loads; --sweep prints " + polarColumns +
         ",e,\n"
         "a point that cannot be solved with its values empty and the reason on stderr.\n"
         "  --polar POLAR         the polar of both the root and the tip section\n"
         "  --polar-root POLAR --polar-tip POLAR\n"
         "                        the root's and the tip's polars, blended linearly along the span\n"
         "  --find-clmax          also find the wing's largest CL and its root angle (JSON: CLmax)\n"
         "  --refresh-polars      let XFoil compute its polars afresh instead of reading the cache\n"
         "\n"
         "Loads and flaps:\n"
         "  --rho RHO             the air density in kg/m³ for the loads (default: " +
         PlainNumberText(kSeaLevelAirDensity) +
         "); prints the\n"
         "                        forces and root loads too\n"
         "  --flap Y1:Y2:E:DELTA  a plain flap on both halves from Y1 to Y2 (m from the plane of\n"
         "                        symmetry) with the chord ratio E (between 0 and 1) and the deflection\n"
         "                        DELTA (degrees, trailing edge down positive, at most " +
         PlainNumberText(kMaxFlapDeflection) +
         " either way);\n"
         "                        up to " +
         std::to_string(kMaxFlaps) +
         ", not overlapping\n"
         "  --loads FILE.csv      write the loads along the span to FILE.csv: " +
         loadColumns +
         "\n"
         "\n"
         "  --version             print the program's version\n"
         "  --help                print this text\n"
         "\n"
         "Exit status: 0 solved (a polar sweep: at least one point), 1 the program rejected the input or a\n"
         "file or the standard output could not be written (the message is on stderr), 2 bad command line.\n";
}

}  // namespace kelvane::cli
