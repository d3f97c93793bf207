// What the window tells the user when a calculation has no answer.
#pragma once

#include <string>

#include "model/solver.h"
#include "runtime/arithmetic_error.h"
#include "runtime/regional_settings.h"

namespace window {

struct Message {
  std::string title;
  std::string text;
};

// The message for an arithmetic error met while solving combination `index`.
Message MessageFor(int index, runtime::ErrorKind kind);

// The same message for an error met while calculating from `rows`, followed by the step that
// failed, with its numbers, and why.
Message MessageFor(int index, runtime::ErrorKind kind, const model::Rows& rows,
                   const runtime::RegionalSettings& settings);

}  // namespace window
