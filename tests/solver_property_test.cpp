// Every combination, fed three measures of a real trapezoid, gives back the other three.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/combination.h"
#include "model/solver.h"

namespace model {
namespace {

Measures RandomTrapezoid(std::mt19937_64& rng) {
  std::uniform_real_distribution<double> length(1.0, 100.0);
  const double c = length(rng);
  const double a = c + length(rng);
  const double h = length(rng);
  const double x = (a - c) / 2;
  const double b = std::sqrt(x * x + h * h);
  return {a, b, c, h, a + c + 2 * b, (a + c) * h / 2};
}

TEST(SolverProperty, EveryCombinationRecoversTheOtherThreeMeasures) {
  std::mt19937_64 rng(20261208);
  for (int round = 0; round < 3000; ++round) {
    const Measures truth = RandomTrapezoid(rng);
    for (int index = 0; index < kCombinationCount; ++index) {
      const Measures got = Solve(index, truth).measures();
      for (int q = 0; q < kQuantityCount; ++q) {
        ASSERT_NEAR(got[q], truth[q], 1e-9 * truth[q]) << "combination " << kCombinations[index].label
                                                       << ", quantity " << kLetters[q] << ", round " << round;
      }
    }
  }
}

}  // namespace
}  // namespace model
