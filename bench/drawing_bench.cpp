// One press of «Изчисли» and the drawing of what it computed, with the new measures and the SVG
// that the page shows: all of it has to fit in one frame (16 ms).
#include <benchmark/benchmark.h>

#include "model/combination.h"
#include "model/derived.h"
#include "model/exact_solver.h"
#include "model/solver.h"
#include "window/press.h"
#include "window/svg.h"
#include "window/trapezoid_drawing.h"

namespace {

void PressAndDraw(benchmark::State& state) {
  const int index = static_cast<int>(state.range(0));
  const char* example[] = {"8", "5", "2", "4", "20", "20"};
  model::Rows rows;
  for (int i = 0; i < model::kQuantityCount; ++i) {
    rows[i] = {model::IsGiven(index, i), model::IsGiven(index, i) ? example[i] : ""};
  }
  runtime::RegionalSettings settings;
  settings.decimalSymbol = ",";
  for (auto _ : state) {
    const panel::Outcome outcome = panel::Press(index, rows, settings);
    const model::Measures read = *model::ReadGiven(rows, settings);
    const model::Run run = model::Solve(index, read);
    const model::Measures measures = run.measures();
    const model::ExactTerms& exact = run.exact;
    const auto more = model::Derive(measures, exact, settings);
    const std::string svg = panel::WriteSvg(panel::TrapezoidDrawing(measures, exact, settings));
    benchmark::DoNotOptimize(outcome);
    benchmark::DoNotOptimize(more);
    benchmark::DoNotOptimize(svg);
  }
  state.SetLabel(std::string(model::kCombinations[static_cast<std::size_t>(index)].label));
}
BENCHMARK(PressAndDraw)->DenseRange(0, model::kCombinationCount - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
