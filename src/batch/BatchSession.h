// The form driven without a display, as kelvane-solve and the Python module drive it: start-up, the station
// text and the planform ticks, a click on the configuration file in the file panel, the mode and the detail
// tick, then one press of the solve button per operating point. What it hands back is what the record and the
// form hold after each press, so every front end over it gives the same numbers.
//
// Its files ("PLL.txt", "LastConfig.cfg" in the output folder) are held back and written once, as the presses
// would have left them, when a Solve or Sweep ends having solved something; a session refused before its
// first solution leaves an earlier run's files as they were. The output folder is locked for the session's
// life.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "batch/FolderLock.h"
#include "results/OperatingPoint.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"
#include "ui/DeferredWrites.h"
#include "ui/Form_Wing.h"

namespace kelvane::batch {

// The planform parameters ticked as given; the window starts with S and AR.
struct PlanformInputs {
  bool S = true;
  bool AR = true;
  bool b = false;
  bool cOrt = false;
  bool operator==(const PlanformInputs&) const = default;
};

// What the user sets in the window besides the configuration file.
struct SessionSettings {
  std::optional<std::string> stations;  // the text for the station box, unchecked: the form judges it
  PlanformInputs inputs;
  bool givenCL = false;
  bool detail = false;
  std::filesystem::path outputFolder;  // for "PLL.txt" and "LastConfig.cfg"; empty for the working directory
};

struct SolvedWing {
  OperatingPoint point;
  SpanwiseResults spanwise;
  std::optional<StallOnset> stall;  // with the sections' maximum lift, when some station's lift grows
};

struct SweptPoint {
  OperatingPoint point;
  std::optional<SpanEfficiency> spanEfficiency;  // nothing at zero lift
};

// A session owns the one shared record from its start to its last press: sessions run one at a time, and
// each starts from the record a fresh program starts with.
class BatchSession {
 public:
  // Starts the form up, puts the settings in and reads the configuration file as a click in the file panel
  // on it would, the panel showing its folder.
  BatchSession(const SessionSettings& settings, const std::string& config);

  // The messages the form showed, in order. The first one ends the session: nothing is solved after it.
  const std::vector<std::string>& Messages() const { return form_.Messages(); }
  bool Refused() const { return !Messages().empty(); }

  // One press of the solve button at the configuration's operating point; with maxLift, the stall onset is
  // searched as well. Nothing when the form refused.
  std::optional<SolvedWing> Solve(const std::optional<SectionMaxLift>& maxLift = std::nullopt);

  // For each value, the operating-point box (the root angle, or CL in the given-CL mode) takes its text and
  // the solve button is pressed; onPoint hears every solved point and answers whether to go on. Stops at the
  // first refusal, false then; the points solved before it are written. "PLL.txt" and "LastConfig.cfg" end as one press per point leaves them, but
  // are written once, when the sweep ends (a failed write is a refusal too).
  bool Sweep(std::span<const double> values, const std::function<bool(const SweptPoint&)>& onPoint);

  // The window as the last press left it.
  const ui::Form_Wing& Form() const { return form_; }

 private:
  OperatingPoint SolvedPoint() const;

  FolderLock lock_;
  ui::Form_Wing form_;
  ui::DeferredWrites files_{form_};
  bool givenCL_ = false;
};

}  // namespace kelvane::batch
