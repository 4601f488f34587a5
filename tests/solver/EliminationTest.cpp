// Tests of the vector builds of the elimination against a plain one, and of its replay.
#include "solver/Elimination.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ScalarElimination.h"

namespace kelvane {
namespace {

using Eliminate = std::function<bool(Matrix&, int, EliminationSteps&)>;

struct Build {
  std::string name;
  Eliminate eliminate;
};

// Every build this processor can run, beside the one the program chose.
std::vector<Build> VectorBuilds() {
  std::vector<Build> builds{{"chosen", EliminateForward}, {"SSE2", EliminateForwardSse2}};
  if (ProcessorHasAvx2()) builds.push_back({"AVX2", EliminateForwardAvx2});
  return builds;
}

template <typename T>
bool SameBits(const T& first, const T& second) {
  return std::memcmp(&first, &second, sizeof(T)) == 0;
}

enum class Entries {
  Spread,     // magnitudes over twelve decades: every rounding differs
  SmallInts,  // -3..3: ties for the largest pivot all the time, exact zeros, singular systems
  Subnormal,  // numbers below the normal range among ordinary ones
};

// A whole 102 x 102 matrix of such entries: those outside the system must come through untouched.
std::unique_ptr<Matrix> RandomMatrix(std::mt19937_64& random, Entries kind) {
  std::uniform_real_distribution<double> unit(-1, 1);
  std::uniform_int_distribution<int> exponent(-20, 20);
  std::uniform_int_distribution<int> smallInt(-3, 3);
  std::bernoulli_distribution oneInFour(0.25);
  auto a = std::make_unique<Matrix>();
  for (auto& row : *a) {
    for (double& entry : row) {
      switch (kind) {
        case Entries::Spread: entry = std::ldexp(unit(random), exponent(random)); break;
        case Entries::SmallInts: entry = smallInt(random); break;
        case Entries::Subnormal:
          entry = oneInFour(random) ? unit(random) * std::numeric_limits<double>::denorm_min() * 1e6 : unit(random);
          break;
      }
    }
  }
  return a;
}

constexpr int kSizes[] = {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 63, 64, 98, 99, 100};

TEST(Elimination, VectorBuildsMatchThePlainOneBitForBit) {
  std::mt19937_64 random(13);
  int singular = 0;
  int exchanges = 0;
  for (Entries kind : {Entries::Spread, Entries::SmallInts, Entries::Subnormal}) {
    for (int n : kSizes) {
      for (int repeat = 0; repeat < 3; ++repeat) {
        SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)) + ", n = " + std::to_string(n));
        const auto system = RandomMatrix(random, kind);
        auto expected = std::make_unique<Matrix>(*system);
        auto expectedSteps = std::make_unique<EliminationSteps>();
        const bool solved = testing::EliminateForwardScalar(*expected, n, *expectedSteps);
        singular += !solved;
        for (int k = 1; k <= n; ++k) exchanges += expectedSteps->exchanged[k] != k;

        for (const Build& build : VectorBuilds()) {
          SCOPED_TRACE(build.name);
          auto a = std::make_unique<Matrix>(*system);
          auto steps = std::make_unique<EliminationSteps>();
          EXPECT_EQ(build.eliminate(*a, n, *steps), solved);
          EXPECT_TRUE(SameBits(*a, *expected));
          EXPECT_TRUE(SameBits(steps->exchanged, expectedSteps->exchanged));
          EXPECT_TRUE(SameBits(steps->pivots, expectedSteps->pivots));
          EXPECT_TRUE(SameBits(steps->multipliers, expectedSteps->multipliers));
        }
      }
    }
  }
  // The cases did reach what they are there for.
  EXPECT_GT(singular, 0);
  EXPECT_GT(exchanges, 100);
}

// A right-hand side replayed through the steps of an elimination ends as the one eliminated with a matrix.
TEST(Elimination, ReplayOnAnotherRightHandSideMatchesAFreshElimination) {
  std::mt19937_64 random(31);
  for (Entries kind : {Entries::Spread, Entries::SmallInts}) {
    for (int n : kSizes) {
      SCOPED_TRACE("n = " + std::to_string(n));
      const auto system = RandomMatrix(random, kind);
      auto first = std::make_unique<Matrix>(*system);
      auto steps = std::make_unique<EliminationSteps>();
      if (!EliminateForward(*first, n, *steps)) continue;

      auto second = std::make_unique<Matrix>(*system);
      const auto otherSide = RandomMatrix(random, Entries::Spread);
      StationTable b{};
      for (int i = 1; i <= n; ++i) b[i] = (*second)[i][n + 1] = (*otherSide)[i][0];
      auto unused = std::make_unique<EliminationSteps>();
      ASSERT_TRUE(EliminateForward(*second, n, *unused));

      ReplayForward(*steps, n, b);
      for (int i = 1; i <= n; ++i) {
        EXPECT_TRUE(SameBits(b[i], (*second)[i][n + 1])) << i;
        EXPECT_EQ(std::memcmp(&(*first)[i][1], &(*second)[i][1], n * sizeof(double)), 0) << i;
      }
    }
  }
}

}  // namespace
}  // namespace kelvane
