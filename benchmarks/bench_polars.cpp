// The section-polar lifting line at 99 stations on the benchmark wing with the shipped NACA 2412 polar: one
// point from a cold start, and a 101-point sweep from -5 to 20 degrees, each point continued from the one
// before. bench_solve/99 is the linear solution to hold them against.
#include <benchmark/benchmark.h>

#include <optional>
#include <stdexcept>
#include <vector>

#include "BenchWing.h"
#include "polars/PolarFile.h"
#include "solver/PolarSearch.h"
#include "testkit/SolvedWing.h"

namespace {

using namespace kelvane;

constexpr int kStations = 99;
constexpr double kSweepFrom = -5;
constexpr double kSweepTo = 20;
constexpr int kSweepPoints = 101;

PolarLiftingLine BenchSolver() {
  const testing::Record wing = testing::TenByTenWing(kStations, bench::kTaper, {});
  std::optional<SectionPolar> polar;
  if (const Outcome read = ReadPolarFile(KELVANE_POLARS_DIR "/naca2412-re1e6.txt", polar); read.IsRefused())
    throw std::runtime_error(read.Message());
  return PolarLiftingLine(*wing, {*polar, *polar});
}

void bench_polar_point(benchmark::State& state) {
  PolarLiftingLine solver = BenchSolver();
  int iterations = 0;
  for (auto _ : state) {
    solver.Forget();
    const PolarSolve point = solver.SolveAtAngle(bench::kRootAngle);
    if (!point) return state.SkipWithError(point.Message().c_str());
    iterations = point->iterations;
    benchmark::DoNotOptimize(point->CL);
  }
  state.counters["newton_steps"] = iterations;
}
BENCHMARK(bench_polar_point)->Unit(benchmark::kMicrosecond);

void bench_polar_sweep(benchmark::State& state) {
  PolarLiftingLine solver = BenchSolver();
  std::vector<double> angles;
  for (int k = 0; k < kSweepPoints; ++k)
    angles.push_back(kSweepFrom + k * (kSweepTo - kSweepFrom) / (kSweepPoints - 1));
  int solved = 0;
  for (auto _ : state) {
    solver.Forget();
    const std::vector<PolarSolve> points = SweepAngles(solver, angles);
    solved = 0;
    for (const PolarSolve& point : points) solved += point ? 1 : 0;
    benchmark::DoNotOptimize(points.data());
  }
  state.counters["solved"] = solved;
}
BENCHMARK(bench_polar_sweep)->Unit(benchmark::kMillisecond);

}  // namespace
