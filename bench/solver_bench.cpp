// One run of a formula set, in doubles and exact numbers; and one whole press of the button, which
// reads the boxes and adds the texts and the working that each box explains.
#include <benchmark/benchmark.h>

#include "model/combination.h"
#include "model/solver.h"
#include "window/press.h"

namespace {

// The assignment's example given as combination `index` gives it.
model::Rows Example(int index) {
  const char* example[] = {"8", "5", "2", "4", "20", "20"};
  model::Rows rows;
  for (int i = 0; i < model::kQuantityCount; ++i) {
    rows[i] = {model::IsGiven(index, i), model::IsGiven(index, i) ? example[i] : ""};
  }
  return rows;
}

void Solve(benchmark::State& state) {
  const int index = static_cast<int>(state.range(0));
  const model::Measures read = *model::ReadGiven(Example(index), runtime::RegionalSettings{});
  for (auto _ : state) {
    auto run = model::Solve(index, read);
    benchmark::DoNotOptimize(run);
  }
  state.SetLabel(std::string(model::kCombinations[index].label));
}
BENCHMARK(Solve)->DenseRange(0, model::kCombinationCount - 1);

void WholePress(benchmark::State& state) {
  const int index = static_cast<int>(state.range(0));
  const model::Rows rows = Example(index);
  const runtime::RegionalSettings settings;
  for (auto _ : state) {
    auto outcome = panel::Press(index, rows, settings);
    benchmark::DoNotOptimize(outcome);
  }
  state.SetLabel(std::string(model::kCombinations[index].label));
}
BENCHMARK(WholePress)->DenseRange(0, model::kCombinationCount - 1);

}  // namespace

BENCHMARK_MAIN();
