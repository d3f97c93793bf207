#include "model/solver.h"

#include "model/combination.h"
#include "model/formula_sets.h"
#include "runtime/val.h"

namespace model {

std::optional<Measures> ReadGiven(const Rows& rows, const runtime::RegionalSettings& settings) {
  Measures read{};
  bool valid = true;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    read[i] = runtime::Val(rows[i].text, settings);
    if (rows[i].ticked && !(read[i] > 0)) valid = false;
  }
  if (!valid) return std::nullopt;
  return read;
}

Run Solve(int index, const Measures& read) {
  Run run;
  for (Quantity q : kCombinations[static_cast<std::size_t>(index)].given) {
    run.terms[q] = read[q];
    run.exact[q] = ExactGiven(read[q]);
  }
  const FormulaSet& set = kFormulaSets[static_cast<std::size_t>(index)];
  try {
    for (; run.step < kStepsPerSet; ++run.step) {
      const Step& step = set[static_cast<std::size_t>(run.step)];
      const auto target = static_cast<std::size_t>(step.target);
      run.terms[target] = Evaluate(step.formula, run.terms, run.values, run.node);
      run.exact[target] =
          EvaluateExactly(step.formula, run.exact, run.nodes[static_cast<std::size_t>(run.step)]);
    }
  } catch (const runtime::ArithmeticError& error) {
    run.error = error.kind();
  }
  return run;
}

}  // namespace model
