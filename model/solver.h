// The calculation behind the Calculate button, free of any window.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/exact_solver.h"
#include "model/formula.h"
#include "model/quantity.h"
#include "runtime/arithmetic_error.h"
#include "runtime/regional_settings.h"

namespace model {

// One quantity row of the window: is it ticked as given, and what its box holds.
struct Row {
  bool ticked = false;
  std::string text;
};

using Rows = std::array<Row, kQuantityCount>;
using Measures = std::array<double, kQuantityCount>;
using Texts = std::array<std::string, kQuantityCount>;

// Reads every row's number; nothing when a ticked row's number is not greater than zero.
std::optional<Measures> ReadGiven(const Rows& rows, const runtime::RegionalSettings& settings);

// One run of a combination's formula set, with everything the program shows of it: each measure
// and x as a double and, where it has one, in exact form; each finished step's values in exact
// numbers; and, for a run that failed, the step and node that raised which error.
struct Run {
  Terms terms{};                               // the given measures, then each finished step's result
  ExactTerms exact;                            // the exact form of each term, where it has one
  std::array<ExactNodes, kStepsPerSet> nodes;  // each finished step's nodes in exact numbers
  int step = 0;         // the steps finished: the set's size when the run went to its end
  NodeValues values{};  // the failing step's node values, up to the node that raised the error
  int node = 0;
  std::optional<runtime::ErrorKind> error;

  Measures measures() const { return {terms[A], terms[B], terms[C], terms[H], terms[P], terms[S]}; }
};

// Runs the formula set of combination `index` (which must name one) once from the given measures
// in `read` (the others in `read` are not looked at). An arithmetic error stops it, and the run
// tells where and why.
Run Solve(int index, const Measures& read);

}  // namespace model
