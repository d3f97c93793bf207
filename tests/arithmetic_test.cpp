#include "runtime/arithmetic.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "error_kind.h"

namespace runtime {
namespace {

struct Failure {
  const char* what;
  std::function<double()> op;
  ErrorKind kind;
};

TEST(Arithmetic, FailuresRaiseTheirKind) {
  const double max = std::numeric_limits<double>::max();
  const Failure failures[] = {
      {"sqrt(-1)", [] { return Sqr(-1); }, ErrorKind::InvalidArgument},
      {"sqrt(-tiny)", [] { return Sqr(-1e-300); }, ErrorKind::InvalidArgument},
      {"1/0", [] { return Div(1, 0); }, ErrorKind::DivisionByZero},
      {"0/0", [] { return Div(0, 0); }, ErrorKind::DivisionByZero},
      {"1/-0", [] { return Div(1, -0.0); }, ErrorKind::DivisionByZero},
      {"max+max", [max] { return Add(max, max); }, ErrorKind::Overflow},
      {"-max-max", [max] { return Sub(-max, max); }, ErrorKind::Overflow},
      {"1e200*1e200", [] { return Mul(1e200, 1e200); }, ErrorKind::Overflow},
      {"1e300/1e-300", [] { return Div(1e300, 1e-300); }, ErrorKind::Overflow},
  };
  for (const Failure& f : failures) {
    EXPECT_EQ(KindRaised(f.op), f.kind) << f.what;
  }
}

TEST(Arithmetic, EdgesThatAreNoError) {
  EXPECT_EQ(Sqr(0), 0);
  EXPECT_EQ(Sqr(25), 5);
  EXPECT_EQ(Mul(1e-200, 1e-200), 0);  // underflow gives zero
  EXPECT_EQ(Div(0, 5), 0);
  EXPECT_EQ(Sub(3, 5), -2);
}

}  // namespace
}  // namespace runtime
