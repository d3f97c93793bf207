// The general solver on the kinds of problem a book gives: exact values reached step by step, a
// system solved by formula, one solved numerically, two trapezoids, a family that fixes only some
// elements, and givens that disagree. Each is one whole solution with its working.
#include <benchmark/benchmark.h>

#include "model/problem.h"

namespace {

using namespace model::problem;

struct Case {
  const char* label;
  Problem problem;
};

Problem Of(std::initializer_list<Given> givens, int condition = -1) {
  Problem p;
  p.givens = givens;
  if (condition >= 0) p.conditions[static_cast<std::size_t>(condition)] = true;
  if (condition == kBasesRatio) p.ratioP = 7, p.ratioQ = 3;
  return p;
}

const Case kCases[] = {
    {"a c alpha: step by step", Of({{kA, 27}, {kC, 13}, {kAlpha, 45}})},
    {"P c alpha: linear", Of({{kP, 40}, {kC, 10}, {kAlpha, 60}})},
    {"P S alpha: quadratic", Of({{kP, 40}, {kS, 60}, {kAlpha, 60}})},
    {"S R incircle: numerically", Of({{kS, 40}, {kCircumradius, 6}}, kIncircle)},
    {"a b R: two trapezoids",
     Of({{kA, 2.7486553674751439}, {kB, 1.3447993267921448}, {kCircumradius, 1.4580030553135794}})},
    {"m h: a family", Of({{kM, 12}, {kH, 5}})},
    {"a c m: disagree", Of({{kA, 10}, {kC, 4}, {kM, 8}})},
    {"P d ratio", Of({{kP, 30}, {kD, 9}}, kBasesRatio)},
    {"a b c: the design's", Of({{kA, 8}, {kB, 5}, {kC, 2}})},
};

void SolveProblem(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  const runtime::RegionalSettings settings;
  for (auto _ : state) {
    Answer answer = Solve(c.problem, settings);
    benchmark::DoNotOptimize(answer);
  }
  state.SetLabel(c.label);
}
BENCHMARK(SolveProblem)->DenseRange(0, std::size(kCases) - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
