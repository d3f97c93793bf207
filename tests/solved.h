// One example of a combination solved, as the tests of what follows the six measures take it.
#pragma once

#include <array>

#include "model/combination.h"
#include "model/solver.h"
#include "runtime/val.h"

namespace test_solved {

struct Solved {
  model::Measures measures;
  model::ExactTerms exact;
};

// Combination `index` with its three given measures, written as a pupil types them with a point.
inline Solved Solve(int index, const std::array<const char*, 3>& given) {
  model::Measures read{};
  std::size_t k = 0;
  for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(index)].given) {
    read[q] = runtime::Val(given[k++], runtime::CSettings());
  }
  const model::Run run = model::Solve(index, read);
  return {run.measures(), run.exact};
}

}  // namespace test_solved
