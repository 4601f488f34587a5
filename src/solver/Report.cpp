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
int ReportedStations() { return StationCount().value_or(0); }

enum class WriteMode { Replace, Append };

Outcome WriteReport(const std::filesystem::path& folder, WriteMode mode, const std::string& text) {
  const std::string path = (folder / kReportFileName).string();
  const Outcome written = mode == WriteMode::Append ? AppendToFile(path, text) : WriteFileReplacing(path, text);
  if (!written.IsRefused()) return written;
  return Outcome::Refused(std::string(kReportFileName) + " dosyasına yazılamadı: " + written.Message());
}

}  // namespace

std::string PlanformSummaryBlock() {
  return Line("  Kanat Alanı(m²) = " + R(ortak.S, 4)) + Line("  Açıklık oranı   = " + R(ortak.AR, 2)) +
         Line("  Açıklık    (m)  = " + R(ortak.b, 2)) + Line("  Ort. veter (m)  = " + R(ortak.cOrt, 2));
}

std::string StationBlock() {
  std::string block = Heading("  Kanat parametrelerinin açıklık boyunca dağılımları") +
                      Line("  i     y      c     BetaR    Alfa0R     Asz      mu ") + Line("");
  for (int i = 1; i <= ReportedStations(); ++i) {
    block += Line(I2(i) + "  " + F4(ortak.y[i]) + "  " + F4(ortak.c[i]) + "  " + F4(ortak.BetaR[i]) + "  " +
                  F4(ortak.Alfa0R[i]) + "  " + F4(ortak.Asz[i]) + "  " + F4(ortak.mu[i]));
  }
  return block;
}

std::string MatrixBlock() {
  const int n = ReportedStations();
  std::string block = Heading("  Katsayılar Matrisi");
  for (int i = 1; i <= n; ++i) {
    std::string row;
    for (int j = 1; j <= n; ++j) row += "  " + F4(ortak.CoefMatrix[i][j]);
    block += Line(row + "   " + F4(ortak.CoefMatrix[i][n + 1]));  // the right-hand side
  }
  return block;
}

std::string FourierBlock() {
  std::string block = Heading("  Fourier Katsayıları");
  for (int i = 1; i <= ReportedStations(); ++i)
    block += Line("  An(" + R(i, 0) + ") = " + R(ortak.An[i], 6));
  return block;
}

std::string DistributionBlock() {
  std::string block = Heading("  Distributions along wing span") +
                      Line("  i      y      Gamma      w       Eps     AlfaE") + Line("");
  for (int i = 1; i <= ReportedStations(); ++i) {
    block += Line("   " + I(i) + "   " + F4(ortak.y[i]) + "   " + F4(ortak.Gamma[i]) + "   " +
                  F4(ortak.w[i]) + "   " + F4(ortak.Eps[i] * 180 / ortak.Pi) + "   " + F4(ortak.AlfaE[i]));
  }
  return block;
}

std::string PerformanceBlock() {
  return Heading("  Aerodinamik performans") + Line("  CL  = " + R(ortak.CL, 4)) +
         Line("  CDi = " + R(ortak.CDi, 5)) + Line("  E   = " + R(ortak.E, 1));
}

Outcome StartReport(const std::filesystem::path& folder, const std::string& text) {
  return WriteReport(folder, WriteMode::Replace, text);
}

Outcome AppendToReport(const std::filesystem::path& folder, const std::string& text) {
  return WriteReport(folder, WriteMode::Append, text);
}

}  // namespace kelvane
