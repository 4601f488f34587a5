// The text report "PLL.txt": the planform summary that starts it and the blocks each solution appends.
#pragma once

#include <filesystem>
#include <string>

#include "model/Module_ortak.h"
#include "model/Outcome.h"

namespace kelvane {

inline constexpr const char* kReportFileName = "PLL.txt";

// Each block is the exact text of its lines, every line ended by CR LF, taken from the given record; none
// writes to it. The station loops take N through StationCount().
std::string PlanformSummaryBlock(const Module_ortak& m);  // reads S, AR, b, cOrt
std::string StationBlock(const Module_ortak& m);          // reads N, y, c, BetaR, Alfa0R, Asz, mu
std::string MatrixBlock(const Module_ortak& m);           // reads N, CoefMatrix (as built, before Gauss reduces it)
std::string FourierBlock(const Module_ortak& m);          // reads N, An
std::string DistributionBlock(const Module_ortak& m);     // reads N, y, Gamma, w, Eps, AlfaE, Pi
std::string PerformanceBlock(const Module_ortak& m);      // reads CL, CDi, E

// Writes text to "PLL.txt" in folder (an empty folder is the working directory), replacing the file or
// appending to it; a refusal carries the message for the user.
// The refusal for a write of the report that failed with the given reason.
Outcome ReportRefusal(const Outcome& written);
Outcome StartReport(const std::filesystem::path& folder, const std::string& text);
Outcome AppendToReport(const std::filesystem::path& folder, const std::string& text);

}  // namespace kelvane
