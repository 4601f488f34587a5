// The report PLL.txt: the exact text of every block and its writes.
#include "solver/Report.h"

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "model/TextFile.h"

namespace kelvane {
namespace {

constexpr const char* kLineEnd = "\r\n";

// The report's R(v,k) item: rounded with halves to even, then in the file number form.
std::string R(double value, int decimals) { return FileNumberText(RoundTo(value, decimals)); }

std::string Line(const std::string& text) { return text + kLineEnd; }

// A blank line, the heading, a blank line: how every solution block begins.
std::string Heading(const char* title) { return Line("") + Line(title) + Line(""); }

// Stations 1..N as far as the tables can hold them; none for a count no solution could have used.
int ReportedStations(const Module_ortak& m) { return StationCount(m).value_or(0); }

enum class WriteMode { Replace, Append };

Outcome WriteReport(const std::filesystem::path& folder, WriteMode mode, const std::string& text) {
  const std::string path = (folder / kReportFileName).string();
  const Outcome written = mode == WriteMode::Append ? AppendToFile(path, text) : WriteFileReplacing(path, text);
  if (!written.IsRefused()) return written;
  return ReportRefusal(written);
}

}  // namespace

std::string PlanformSummaryBlock(const Module_ortak& m) {
  return Line("  Kanat Alanı(m²) = " + R(m.S, 4)) + Line("  Açıklık oranı   = " + R(m.AR, 2)) +
         Line("  Açıklık    (m)  = " + R(m.b, 2)) + Line("  Ort. veter (m)  = " + R(m.cOrt, 2));
}

std::string StationBlock(const Module_ortak& m) {
  std::string block = Heading("  Kanat parametrelerinin açıklık boyunca dağılımları") +
                      Line("  i     y      c     BetaR    Alfa0R     Asz      mu ") + Line("");
  for (int i = 1; i <= ReportedStations(m); ++i) {
    block += Line(I2(i) + "  " + F4(m.y[i]) + "  " + F4(m.c[i]) + "  " + F4(m.BetaR[i]) + "  " + F4(m.Alfa0R[i]) +
                  "  " + F4(m.Asz[i]) + "  " + F4(m.mu[i]));
  }
  return block;
}

std::string MatrixBlock(const Module_ortak& m) {
  const int n = ReportedStations(m);
  std::string block = Heading("  Katsayılar Matrisi");
  for (int i = 1; i <= n; ++i) {
    std::string row;
    for (int j = 1; j <= n; ++j) row += "  " + F4(m.CoefMatrix[i][j]);
    block += Line(row + "   " + F4(m.CoefMatrix[i][n + 1]));  // the right-hand side
  }
  return block;
}

std::string FourierBlock(const Module_ortak& m) {
  std::string block = Heading("  Fourier Katsayıları");
  for (int i = 1; i <= ReportedStations(m); ++i) block += Line("  An(" + R(i, 0) + ") = " + R(m.An[i], 6));
  return block;
}

std::string DistributionBlock(const Module_ortak& m) {
  std::string block =
      Heading("  Distributions along wing span") + Line("  i      y      Gamma      w       Eps     AlfaE") + Line("");
  for (int i = 1; i <= ReportedStations(m); ++i) {
    block += Line("   " + I(i) + "   " + F4(m.y[i]) + "   " + F4(m.Gamma[i]) + "   " + F4(m.w[i]) + "   " +
                  F4(m.Eps[i] * 180 / m.Pi) + "   " + F4(m.AlfaE[i]));
  }
  return block;
}

std::string PerformanceBlock(const Module_ortak& m) {
  return Heading("  Aerodinamik performans") + Line("  CL  = " + R(m.CL, 4)) + Line("  CDi = " + R(m.CDi, 5)) +
         Line("  E   = " + R(m.E, 1));
}

Outcome ReportRefusal(const Outcome& written) {
  return Outcome::Refused(std::string(kReportFileName) + " dosyasına yazılamadı: " + written.Message());
}

Outcome StartReport(const std::filesystem::path& folder, const std::string& text) {
  return WriteReport(folder, WriteMode::Replace, text);
}

Outcome AppendToReport(const std::filesystem::path& folder, const std::string& text) {
  return WriteReport(folder, WriteMode::Append, text);
}

}  // namespace kelvane
