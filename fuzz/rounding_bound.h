// How far the solver's doubles can stray from the exact values of the same formulas: a bound on
// each term's rounding, carried node by node beside the doubles. A difference of nearly equal
// numbers keeps their absolute error, and a root of such a difference magnifies it; the bound
// says so, where a fixed relative tolerance would not.
#pragma once

#include <cmath>
#include <limits>

#include "model/combination.h"
#include "model/formula_sets.h"
#include "model/solver.h"

namespace fuzz {

inline constexpr double kUnit = std::numeric_limits<double>::epsilon() / 2;

// The bound on |double − exact| for each term of combination `index` run from `read`; the given
// terms differ from the decimals they stand for by their own rounding.
inline model::Terms RoundingBounds(int index, const model::Measures& read) {
  model::Terms value{}, bound{};
  for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(index)].given) {
    value[q] = read[q];
    bound[q] = std::fabs(read[q]) * kUnit;
  }
  for (const model::Step& step : model::kFormulaSets[static_cast<std::size_t>(index)]) {
    const model::Formula& f = step.formula;
    model::NodeValues v{}, e{};
    for (int i = 0; i < f.size; ++i) {
      const model::Node& n = f[i];
      const double l = v[n.left], r = v[n.right], el = e[n.left], er = e[n.right];
      double& x = v[static_cast<std::size_t>(i)];
      double& ex = e[static_cast<std::size_t>(i)];
      switch (n.op) {
        case model::Op::Term: x = value[n.term], ex = bound[n.term]; continue;
        case model::Op::Two: x = 2, ex = 0; continue;
        case model::Op::Add: x = l + r, ex = el + er; break;
        case model::Op::Sub: x = l - r, ex = el + er; break;
        case model::Op::Mul: x = l * r, ex = std::fabs(l) * er + std::fabs(r) * el + el * er; break;
        case model::Op::Div:
          x = l / r;
          ex = std::fabs(r) > er
                   ? (std::fabs(l) * er + std::fabs(r) * el) / (std::fabs(r) * (std::fabs(r) - er))
                   : INFINITY;
          break;
        case model::Op::Sqr:
          x = std::sqrt(std::fmax(l, 0));
          ex = x > 0 ? std::fmin(std::sqrt(el), el / x) : std::sqrt(el);
          break;
      }
      ex += std::fabs(x) * kUnit;
    }
    value[static_cast<std::size_t>(step.target)] = v[static_cast<std::size_t>(f.Root())];
    bound[static_cast<std::size_t>(step.target)] = e[static_cast<std::size_t>(f.Root())];
  }
  return bound;
}

}  // namespace fuzz
