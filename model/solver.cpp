#include "model/solver.h"

#include "model/combination.h"
#include "model/formula_sets.h"
#include "runtime/format_number.h"
#include "runtime/val.h"

namespace model {

void RunFormulas(int index, const Measures& read, Progress& progress) {
  progress = Progress{};
  for (Quantity q : kCombinations[static_cast<std::size_t>(index)].given) progress.terms[q] = read[q];
  const FormulaSet& set = kFormulaSets[static_cast<std::size_t>(index)];
  for (; progress.step < static_cast<int>(set.size()); ++progress.step) {
    const Step& step = set[static_cast<std::size_t>(progress.step)];
    progress.terms[static_cast<std::size_t>(step.target)] =
        Evaluate(step.formula, progress.terms, progress.values, progress.node);
  }
}

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

Measures Solve(int index, const Measures& read) {
  if (!IsCombination(index)) return Measures{};
  Progress run;
  RunFormulas(index, read, run);
  const Terms& t = run.terms;
  return {t[A], t[B], t[C], t[H], t[P], t[S]};
}

std::optional<Texts> Calculate(int index, const Rows& rows, const runtime::RegionalSettings& settings) {
  const std::optional<Measures> read = ReadGiven(rows, settings);
  if (!read) return std::nullopt;
  const Measures measures = Solve(index, *read);
  Texts texts;
  for (std::size_t i = 0; i < texts.size(); ++i)
    texts[i] = runtime::FormatNumber(measures[i], kDecimals, settings);
  return texts;
}

}  // namespace model
