#include "model/combination.h"

#include <algorithm>

namespace model {

bool IsGiven(int index, int quantity) {
  if (!IsCombination(index)) return false;
  const auto& given = kCombinations[static_cast<std::size_t>(index)].given;
  return std::find(given.begin(), given.end(), quantity) != given.end();
}

}  // namespace model
