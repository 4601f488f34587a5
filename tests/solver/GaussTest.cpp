// Tests of Gaussian elimination with partial pivoting on the record's matrix.
#include "solver/Gauss.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "testkit/FreshRecord.h"

#include "model/Module_ortak.h"
#include "support/OutcomeChecks.h"

namespace kelvane {
namespace {

using testing::Done;
using testing::Refused;
using testing::ResetTestRecord;
using testing::testCache;
using testing::testRecord;

using Rows = std::vector<std::vector<double>>;  // augmented rows: coefficients then right-hand side

constexpr double kMatrixSentinel = 7;
constexpr double kSolutionSentinel = 9;

// Loads rows 1..N of the augmented system; every other entry of the matrix and of X gets a sentinel.
void LoadSystem(const Rows& rows) {
  ResetTestRecord();
  for (auto& row : testRecord.CoefMatrix) row.fill(kMatrixSentinel);
  testRecord.X.fill(kSolutionSentinel);
  testRecord.N = static_cast<double>(rows.size());
  for (size_t i = 0; i < rows.size(); ++i)
    for (size_t j = 0; j < rows[i].size(); ++j) testRecord.CoefMatrix[i + 1][j + 1] = rows[i][j];
}

TEST(Gauss, SolvesTwoByTwoAndLeavesUnitUpperTriangle) {
  LoadSystem({{2, 1, 5}, {1, 3, 10}});
  testRecord.N1 = 42;
  ASSERT_TRUE(Done(Gauss(testRecord, testCache)));
  EXPECT_EQ(testRecord.N1, 3);
  EXPECT_DOUBLE_EQ(testRecord.X[1], 1);
  EXPECT_DOUBLE_EQ(testRecord.X[2], 3);
  const auto& a = testRecord.CoefMatrix;
  EXPECT_EQ(a[1][1], 1);
  EXPECT_EQ(a[1][2], 0.5);
  EXPECT_EQ(a[1][3], 2.5);
  EXPECT_EQ(a[2][1], 0);
  EXPECT_EQ(a[2][2], 1);
  EXPECT_DOUBLE_EQ(a[2][3], 3);
}

TEST(Gauss, TouchesNothingOutsideTheSystem) {
  LoadSystem({{2, 1, 5}, {1, 3, 10}});
  ASSERT_TRUE(Done(Gauss(testRecord, testCache)));
  for (int i = 0; i < kStationEntries; ++i) {
    for (int j = 0; j < kStationEntries; ++j) {
      const bool inSystem = i >= 1 && i <= 2 && j >= 1 && j <= 3;
      if (!inSystem) {
        EXPECT_EQ(testRecord.CoefMatrix[i][j], kMatrixSentinel) << i << "," << j;
      }
    }
    if (i == 0 || i > 2) {
      EXPECT_EQ(testRecord.X[i], kSolutionSentinel) << i;
    }
  }
}

TEST(Gauss, SingleEquationIsOnlyScaled) {
  LoadSystem({{4, 2}});
  ASSERT_TRUE(Done(Gauss(testRecord, testCache)));
  EXPECT_EQ(testRecord.CoefMatrix[1][1], 1);
  EXPECT_EQ(testRecord.CoefMatrix[1][2], 0.5);
  EXPECT_EQ(testRecord.X[1], 0.5);
}

// The first row of the reduced system shows which row became the first pivot row.
TEST(Gauss, ExchangesRowsOnlyForAStrictlyLargerPivot) {
  struct Case {
    const char* name;
    Rows rows;
    double firstRowSecondEntry;
    std::vector<double> solution;
  };
  const Case cases[] = {
      {"zero leading element", {{0, 1, 2}, {1, 1, 3}}, 1, {1, 2}},
      {"larger pivot below", {{1, 3, 7}, {2, 1, 4}}, 0.5, {1, 2}},
      {"tie keeps the first row", {{1, 1, 2}, {-1, 1, 0}}, 1, {1, 1}},
      {"three rows, pivots from below", {{0, 2, 1, 7}, {1, 0, 0, 1}, {3, 1, 0, 5}}, 1.0 / 3, {1, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoadSystem(c.rows);
    ASSERT_TRUE(Done(Gauss(testRecord, testCache)));
    EXPECT_DOUBLE_EQ(testRecord.CoefMatrix[1][2], c.firstRowSecondEntry);
    for (size_t i = 0; i < c.solution.size(); ++i) EXPECT_DOUBLE_EQ(testRecord.X[i + 1], c.solution[i]);
  }
}

TEST(Gauss, FailsWithoutTouchingTheSolution) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    Rows rows;
  };
  const Case cases[] = {
      {"singular", {{1, 2, 3}, {2, 4, 6}}},
      {"zero column", {{0, 1, 1}, {0, 2, 1}}},
      {"not-a-number pivot", {{kNaN, 1, 1}, {kNaN, 2, 1}}},
      {"overflowing solution", {{1, 0, 1e308}, {0, 1e-300, 1e308}}},
      {"not-a-number right-hand side", {{1, 0, kNaN}, {0, 1, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoadSystem(c.rows);
    EXPECT_TRUE(Refused(Gauss(testRecord, testCache)));
    for (double x : testRecord.X) EXPECT_EQ(x, kSolutionSentinel);
  }
}

TEST(Gauss, RejectsStationCountsOutsideTheTables) {
  for (double n : {0.0, -1.0, 2.5, 101.0}) {
    SCOPED_TRACE(n);
    LoadSystem({{1, 1}});
    testRecord.N = n;
    EXPECT_TRUE(Refused(Gauss(testRecord, testCache)));
    EXPECT_EQ(testRecord.X[1], kSolutionSentinel);
  }
}

}  // namespace
}  // namespace kelvane
