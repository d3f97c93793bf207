// The working of one calculation written out as a pupil writes it: each step as its formula,
// then with the numbers put in, then its result, exact where it can be and then as a decimal. The steps are
// the solver's own (the same table, evaluated the same way), so the working and the boxes never disagree.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/solver.h"
#include "runtime/arithmetic_error.h"
#include "runtime/regional_settings.h"

namespace model {

struct Working {
  // "a = 8" for each given measure; empty for the others.
  std::array<std::string, kQuantityCount> given;
  // Each step run, in order: "x = (a − c) / 2 = (8 − 3) / 2 = 2,5",
  // "h = √(b² − x²) = √(5² − 2,5²) = √18,75 = 5√3/2 ≈ 4,330127". A step that failed ends with its
  // numbers put in: "h = √(b² − x²) = √(2² − 3²)".
  std::vector<std::string> steps;
  // The first of `steps` that uses x, where the working says what x is; -1 for none.
  int xStep = -1;
  // After a finished run, each measure with its value: "h = 5√3/2 ≈ 4,330127", "P = 21".
  std::array<std::string, kQuantityCount> answers;
  // For each measure the steps computed, which of `steps` lead to it (bit k for step k).
  std::array<unsigned, kQuantityCount> leadsTo{};
  // What stopped the run, if anything, and the operation that raised it with its values:
  // "√(−5)" or "40 / 0" (empty for numbers too large, or when reading the boxes failed).
  std::optional<runtime::ErrorKind> error;
  std::string failed;
};

// The working of a run of combination `index`'s formula set (which must name one), as the run
// left it: finished, or stopped at a step by an error. It writes out the run's own numbers, and
// beside them the same steps in exact numbers where the values have an exact form.
Working WorkOut(int index, const Run& run, const runtime::RegionalSettings& settings);

}  // namespace model
