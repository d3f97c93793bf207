// The message the window shows for each combination and kind of arithmetic error.
#include "window/messages.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>

#include "model/combination.h"

namespace panel {
namespace {

using runtime::ErrorKind;

// Why a square root can fail in each combination; combinations with the same reason share one
// explanation. Empty where no square root of a difference is taken: a failure there can only
// come from values that are no trapezoid at all, and gets the general text.
constexpr std::array<const char*, model::kCombinationCount> kReason = {
    "leg against half the difference of the bases",  // a,b,c
    "leg against height",                            // a,b,h
    "",                                              // a,c,h
    "leg against height",                            // b,c,h
    "perimeter against 2a and 2a + 4b",              // P,a,b
    "perimeter between 2a and 2c",                   // P,a,c
    "perimeter against 2c and 2c + 4b",              // P,b,c
    "leg against height",                            // P,b,h
    "",                                              // S,a,c
    "",                                              // S,a,h
    "leg against height",                            // S,b,h
    "",                                              // S,c,h
};

// An index outside the list has no reason of its own; the tests try one on either side.
std::string ReasonOf(int index) { return model::IsCombination(index) ? kReason[index] : ""; }

TEST(MessageFor, ANegativeSquareRootIsExplainedByItsReason) {
  const Message general = MessageFor(-1, ErrorKind::InvalidArgument);
  for (int i = -1; i <= model::kCombinationCount; ++i) {
    const Message m = MessageFor(i, ErrorKind::InvalidArgument);
    EXPECT_EQ(m.title, general.title) << i;
    EXPECT_FALSE(m.text.empty()) << i;
    for (int j = -1; j <= model::kCombinationCount; ++j) {
      EXPECT_EQ(m.text == MessageFor(j, ErrorKind::InvalidArgument).text, ReasonOf(i) == ReasonOf(j))
          << i << " and " << j;
    }
  }
}

TEST(MessageFor, DivisionByZeroAndOverflowReadTheSameForEveryCombination) {
  const Message none = MessageFor(0, ErrorKind::InvalidArgument);
  const Message zero = MessageFor(0, ErrorKind::DivisionByZero);
  const Message large = MessageFor(0, ErrorKind::Overflow);
  EXPECT_EQ(zero.title, none.title);  // no such trapezoid either
  EXPECT_NE(large.title, none.title);
  EXPECT_NE(large.text, zero.text);
  for (int i = -1; i <= model::kCombinationCount; ++i) {
    const Message z = MessageFor(i, ErrorKind::DivisionByZero), o = MessageFor(i, ErrorKind::Overflow);
    EXPECT_EQ(z.title, zero.title) << i;
    EXPECT_EQ(z.text, zero.text) << i;
    EXPECT_EQ(o.title, large.title) << i;
    EXPECT_EQ(o.text, large.text) << i;
    EXPECT_NE(z.text, MessageFor(i, ErrorKind::InvalidArgument).text) << i;
    EXPECT_NE(o.text, MessageFor(i, ErrorKind::InvalidArgument).text) << i;
  }
}

// The messages write a formula as the working does: the minus sign −, and 2·b for a product.
TEST(MessageFor, WritesFormulasAsTheWorkingDoes) {
  for (int i = -1; i <= model::kCombinationCount; ++i) {
    for (ErrorKind kind : {ErrorKind::InvalidArgument, ErrorKind::DivisionByZero, ErrorKind::Overflow}) {
      const std::string text = MessageFor(i, kind).text;
      EXPECT_EQ(text.find(" - "), std::string::npos) << text;
      EXPECT_FALSE(std::regex_search(text, std::regex("2[abchPS]"))) << text;
    }
  }
}

}  // namespace
}  // namespace panel
