// The calculation behind the Calculate button, free of any window.
#pragma once

#include <array>
#include <optional>
#include <string>

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

// The whole calculation: nothing for invalid input, else the six measures formatted with
// seven digits after the decimal symbol. Raises runtime::ArithmeticError before any text
// is made.
std::optional<Texts> Calculate(int index, const Rows& rows, const runtime::RegionalSettings& settings);

}  // namespace model
