// The working of a calculation in the window's words: what each value box explains of its
// measure, and what the error message adds when a step fails. Plain texts, for every front end.
#pragma once

#include <string>

#include "model/solver.h"
#include "model/working.h"

namespace panel {

// Every step of the run, one a line; a run that failed ends with the step that failed and, on a
// line of its own, why.
std::string Steps(const model::Working& w);

// What each value box explains after a finished run: that a given measure was given
// ("a = 8 — дадено"), or the steps that lead to a computed one, one a line.
model::Texts Explanations(const model::Working& w);

// The accessible description of value box `quantity` with its explanation: the box's own
// description, then the explanation on the lines below it (just the former when it is empty).
std::string BoxDescription(int quantity, const std::string& explanation);

// A value box's accessible description on the desktop: `description` and how to copy the whole
// solution, which only the desktop offers.
std::string DesktopDescription(const std::string& description);

// The step that failed, with its numbers, and why, on two lines; empty when no step failed.
std::string FailingStep(const model::Working& w);

// The whole solution as a pupil writes it in a notebook, as plain text: «Дадено:» and the given
// measures, «Решение:» and every step, «Отговор:» and the six measures (or, for a run that
// failed, that there is no such trapezoid), one a line.
std::string Solution(const model::Working& w);

}  // namespace panel
