#include "model/combination.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace model {
namespace {

TEST(Combination, OffersTwelveDistinctTriplesInAscendingOrder) {
  std::set<std::array<Quantity, 3>> seen;
  for (const Combination& c : kCombinations) {
    EXPECT_LT(c.given[0], c.given[1]);
    EXPECT_LT(c.given[1], c.given[2]);
    seen.insert(c.given);
    // The label names exactly the given letters, P or S first.
    std::multiset<std::string> letters, named;
    for (Quantity q : c.given) letters.insert(std::string(kLetters[q]));
    for (std::size_t i = 0; i < c.label.size(); i += 2) named.insert(std::string(c.label.substr(i, 1)));
    EXPECT_EQ(letters, named) << c.label;
    if (c.given[2] >= P) {
      EXPECT_EQ(c.label.substr(0, 1), kLetters[c.given[2]]);
    }
  }
  EXPECT_EQ(seen.size(), 12u);
}

TEST(Combination, TheEightTriplesLeftOutAreTheUnsolvableOnes) {
  for (const Combination& c : kCombinations) {
    const std::set<Quantity> g(c.given.begin(), c.given.end());
    EXPECT_FALSE(g.count(P) && g.count(S)) << c.label;
    for (auto [x, y, z] : {std::array{P, A, H}, {P, C, H}, {S, A, B}, {S, B, C}}) {
      EXPECT_FALSE(g.count(x) && g.count(y) && g.count(z)) << c.label;
    }
  }
}

TEST(Combination, IsGivenCountsAndOutOfRangeIndexes) {
  const int expected[kQuantityCount] = {7, 7, 7, 7, 4, 4};
  for (int q = 0; q < kQuantityCount; ++q) {
    int count = 0;
    for (int i = 0; i < kCombinationCount; ++i) count += IsGiven(i, q);
    EXPECT_EQ(count, expected[q]) << kLetters[q];
  }
  EXPECT_EQ(kCombinations[4].label, "P,a,b");
  EXPECT_TRUE(IsGiven(4, P) && IsGiven(4, A) && IsGiven(4, B));
  EXPECT_TRUE(IsGiven(11, C) && !IsGiven(11, A) && !IsGiven(11, B));
  for (int bad : {-1, 12, 32767}) EXPECT_FALSE(IsGiven(bad, A)) << bad;
}

}  // namespace
}  // namespace model
