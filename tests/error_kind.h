// Which arithmetic error a call raised, if any.
#pragma once

#include <optional>

#include "runtime/arithmetic_error.h"

template <typename Call>
std::optional<runtime::ErrorKind> KindRaised(Call&& call) {
  try {
    call();
  } catch (const runtime::ArithmeticError& e) {
    return e.kind();
  }
  return std::nullopt;
}
