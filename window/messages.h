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

// The message for an arithmetic error met while solving combination `index`; the press adds the
// step that failed.
Message MessageFor(int index, runtime::ErrorKind kind);

}  // namespace panel
