// The formula set of each combination: its steps in order, each written in its order of
// operations. The solver computes with this table and the explanation prints it; there is no
// other copy of the formulas.
#pragma once

#include <array>

#include "model/combination.h"
#include "model/formula.h"

namespace model {

// Inside this namespace the letters are the formulas' own.
namespace terms {

using build::Leaf;
using build::Sqrt;

// clang-format off
inline constexpr Formula a = Leaf(Op::Term, A), b = Leaf(Op::Term, B), c = Leaf(Op::Term, C),
                         h = Leaf(Op::Term, H), P = Leaf(Op::Term, model::P), S = Leaf(Op::Term, model::S),
                         x = Leaf(Op::Term, kX), two = Leaf(Op::Two);

inline constexpr Step kPerimeter{P, a + c + two * b};
inline constexpr Step kArea{S, (a + c) * h / two};
inline constexpr Step kHalfDifference{x, (a - c) / two};
inline constexpr Step kXFromLeg{x, Sqrt(b * b - h * h)};

using FormulaSet = std::array<Step, kStepsPerSet>;

inline constexpr std::array<FormulaSet, kCombinationCount> kFormulaSets = {{
    /* a,b,c */ {{kHalfDifference, {h, Sqrt(b * b - x * x)}, kPerimeter, kArea}},
    /* a,b,h */ {{kXFromLeg, {c, a - two * x}, kPerimeter, kArea}},
    /* a,c,h */ {{kHalfDifference, {b, Sqrt(x * x + h * h)}, kPerimeter, kArea}},
    /* b,c,h */ {{kXFromLeg, {a, c + two * x}, kPerimeter, kArea}},
    /* P,a,b */ {{{c, P - two * b - a}, kHalfDifference, {h, Sqrt(b * b - x * x)}, kArea}},
    /* P,a,c */ {{kHalfDifference, {b, (P - a - c) / two}, {h, Sqrt(b * b - x * x)}, kArea}},
    /* P,b,c */ {{{a, P - two * b - c}, kHalfDifference, {h, Sqrt(b * b - x * x)}, kArea}},
    /* P,b,h */ {{kXFromLeg, {c, (P - two * b - two * x) / two}, {a, c + two * x}, kArea}},
    /* S,a,c */ {{kHalfDifference, {h, two * S / (a + c)}, {b, Sqrt(x * x + h * h)}, kPerimeter}},
    /* S,a,h */ {{{c, two * S / h - a}, kHalfDifference, {b, Sqrt(x * x + h * h)}, kPerimeter}},
    /* S,b,h */ {{kXFromLeg, {c, S / h - x}, {a, c + two * x}, kPerimeter}},
    /* S,c,h */ {{{a, two * S / h - c}, kHalfDifference, {b, Sqrt(x * x + h * h)}, kPerimeter}},
}};
// clang-format on

}  // namespace terms

using terms::FormulaSet;
using terms::kFormulaSets;

}  // namespace model
