// The calculation behind the Calculate button, free of any window.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/formula.h"
#include "model/quantity.h"
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

// All six measures of combination `index`, computed from its three given ones in `read`
// (the others in `read` are not looked at). An index that names no combination gives six
// zeros. Arithmetic failures raise runtime::ArithmeticError.
Measures Solve(int index, const Measures& read);

// How far a run of a formula set has got: the given measures and each finished step's result,
// the step under way, and the values of its nodes up to the one under way.
struct Progress {
  Terms terms{};
  int step = 0;
  NodeValues values{};
  int node = 0;
};

// Runs the formula set of combination `index` (which must name one) from the given measures in
// `read`. An arithmetic error leaves `progress` at the step and node that raised it.
void RunFormulas(int index, const Measures& read, Progress& progress);

// The whole calculation: nothing for invalid input, else the six measures formatted with
// seven digits after the decimal symbol. Raises runtime::ArithmeticError before any text
// is made.
std::optional<Texts> Calculate(int index, const Rows& rows, const runtime::RegionalSettings& settings);

}  // namespace model
