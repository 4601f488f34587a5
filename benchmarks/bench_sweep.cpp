// A polar of 1,000 root angles (0 to 9.99 degrees) at 99 stations on the two-panel twisted wing of worked
// example 04: in the engine (SolvePolar, as the results window draws it) and as kelvane-solve --sweep runs
// it (a batch session, its files written once). Only the first point builds the system and eliminates it;
// the others reuse both. "per_point" is CPU time.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "batch/BatchSession.h"
#include "config/ConfigFile.h"
#include "results/Polar.h"
#include "results/WingSolver.h"
#include "testkit/ScopedWorkDir.h"

namespace {

using namespace kelvane;

constexpr int kStations = 99;
constexpr int kPoints = 1000;
constexpr double kAngleStep = 0.01;
constexpr const char* kExampleWing = KELVANE_EXAMPLES_DIR "/04-two-panels-twist-detail/input.cfg";

std::vector<double> Angles() {
  std::vector<double> angles;
  for (int k = 0; k < kPoints; ++k) angles.push_back(k * kAngleStep);
  return angles;
}

void CountPoints(benchmark::State& state) {
  state.counters["per_point"] =
      benchmark::Counter(kPoints, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void bench_sweep(benchmark::State& state) {
  auto wing = config::ReadConfigFile(kExampleWing, Wing{});
  if (!wing) return state.SkipWithError("the example wing was refused");
  wing->stations = std::to_string(kStations);
  auto solver = WingSolver::Plan(*wing);
  if (!solver || !solver->Solve(SolutionMode::GivenAngle, 0, false))
    return state.SkipWithError("the example wing was refused");
  const std::vector<double> angles = Angles();
  for (auto _ : state) {
    const Polar polar = SolvePolar(solver->Record(), solver->Cache(), SolutionMode::GivenAngle, angles);
    if (polar.stop.IsRefused()) return state.SkipWithError("a point failed");
    benchmark::DoNotOptimize(polar.points.data());
  }
  CountPoints(state);
}
BENCHMARK(bench_sweep)->Unit(benchmark::kMillisecond);

void bench_sweep_batch(benchmark::State& state) {
  const testing::ScopedWorkDir workDir;
  const std::vector<double> angles = Angles();
  for (auto _ : state) {
    batch::BatchSession session({.stations = std::to_string(kStations)}, kExampleWing);
    if (!session.Sweep(angles, [](const batch::SweptPoint&) { return true; }))
      return state.SkipWithError("a point failed");
  }
  CountPoints(state);
}
BENCHMARK(bench_sweep_batch)->Unit(benchmark::kMillisecond);

}  // namespace
