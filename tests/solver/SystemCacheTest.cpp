// Solutions that reuse the kept system and elimination against first solutions, point by point: every
// field of the record must come out bit for bit the same.
#include "solver/Gauss.h"
#include "solver/SystemCache.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "model/Module_ortak.h"
#include "solver/SolveLiftingLine.h"
#include "testkit/WingOnRecord.h"

namespace kelvane {
namespace {

using testing::PlaceStations;
using testing::Require;
using testing::ResetTestRecord;
using testing::testCache;
using testing::testRecord;

// From S on the record holds doubles only; before it come four doubles and the two flags.
bool SameBits(const Module_ortak& a, const Module_ortak& b) {
  constexpr std::size_t kConstants = offsetof(Module_ortak, InputError);
  constexpr std::size_t kNumbers = offsetof(Module_ortak, S);
  return std::memcmp(&a, &b, kConstants) == 0 && a.InputError == b.InputError && a.PlanformDone == b.PlanformDone &&
         std::memcmp(reinterpret_cast<const char*>(&a) + kNumbers, reinterpret_cast<const char*>(&b) + kNumbers,
                     sizeof(Module_ortak) - kNumbers) == 0;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Worked example 04's wing: two panels, different root and tip sections, 2 degrees of washout.
void SetUpTwistedWing(int n) {
  ResetTestRecord();
  PlaceStations(std::sqrt(220.0), 20, 11, n);
  Require(Planform_Trapez(testRecord, {"2", {"", "1", "0.6"}, {"", "0.5", "0.9"}}));
  testRecord.AszK = 6.1;
  testRecord.Alfa0K = -2.2;
  testRecord.AszU = 5.7;
  testRecord.Alfa0U = -1;
  testRecord.dAlfa = -2;
}

// One point of a polar: a change to the record's inputs, then a solution at an operating point.
struct Point {
  SolutionMode mode;
  double value;
  void (*change)() = nullptr;
};

struct Solved {
  std::string refusal;  // empty when solved
  EllipticWingResult elliptic;
  std::unique_ptr<Module_ortak> record;
};

// The polar's points in turn from the record as it stands; with reuse, or each from nothing kept.
std::vector<Solved> RunPolar(const std::vector<Point>& points, bool reuse) {
  const Module_ortak start = testRecord;
  testCache.Forget();
  std::vector<Solved> solved;
  for (const Point& point : points) {
    if (!reuse) testCache.Forget();
    if (point.change) point.change();
    const auto outcome = SolveAt(testRecord, testCache, point.mode, point.value);
    solved.push_back(
        {outcome.Message(), outcome ? *outcome : EllipticWingResult{}, std::make_unique<Module_ortak>(testRecord)});
  }
  testRecord = start;
  return solved;
}

// Hands back the refusals of the first solutions (empty where solved).
std::vector<std::string> ExpectReuseMatchesFresh(const std::vector<Point>& points) {
  const std::vector<Solved> reused = RunPolar(points, true);
  const std::vector<Solved> fresh = RunPolar(points, false);
  std::vector<std::string> faults;
  for (std::size_t k = 0; k < points.size(); ++k) {
    SCOPED_TRACE("point " + std::to_string(k) + " at " + std::to_string(points[k].value));
    EXPECT_EQ(reused[k].refusal, fresh[k].refusal);
    EXPECT_TRUE(SameBits(reused[k].elliptic.CDiE, fresh[k].elliptic.CDiE));
    EXPECT_TRUE(SameBits(reused[k].elliptic.EE, fresh[k].elliptic.EE));
    EXPECT_TRUE(SameBits(*reused[k].record, *fresh[k].record));
    faults.push_back(fresh[k].refusal);
  }
  return faults;
}

std::vector<Point> Sweep(SolutionMode mode, double from, double to, double step) {
  std::vector<Point> points;
  for (double value = from; value <= to; value += step) points.push_back({mode, value});
  return points;
}

TEST(SystemCache, GivenAnglePolarMatchesFirstSolutionsAtEveryPoint) {
  SetUpTwistedWing(99);
  ExpectReuseMatchesFresh(Sweep(SolutionMode::GivenAngle, -6, 16, 0.37));
}

TEST(SystemCache, GivenLiftPolarMatchesFirstSolutionsAtEveryPoint) {
  SetUpTwistedWing(21);
  ExpectReuseMatchesFresh(Sweep(SolutionMode::GivenCL, -0.4, 1.2, 0.1));  // passes through zero lift
}

// Twist and operating point only move the right-hand side; sections, modes and station counts change the
// matrix, so the next point must not take the kept one.
TEST(SystemCache, InputChangesBetweenPointsMatchFirstSolutions) {
  SetUpTwistedWing(15);
  const auto angle = SolutionMode::GivenAngle;
  const auto lift = SolutionMode::GivenCL;
  ExpectReuseMatchesFresh({
      {angle, 2},
      {angle, 2, [] { testRecord.dAlfa = -4; }},
      {lift, 0.5},
      {angle, 3},
      {angle, 3, [] { testRecord.AszU = 5.2; }},
      {angle, 3, [] { Require(yDist(testRecord, "9")); }},
      {angle, 3, [] { testRecord.AszU = 5.7; }},  // with 9 stations: neither N nor mu match the kept 15
      {lift, -0.2, [] { testRecord.Alfa0K = 1; }},
  });
}

// All-zero slopes leave the given-CL system singular; a refused point must neither leave anything behind
// that a later point takes, nor take anything itself.
TEST(SystemCache, RefusedPointsMatchFirstSolutions) {
  SetUpTwistedWing(9);
  const auto lift = SolutionMode::GivenCL;
  const auto faults = ExpectReuseMatchesFresh({
      {lift, 0.5},
      {lift, 0.6, [] { testRecord.AszK = testRecord.AszU = 0; }},
      {lift, 0.7},
      {lift, 0.8, [] { testRecord.AszK = testRecord.AszU = 5; }},
      {lift, 1e308},  // a right-hand side that overflows
      {lift, 0.9},
  });
  EXPECT_EQ(faults,
            (std::vector<std::string>{"", kSingularSystemMessage, kSingularSystemMessage, "", kNotFiniteMessage, ""}));
}

// The detailed report prints CoefMatrix as built, before Gauss reduces it.
TEST(SystemCache, TheMatrixAsBuiltIsOnTheRecordBeforeGauss) {
  SetUpTwistedWing(21);
  const auto matrixAsBuilt = [](double angle) {
    auto built = std::make_unique<Matrix>();
    testRecord.AlfaK = angle;
    EXPECT_TRUE(SolveLiftingLine(testRecord, testCache, SolutionMode::GivenAngle, [&](SolveStage stage) {
      if (stage == SolveStage::BuildSystem) *built = testRecord.CoefMatrix;
    }));
    return built;
  };
  testCache.Forget();
  matrixAsBuilt(4);
  const auto reused = matrixAsBuilt(5);
  testCache.Forget();
  const auto fresh = matrixAsBuilt(5);
  EXPECT_EQ(std::memcmp(reused.get(), fresh.get(), sizeof(Matrix)), 0);
}

// White box: a second point really comes from the kept system and elimination (a marked entry shows
// through), so the tests above compare reuse with first solutions and not first solutions twice.
TEST(SystemCache, ASecondPointTakesTheKeptSystemAndElimination) {
  SetUpTwistedWing(9);
  testCache.Forget();
  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenAngle, 2));
  constexpr double kMark = 12345;
  testCache.System().sinTab[2][3] = kMark;
  testCache.Elimination().after[4][5] = kMark;
  ASSERT_TRUE(SolveAt(testRecord, testCache, SolutionMode::GivenAngle, 3));
  EXPECT_EQ(testRecord.SinTab[2][3], kMark);
  EXPECT_EQ(testRecord.CoefMatrix[4][5], kMark);
  testCache.Forget();
}

}  // namespace
}  // namespace kelvane
