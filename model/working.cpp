#include "model/working.h"

#include "model/combination.h"
#include "model/exact_text.h"
#include "model/formula_sets.h"
#include "model/number_text.h"

namespace model {

namespace {

// How a formula is bracketed: an operand is bracketed when it binds more loosely than its
// operation, or as loosely on the right (a − (b − c), a / (b·c)), by the levels of Level. A
// number written with a power of ten binds as a product; a negative number is always bracketed.

// A leaf as written: a letter, the 2, or a number.
struct Written {
  std::string text;
  int level = kAtom;
};

bool IsSquare(const Formula& f, const Node& n) {
  return n.op == Op::Mul && f[n.left].op == Op::Term && f[n.right].op == Op::Term &&
         f[n.left].term == f[n.right].term;
}

const char* Sign(Op op) {
  switch (op) {
    case Op::Add: return " + ";
    case Op::Sub: return " − ";
    case Op::Mul: return "·";
    default: return " / ";
  }
}

std::string Bracketed(const Written& w, int level) { return w.level < level ? "(" + w.text + ")" : w.text; }

// Writes node `node` of `f`, its leaves as `leaf` writes them.
template <typename Leaf>
Written Write(const Formula& f, int node, const Leaf& leaf) {
  const Node& n = f[node];
  switch (n.op) {
    case Op::Term:
    case Op::Two: return leaf(n);
    case Op::Sqr: return {"√(" + Write(f, n.left, leaf).text + ")"};
    case Op::Mul:
      if (IsSquare(f, n)) return {Bracketed(leaf(f[n.left]), kAtom) + "²"};
      [[fallthrough]];
    default: {
      const int level = n.op == Op::Add || n.op == Op::Sub ? kSum : kProduct;
      return {Bracketed(Write(f, n.left, leaf), level) + Sign(n.op) +
                  Bracketed(Write(f, n.right, leaf), level + 1),
              level};
    }
  }
}

// Writes the numbers into formulas, and remembers whether any of them was rounded.
struct NumberWriter {
  const runtime::RegionalSettings& settings;
  bool rounded = false;

  Written operator()(double value) {
    const WrittenNumber n = WriteNumber(value, settings);
    rounded = rounded || n.rounded;
    if (n.text.rfind(kMinus, 0) == 0) return {n.text, kNegative};
    return {n.text, n.text.find("·10") == std::string::npos ? kAtom : kProduct};
  }
};

std::string Letters(const Formula& f) {
  return Write(
             f, f.Root(),
             [](const Node& n) { return Written{std::string(n.op == Op::Two ? "2" : kTermLetters[n.term])}; })
      .text;
}

// Whether every term that `f` reads has an exact form.
bool AllExact(const Formula& f, const ExactTerms& exact) {
  for (int i = 0; i < f.size; ++i) {
    if (f[i].op == Op::Term && !exact[f[i].term]) return false;
  }
  return true;
}

// A value put in for a letter that is itself a sum, "5 − √21", is bracketed as a whole wherever it
// stands, as a negative number is: (5 − √21) + 2·√21.
Written Leaf(const WrittenExact& e) { return {e.text, e.level == kSum ? kNegative : e.level}; }

// "x = (a − c) / 2 = (8 − 3) / 2 = 2,5", "h = √(b² − x²) = √(5² − 2,5²) = √18,75 = 5√3/2 ≈ 4,330127":
// the numbers put in, exact where every one of them is, then for a root its argument, then the
// result as WriteEnding writes it. Without `nodes` (the step's exact values, node by node) the
// step failed and ends with its numbers.
std::string StepLine(const Step& step, const Terms& terms, const ExactTerms& exact, const ExactNodes* nodes,
                     const runtime::RegionalSettings& settings) {
  const Formula& f = step.formula;
  const bool exactNumbers = AllExact(f, exact);
  NumberWriter put{settings};
  const std::string numbers = Write(f, f.Root(), [&](const Node& n) {
                                if (n.op == Op::Two) return Written{"2"};
                                if (exactNumbers) return Leaf(WriteExact(*exact[n.term], settings));
                                return put(terms[n.term]);
                              }).text;
  std::string line =
      std::string(kTermLetters[step.target]) + " = " + Letters(f) + (put.rounded ? " ≈ " : " = ") + numbers;
  if (!nodes) return line;
  const std::optional<Exact>& result = (*nodes)[static_cast<std::size_t>(f.Root())];
  const std::optional<Exact>& argument = (*nodes)[f[f.Root()].left];
  if (f[f.Root()].op == Op::Sqr && exactNumbers && argument) {
    const std::string root = "√" + Bracketed(Leaf(WriteExact(*argument, settings)), kAtom);
    if (!result || root != WriteExact(*result, settings).text) line += " = " + root;
  }
  return line + WriteEnding(exactNumbers ? result : std::nullopt, terms[step.target], put.rounded, settings);
}

// The operation of `run`'s failing node with its values: "√(−5)", "40 / 0".
std::string FailedOperation(const Step& step, const Run& run, const runtime::RegionalSettings& settings) {
  NumberWriter put{settings};
  const Node& n = step.formula[run.node];
  const Written left = put(run.values[n.left]);
  if (n.op == Op::Sqr) return "√" + Bracketed(left, kAtom);
  return Bracketed(left, kProduct) + Sign(n.op) + Bracketed(put(run.values[n.right]), kAtom);
}

}  // namespace

Working WorkOut(int index, const Run& run, const runtime::RegionalSettings& settings) {
  Working w;
  w.error = run.error;
  for (Quantity q : kCombinations[static_cast<std::size_t>(index)].given) {
    w.given[q] = std::string(kLetters[q]) + WriteEnding(run.exact[q], run.terms[q], false, settings);
  }
  const FormulaSet& set = kFormulaSets[static_cast<std::size_t>(index)];
  std::array<unsigned, kStepsPerSet> needs{};
  for (std::size_t k = 0; k < set.size(); ++k) {
    needs[k] = 1u << k;
    for (std::size_t j = 0; j < k; ++j) {
      if (Reads(set[k].formula, set[j].target)) needs[k] |= needs[j];
    }
    if (set[k].target < kQuantityCount) w.leadsTo[static_cast<std::size_t>(set[k].target)] = needs[k];
    if (static_cast<int>(k) > run.step) continue;
    if (w.xStep < 0 && (set[k].target == kX || Reads(set[k].formula, kX))) w.xStep = static_cast<int>(k);
    const bool done = static_cast<int>(k) < run.step;
    w.steps.push_back(StepLine(set[k], run.terms, run.exact, done ? &run.nodes[k] : nullptr, settings));
    if (!done && w.error != runtime::ErrorKind::Overflow) w.failed = FailedOperation(set[k], run, settings);
  }
  if (w.error) return w;
  for (int q = 0; q < kQuantityCount; ++q) {
    w.answers[q] = std::string(kLetters[q]) + WriteEnding(run.exact[q], run.terms[q], false, settings);
  }
  return w;
}

}  // namespace model
