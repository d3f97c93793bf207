// Finding elements from known ones with the table of relations, as constraint propagation does:
// the first formula whose elements are all known sets its element, until none is left. The
// order found is a plan that the solver runs again for other values of an unknown it tries.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/relations.h"
#include "runtime/regional_settings.h"

namespace model::problem {

// What is known at one point of a solution: each element's double, its exact form where it has
// one, and which are known.
struct State {
  Vars<double> value{};
  Vars<std::optional<Exact>> exact{};
  Mask known = 0;
  Mask enabled = 0;  // the conditions in force, bit i for Condition i

 private:
  mutable Vars<std::string> decimals_;
  mutable Mask written = 0, rounded_ = 0;

 public:
  void Set(int var, double v, std::optional<Exact> e = std::nullopt) {
    value[static_cast<std::size_t>(var)] = v;
    exact[static_cast<std::size_t>(var)] = e;
    known |= Bit(var);
    written &= ~Bit(var);
  }
  // Each value's decimal as the working writes it, made once: a working writes each many times.
  const std::string& Decimal(int var, bool& rounded, const runtime::RegionalSettings& settings) const;
  bool Knows(int var) const { return (known & Bit(var)) != 0; }
};

// The lengths, the area and the angle's functions that make a trapezoid whole once known.
inline constexpr Mask kWhole = Bit(vA) | Bit(vC) | Bit(vB) | Bit(vH) | Bit(vP) | Bit(vS) | Bit(vM) | Bit(vD) |
                               Bit(vX) | Bit(vCos) | Bit(vSin) | Bit(vTg) | Bit(vR);

bool Applies(const Formula& f, Mask conditions);

// The formulas, by their index in Formulas(), that find what `known` leads to, in order.
std::vector<int> Plan(Mask known, Mask conditions);
// What is known after `plan`.
Mask After(Mask known, const std::vector<int>& plan);

// Runs `plan` in doubles only; false where a step leaves the numbers (a root of a negative
// number, a division by zero) or gives a sine or cosine above 1.
bool RunNumbers(const std::vector<int>& plan, Vars<double>& value);

// The formulas whose elements are all known after `plan` but that it did not use: the checks
// that what was found agrees with the rest.
std::vector<int> Checks(Mask known, Mask conditions, const std::vector<int>& plan);

// How far formula `f` is from holding in `value`: its element less what the formula gives.
double Residual(int f, const Vars<double>& value);
// Whether formula `f` holds in `value`, to `tolerance` of the largest number it speaks of; a
// check that cannot be computed holds.
bool Holds(int f, const Vars<double>& value, double tolerance);

// Runs one step of the plan in doubles and in exact numbers, and writes it as the working does:
// "h = √(b² − x²) = √(5² − 3²) = √16 = 4". False where it cannot be computed; `line` then says
// why in words.
bool RunStep(int f, State& state, std::string& line, const runtime::RegionalSettings& settings);

// A number as the working puts it into a formula: "5√3/2", "4,330127".
std::string Written(double value, const std::optional<Exact>& exact,
                    const runtime::RegionalSettings& settings);
// How a value ends its line: " = 5√3/2 ≈ 4,330127", " ≈ 4,330127", " = 20".
std::string Ending(double value, const std::optional<Exact>& exact,
                   const runtime::RegionalSettings& settings);

// Whether the lengths and the angle's functions known in `value` can be those of a trapezoid:
// the lengths above zero, the sine and cosine at most 1.
bool Plausible(Mask known, const Vars<double>& value);

}  // namespace model::problem
