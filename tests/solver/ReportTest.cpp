// Tests of the report's blocks, byte for byte.
#include "solver/Report.h"

#include <gtest/gtest.h>

#include "testkit/FreshRecord.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "support/OutcomeChecks.h"
#include "support/ScopedWorkDir.h"

namespace kelvane {
namespace {

using testing::Done;
using testing::ReadFile;
using testing::ResetTestRecord;
using testing::ScopedWorkDir;
using testing::testRecord;

const std::filesystem::path kExamples = KELVANE_EXAMPLES_DIR;

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The first count lines of an example report.
std::string ExampleHead(const char* example, size_t count) {
  const std::string text = ReadFile(kExamples / example / "PLL.txt");
  size_t end = 0;
  for (size_t i = 0; i < count; ++i) end = text.find("\r\n", end) + 2;
  return text.substr(0, end);
}

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTestRecord();
    testRecord.Pi = 4 * std::atan(1.0);
  }
  void SetStations(int n) {
    testRecord.N = n;
    testRecord.N1 = n + 1;
  }
  void SetRow(int i, const std::vector<double>& values) {
    for (size_t j = 0; j < values.size(); ++j) testRecord.CoefMatrix[i][j + 1] = values[j];
  }
  double DegreesToRadians(double degrees) { return degrees * testRecord.Pi / 180; }
};

struct SummaryCase {
  double S, AR, b, cOrt;
  std::string expected;
};

TEST_F(ReportTest, SummaryRoundsEachParameterWithHalvesToEven) {
  const std::vector<SummaryCase> cases = {
      {10, 10, 10, 1, ExampleHead("01-default-elliptic", 4)},
      {12, 8, 9.79795897113271, 1.22474487139159, ExampleHead("02-elliptic-N5-detail", 4)},
      {10, 8, std::sqrt(80.0), 10 / std::sqrt(80.0),
       Lines({"  Kanat Alanı(m²) =  10 ", "  Açıklık oranı   =  8 ", "  Açıklık    (m)  =  8.94 ",
              "  Ort. veter (m)  =  1.12 "})},
      {0.123456, 8.944, 1.125, 1.375,
       Lines({"  Kanat Alanı(m²) =  .1235 ", "  Açıklık oranı   =  8.94 ", "  Açıklık    (m)  =  1.12 ",
              "  Ort. veter (m)  =  1.38 "})},
  };
  for (const SummaryCase& c : cases) {
    testRecord.S = c.S;
    testRecord.AR = c.AR;
    testRecord.b = c.b;
    testRecord.cOrt = c.cOrt;
    EXPECT_EQ(PlanformSummaryBlock(testRecord), c.expected) << "S = " << c.S;
  }
}

// Example 07 (rectangular wing, three stations, every block) rebuilt from values that print as its
// file does; the whole report must match byte for byte.
TEST_F(ReportTest, RebuildsARecordedReportByteForByte) {
  ScopedWorkDir dir;
  testRecord.S = 10;
  testRecord.AR = 10;
  testRecord.b = 10;
  testRecord.cOrt = 1;
  SetStations(3);
  const double y[] = {4.3301, 2.5, 0};
  const double gamma[] = {0.3704, 0.4716, 0.4890};
  const double w[] = {0.0566, 0.0244, 0.0189};
  const double epsDegrees[] = {3.2455, 1.3982, 1.0821};
  const double alfaE[] = {6.7545, 8.6018, 8.9179};
  const double an[] = {0.027938, 0.004195, 0.000707};
  for (int i = 1; i <= 3; ++i) {
    testRecord.y[i] = y[i - 1];
    testRecord.c[i] = 1;
    testRecord.Asz[i] = 2 * testRecord.Pi;
    testRecord.mu[i] = 0.1571;
    testRecord.Gamma[i] = gamma[i - 1];
    testRecord.w[i] = w[i - 1];
    testRecord.Eps[i] = DegreesToRadians(epsDegrees[i - 1]);
    testRecord.AlfaE[i] = alfaE[i - 1];
    testRecord.An[i] = an[i - 1];
  }
  SetRow(1, {0.6571, 1.9425, 1.2854, 0.0274});
  SetRow(2, {1.0231, 0, -1.6514, 0.0274});
  SetRow(3, {1.1571, -1.4712, 1.7854, 0.0274});
  testRecord.CL = 0.8776838185886968;
  testRecord.CDi = 0.02625780477340736;
  testRecord.E = 33.425635774304055;

  ASSERT_TRUE(Done(StartReport({}, PlanformSummaryBlock(testRecord))));
  for (const std::string& block : {StationBlock(testRecord), MatrixBlock(testRecord), FourierBlock(testRecord),
                                   DistributionBlock(testRecord), PerformanceBlock(testRecord)})
    ASSERT_TRUE(Done(AppendToReport({}, block)));
  EXPECT_EQ(ReadFile(kReportFileName), ReadFile(kExamples / "07-rectangular-N3-detail" / "PLL.txt"));
}

TEST_F(ReportTest, MatrixShowsASignForANegativeValueThatRoundsToZero) {
  SetStations(2);
  SetRow(1, {1.1888, -1e-17, 0.0249});
  SetRow(2, {0, -0.03125, -0.6120});
  EXPECT_EQ(MatrixBlock(testRecord),
            Lines({"", "  Katsayılar Matrisi", "", "  1.1888  -0.0000   0.0249", "  0.0000  -0.0313   -0.6120"}));
}

TEST_F(ReportTest, FourierCoefficientsTakeSixDecimalsAndSmallOnesTheExponentForm) {
  SetStations(5);
  const double an[] = {0.020944, 0, -1e-9, 6.2e-5, -5.41e-5};
  for (int i = 1; i <= 5; ++i) testRecord.An[i] = an[i - 1];
  EXPECT_EQ(FourierBlock(testRecord),
            Lines({"", "  Fourier Katsayıları", "", "  An( 1 ) =  .020944 ", "  An( 2 ) =  0 ", "  An( 3 ) =  0 ",
                   "  An( 4 ) =  6.2E-05 ", "  An( 5 ) = -5.4E-05 "}));
}

TEST_F(ReportTest, ANegativeStationValueShiftsTheRestOfItsLine) {
  SetStations(1);
  testRecord.BetaR[1] = -0.05236;
  testRecord.Alfa0R[1] = -0.0349;
  EXPECT_EQ(StationBlock(testRecord), Lines({"", "  Kanat parametrelerinin açıklık boyunca dağılımları", "",
                                             "  i     y      c     BetaR    Alfa0R     Asz      mu ", "",
                                             "  1  0.0000  0.0000  -0.0524  -0.0349  0.0000  0.0000"}));
}

TEST_F(ReportTest, AStationCountNoSolutionCouldUseGivesNoDataLines) {
  for (double n : {0.0, -3.0, 2.5, 101.0, 1e9, std::nan("")}) {
    testRecord.N = n;
    EXPECT_EQ(FourierBlock(testRecord), Lines({"", "  Fourier Katsayıları", ""})) << n;
    EXPECT_EQ(MatrixBlock(testRecord), Lines({"", "  Katsayılar Matrisi", ""})) << n;
  }
}

TEST_F(ReportTest, AnUnwritableReportIsReportedInTurkish) {
  ScopedWorkDir dir;
  std::filesystem::create_directory(kReportFileName);
  const std::string prefix = "PLL.txt dosyasına yazılamadı: ";
  const Outcome started = StartReport({}, PlanformSummaryBlock(testRecord));
  EXPECT_TRUE(started.IsRefused());
  EXPECT_EQ(started.Message().substr(0, prefix.size()), prefix);
  const Outcome appended = AppendToReport({}, PerformanceBlock(testRecord));
  EXPECT_TRUE(appended.IsRefused());
  EXPECT_GT(appended.Message().size(), prefix.size());
  EXPECT_EQ(appended.Message().substr(0, prefix.size()), prefix);
}

}  // namespace
}  // namespace kelvane
