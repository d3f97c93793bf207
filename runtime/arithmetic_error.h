// The one error type of the solver's arithmetic.
#pragma once

#include <stdexcept>

namespace runtime {

enum class ErrorKind {
  InvalidArgument,  // square root of a negative number
  DivisionByZero,
  Overflow,  // a result, or a number read from text, beyond the range of a double
};

class ArithmeticError : public std::runtime_error {
 public:
  explicit ArithmeticError(ErrorKind kind);
  ErrorKind kind() const noexcept { return kind_; }

 private:
  ErrorKind kind_;
};

}  // namespace runtime
