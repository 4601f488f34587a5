// Wing configuration files: the reader that turns one into a Wing, with the messages that name the line
// at fault, and the writer that saves a record's values. The window's file panel, kelvane-solve and the
// Python module all read through here.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "model/Wing.h"

namespace kelvane::config {

// The planform type lines: the states of the elliptic and the trapezoidal option buttons.
struct PlanformOptions {
  bool elliptic = false;
  bool trapezoidal = false;
};

PlanformOptions OptionsOf(const std::optional<PlanformType>& planform);

// The configuration lines of the record's values. The trapezoid block is there when options.trapezoidal is
// set; record.nTrap must then be in 1..4 (PanelCountInRange).
std::string ConfigText(const Module_ortak& record, PlanformOptions options);

// The values of a file, one a line, in their order.
enum class ConfigItem {
  S,
  AR,
  cOrt,
  b,
  EllipticOption,
  TrapezoidOption,
  PanelCount,
  PanelEnd,
  PanelChord,  // the trapezoid block: the count, then ks(row) and kc(row) per panel
  dAlfa,
  AszK,
  Alfa0K,
  AszU,
  Alfa0U,
  CL,
  AlfaK,
};

// Hears each value as it is taken into the wing (row is the panel's, 0 for other items; an option line's
// value is 1 or 0), so that a window can show the values one by one and keep those before a fault, as its
// user sees them arrive.
using ConfigProgress = std::function<void(ConfigItem item, int row, double value)>;

// The record's field that a number item is saved from, and the wing's that it is read into; nothing for the
// option lines and the panels.
double Module_ortak::*RecordField(ConfigItem item);
double Wing::*WingField(ConfigItem item);

// Tells progress the wing's values in the order of a file saved from it, as the reader tells those of the
// file: a window shows a wing that did not come from a file as it shows one that did.
void ForEachConfigValue(const Wing& wing, const ConfigProgress& progress);

// The wing that start, the wing on view, becomes with the file's values. The option lines act as clicks
// on the two option buttons: the later line that selects wins, and a line that deselects the type on
// view leaves none. Refuses with the message that names the file and the line at fault.
Expected<Wing> ReadConfigText(const std::string& fileName, std::string_view content, Wing start,
                              const ConfigProgress& progress = {});
// The same from the file itself; a file that cannot be read, or is far too large for one, is refused.
Expected<Wing> ReadConfigFile(const std::string& path, Wing start, const ConfigProgress& progress = {});

// What a value goes through when it is saved to a configuration file and read back: 15 significant digits.
double AsSavedInConfig(double value);

}  // namespace kelvane::config
