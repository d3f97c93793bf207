// What the window tells the user when a calculation has no answer.
#pragma once

#include <QString>

#include "runtime/arithmetic_error.h"

namespace form {

struct ErrorMessage {
  QString title;
  QString text;
};

// The message for an arithmetic error met while solving combination `index`.
ErrorMessage MessageFor(int index, runtime::ErrorKind kind);

}  // namespace form
