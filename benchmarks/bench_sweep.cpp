// A polar of 1,000 root angles (0 to 9.99 degrees) at 99 stations on the two-panel twisted wing of worked
// example 04: in the engine (SolvePolar, as the results window draws it) and through the form (one press of
// the solve button per point with the files held back, as kelvane-solve --sweep does). Only the first
// point builds the system and eliminates it; the others reuse both. "per_point" is CPU time.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "results/Polar.h"
#include "solver/SolveLiftingLine.h"
#include "solver/SystemCache.h"
#include "testkit/ScopedWorkDir.h"
#include "ui/DeferredWrites.h"
#include "ui/Form_Wing.h"

namespace {

using namespace kelvane;

constexpr int kStations = 99;
constexpr int kPoints = 1000;
constexpr double kAngleStep = 0.01;

// The example's wing read through the form as kelvane-solve reads it (S and AR ticked), given-angle mode.
bool LoadExampleWing(ui::Form_Wing& form) {
  ResetModuleOrtak();
  ForgetSystemCache();
  form.Form_Load();
  form.Text_N.SetText(std::to_string(kStations));
  form.Check_Area.SetValue(1);
  form.Check_AR.SetValue(1);
  form.Check_b.SetValue(0);
  form.Check_cOrt.SetValue(0);
  form.ConfigFileName = KELVANE_EXAMPLES_DIR "/04-two-panels-twist-detail/input.cfg";
  form.Option_Alfa.Click();
  return form.ReadAnExistingConfig_from_aFile() && form.Messages().empty();
}

void CountPoints(benchmark::State& state) {
  state.counters["per_point"] =
      benchmark::Counter(kPoints, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void bench_sweep(benchmark::State& state) {
  const testing::ScopedWorkDir workDir;
  ui::Form_Wing form;
  if (!LoadExampleWing(form)) return state.SkipWithError("the example wing was refused");
  std::vector<double> angles;
  for (int k = 0; k < kPoints; ++k) angles.push_back(k * kAngleStep);
  for (auto _ : state) {
    const Polar polar = SolvePolar(SolutionMode::GivenAngle, angles);
    if (polar.fault) return state.SkipWithError("a point failed");
    benchmark::DoNotOptimize(polar.points.data());
  }
  CountPoints(state);
}
BENCHMARK(bench_sweep)->Unit(benchmark::kMillisecond);

void bench_sweep_form(benchmark::State& state) {
  const testing::ScopedWorkDir workDir;
  ui::Form_Wing form;
  if (!LoadExampleWing(form)) return state.SkipWithError("the example wing was refused");
  for (auto _ : state) {
    ui::DeferredWrites deferred(form);
    for (int k = 0; k < kPoints; ++k) {
      form.Text_AlfaK.SetText(PlainNumberText(k * kAngleStep));
      form.PLL.Click();
    }
    if (!deferred.Flush() || !form.Messages().empty()) return state.SkipWithError("a point failed");
  }
  CountPoints(state);
}
BENCHMARK(bench_sweep_form)->Unit(benchmark::kMillisecond);

}  // namespace
