#include "model/formula.h"

#include "runtime/arithmetic.h"

namespace model {

double Evaluate(const Formula& f, const Terms& terms, NodeValues& values, int& node) {
  for (node = 0; node < f.size; ++node) {
    const Node& n = f[node];
    const auto l = [&] { return values[n.left]; };
    const auto r = [&] { return values[n.right]; };
    double& v = values[static_cast<std::size_t>(node)];
    switch (n.op) {
      case Op::Term: v = terms[n.term]; break;
      case Op::Two: v = 2; break;  // the integer 2, promoted to double
      case Op::Add: v = runtime::Add(l(), r()); break;
      case Op::Sub: v = runtime::Sub(l(), r()); break;
      case Op::Mul: v = runtime::Mul(l(), r()); break;
      case Op::Div: v = runtime::Div(l(), r()); break;
      case Op::Sqr: v = runtime::Sqr(l()); break;
    }
  }
  return values[static_cast<std::size_t>(f.Root())];
}

}  // namespace model
