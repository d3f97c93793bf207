#include "model/working.h"

#include <cmath>

#include "model/combination.h"
#include "model/formula_sets.h"
#include "runtime/format_number.h"
#include "runtime/val.h"

namespace model {

namespace {

constexpr char kMinus[] = "−";  // U+2212, as printed, not the hyphen

std::string DropTrailingZeros(std::string_view number) {
  std::string text(number);
  if (text.find('.') == std::string::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string Superscript(int exponent) {
  static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text = exponent < 0 ? "⁻" : "";
  for (char d : std::to_string(std::abs(exponent))) text += kDigits[d - '0'];
  return text;
}

// How a formula is bracketed: an operand is bracketed when it binds more loosely than its
// operation, or as loosely on the right (a − (b − c), a / (b·c)). A number written with a power
// of ten binds as a product; a negative number is always bracketed.
enum Level { kNegative = 0, kSum = 1, kProduct = 2, kAtom = 3 };

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
  return Write(f, f.Root(),
               [](const Node& n) { return Written{n.op == Op::Two ? "2" : kTermLetters[n.term]}; })
      .text;
}

// "x = (a − c) / 2 = (8 − 2) / 2 = 3", or without the result when the step failed.
std::string StepLine(const Step& step, const Terms& terms, bool done,
                     const runtime::RegionalSettings& settings) {
  NumberWriter put{settings};
  const std::string numbers = Write(step.formula, step.formula.Root(), [&](const Node& n) {
                                return n.op == Op::Two ? Written{"2"} : put(terms[n.term]);
                              }).text;
  std::string line = std::string(kTermLetters[step.target]) + " = " + Letters(step.formula) +
                     (put.rounded ? " ≈ " : " = ") + numbers;
  if (!done) return line;
  const WrittenNumber result = WriteNumber(terms[step.target], settings);
  return line + (put.rounded || result.rounded ? " ≈ " : " = ") + result.text;
}

// The operation of `run`'s failing node with its values: "√(−5)", "40 / 0".
std::string FailedOperation(const Step& step, const Progress& run,
                            const runtime::RegionalSettings& settings) {
  NumberWriter put{settings};
  const Node& n = step.formula[run.node];
  const Written left = put(run.values[n.left]);
  if (n.op == Op::Sqr) return "√" + Bracketed(left, kAtom);
  return Bracketed(left, kProduct) + Sign(n.op) + Bracketed(put(run.values[n.right]), kAtom);
}

}  // namespace

// Whether `plain`, read back, is not `value` itself.
bool Rounded(const std::string& plain, double value) {
  try {
    return runtime::Val(plain, runtime::CSettings()) != value;
  } catch (const runtime::ArithmeticError&) {
    return true;  // rounded up beyond the largest double
  }
}

WrittenNumber WriteNumber(double value, const runtime::RegionalSettings& settings) {
  // First in the C form ("-12.5", "1.5e+20"), which reads back to tell whether it is exact.
  const double magnitude = std::fabs(value);
  std::string plain, power;
  if (magnitude != 0 && (magnitude < 1e-7 || magnitude >= 1e15)) {
    const std::string text = runtime::FormatScientific(value, kDecimals);
    const std::size_t e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    plain = DropTrailingZeros(std::string_view(text).substr(0, e)) + "e" + std::to_string(exponent);
    power = "·10" + Superscript(exponent);
  } else {
    plain = DropTrailingZeros(runtime::FormatNumber(value, kDecimals, runtime::CSettings()));
  }

  std::string text;
  for (char ch : plain.substr(0, plain.find('e'))) {
    if (ch == '-')
      text += kMinus;
    else if (ch == '.')
      text += settings.decimalSymbol;
    else
      text += ch;
  }
  return {text + power, Rounded(plain, value)};
}

Working WorkOut(int index, const Progress& run, std::optional<runtime::ErrorKind> error,
                const runtime::RegionalSettings& settings) {
  Working w;
  w.error = error;
  for (Quantity q : kCombinations[static_cast<std::size_t>(index)].given) {
    const WrittenNumber n = WriteNumber(run.terms[q], settings);
    w.given[q] = std::string(kLetters[q]) + (n.rounded ? " ≈ " : " = ") + n.text;
  }
  const FormulaSet& set = kFormulaSets[static_cast<std::size_t>(index)];
  std::array<unsigned, std::tuple_size_v<FormulaSet>> needs{};
  for (std::size_t k = 0; k < set.size(); ++k) {
    needs[k] = 1u << k;
    for (std::size_t j = 0; j < k; ++j) {
      if (Reads(set[k].formula, set[j].target)) needs[k] |= needs[j];
    }
    if (set[k].target < kQuantityCount) w.leadsTo[static_cast<std::size_t>(set[k].target)] = needs[k];
    if (static_cast<int>(k) > run.step) continue;
    const bool done = static_cast<int>(k) < run.step;
    w.steps.push_back(StepLine(set[k], run.terms, done, settings));
    if (!done && w.error != runtime::ErrorKind::Overflow) w.failed = FailedOperation(set[k], run, settings);
  }
  return w;
}

}  // namespace model
