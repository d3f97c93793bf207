// The working of a calculation in the window's words: what each value box explains of its
// measure, and what the error message adds when a step fails. Plain texts, for both front ends.
#pragma once

#include <array>
#include <string>

#include "model/solver.h"
#include "runtime/regional_settings.h"

namespace window {

// Every step of Calculate for combination `index` and these rows, one a line; a run that fails
// ends with the step that failed and, on a line of its own, why. Empty where Calculate does
// nothing.
std::string Working(int index, const model::Rows& rows, const runtime::RegionalSettings& settings);

// What value box `quantity` explains after Calculate for these rows: that a given measure was
// given ("a = 8 — дадено"), or the steps that lead to a computed one, one a line. Empty where
// Calculate writes no numbers (nothing to do, or a step fails).
std::string Explanation(int index, const model::Rows& rows, const runtime::RegionalSettings& settings,
                        int quantity);
std::array<std::string, model::kQuantityCount> Explanations(int index, const model::Rows& rows,
                                                            const runtime::RegionalSettings& settings);

// The accessible description of value box `quantity` with its explanation: the box's own
// description, then the explanation on the lines below it (just the former when it is empty).
std::string BoxDescription(int quantity, const std::string& explanation);

// The step that failed, with its numbers, and why, on two lines; empty when no step fails.
std::string FailingStep(int index, const model::Rows& rows, const runtime::RegionalSettings& settings);

}  // namespace window
