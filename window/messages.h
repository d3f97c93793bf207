// What the window tells the user when a calculation has no answer.
#pragma once

#include <string>

#include "runtime/arithmetic_error.h"

namespace panel {

struct Message {
  std::string title;
  std::string text;

  friend bool operator==(const Message&, const Message&) = default;
};

// The title that names an arithmetic error: numbers too large, or no such trapezoid.
const char* TitleFor(runtime::ErrorKind kind);

// The message for an arithmetic error met while solving combination `index`; the press adds the
// step that failed.
Message MessageFor(int index, runtime::ErrorKind kind);

}  // namespace panel
