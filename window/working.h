// The working of a calculation in the window's words: what each value box explains of its
// measure, and what the error message adds when a step fails. Plain texts, for every front end.
#pragma once

#include <string>
#include <vector>

#include "model/solver.h"
#include "model/working.h"

namespace panel {

// What follows the six measures after a finished run: the measures a textbook asks for next, each
// as its step and as its answer; or, where the measures make no trapezoid, the sentence that says so.
struct Further {
  std::vector<std::string> steps;    // "d = √(h² + m²) = √(4² + 5²) = √41 ≈ 6,4031242"
  std::vector<std::string> answers;  // "d = √41 ≈ 6,4031242", "α ≈ 51,34° ≈ 51°20′"
  std::string sentence;  // «Няма такъв трапец: c = −2 < 0»; empty for a trapezoid
};

// The further measures of a finished run of `run`.
Further FurtherMeasures(const model::Run& run, const runtime::RegionalSettings& settings);

// Every step of the run, one a line; a run that failed ends with the step that failed and, on a
// line of its own, why. A finished run's steps go on with `further`: its steps under their own
// heading, or its sentence.
std::string Steps(const model::Working& w, const Further& further = {});

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
// measures, «Решение:» and every step, «Отговор:» and the six measures and those of `further`
// (or, for a run that failed, that there is no such trapezoid), one a line. Where the six make no
// trapezoid, the steps and the answer end with `further`'s sentence.
std::string Solution(const model::Working& w, const Further& further = {});

}  // namespace panel
