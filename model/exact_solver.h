// The formula sets evaluated in exact numbers, next to the solver's doubles, for the working.
#pragma once

#include <array>
#include <optional>

#include "model/exact.h"
#include "model/formula.h"

namespace model {

using ExactTerms = std::array<std::optional<Exact>, kTermCount>;
using ExactNodes = std::array<std::optional<Exact>, kMaxNodes>;

// The exact decimal that a given value read from a box stands for (see ExactDecimal); nothing
// where it does not fit.
std::optional<Exact> ExactGiven(double value);

// Evaluates `f` exactly, node by node into `nodes` as Evaluate does: nothing where a term it
// reads has no exact form or the exact form cannot be kept (see NoExactForm). Nodes after the
// one that lost it stay empty.
std::optional<Exact> EvaluateExactly(const Formula& f, const ExactTerms& terms, ExactNodes& nodes);

}  // namespace model
