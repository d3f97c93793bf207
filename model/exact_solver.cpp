#include "model/exact_solver.h"

namespace model {

namespace {}  // namespace

std::optional<Exact> ExactGiven(double value) {
  return IfExact([&] { return Exact(ExactDecimal(value)); });
}

std::optional<Exact> EvaluateExactly(const Formula& f, const ExactTerms& terms, ExactNodes& nodes) {
  nodes = ExactNodes{};
  for (int i = 0; i < f.size; ++i) {
    const Node& n = f[i];
    std::optional<Exact>& v = nodes[static_cast<std::size_t>(i)];
    if (n.op == Op::Term) {
      v = terms[n.term];
    } else if (n.op == Op::Two) {
      v = Exact(2);
    } else {
      const std::optional<Exact>& l = nodes[n.left];
      const std::optional<Exact>& r = nodes[n.op == Op::Sqr ? n.left : n.right];
      if (!l || !r) return std::nullopt;
      v = IfExact([&] {
        switch (n.op) {
          case Op::Add: return *l + *r;
          case Op::Sub: return *l - *r;
          case Op::Mul: return *l * *r;
          case Op::Div: return *l / *r;
          default: return SquareRoot(*l);
        }
      });
    }
    if (!v) return std::nullopt;
  }
  return nodes[static_cast<std::size_t>(f.Root())];
}

}  // namespace model
