// One press of «Изчисли»: the rows are read and the formula set run once, and everything a front
// end shows comes from that one run.
#pragma once

#include <optional>
#include <string>

#include "model/solver.h"
#include "runtime/arithmetic_error.h"
#include "runtime/regional_settings.h"
#include "window/drawing.h"
#include "window/messages.h"

namespace panel {

struct Outcome {
  enum class Kind { Nothing, Solved, Failed };
  // Nothing: a ticked value is not greater than zero, and no box changes.
  Kind kind = Kind::Nothing;
  // Solved: the six texts for the value boxes, what each box explains of its measure (its
  // tooltip) and its accessible description with that explanation.
  model::Texts texts, explanations, descriptions;
  // Solved or Failed: every step of the run, one a line; a failed run ends with the step that
  // failed and, on a line of its own, why.
  std::string working;
  // Solved or Failed: the whole solution as a pupil writes it (see Solution), to copy.
  std::string solution;
  // Failed: the arithmetic error met, and the message that tells it with the failing step.
  std::optional<runtime::ErrorKind> error;
  Message message;
  // Solved: the drawing of the computed figure, or the words that it is no trapezoid.
  Picture picture;
};

Outcome Press(int index, const model::Rows& rows, const runtime::RegionalSettings& settings);

}  // namespace panel
