// The measures a textbook asks for next, from a solved trapezoid: the midline m, the diagonal d,
// the base angles α (at the larger base) and β, the radius R of the circumscribed circle and,
// where a circle can be inscribed, its radius r. Each comes with its step of the working, exact
// where the measures it is made of have an exact form, as the six measures' steps are.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/exact.h"
#include "model/exact_solver.h"
#include "model/solver.h"
#include "runtime/regional_settings.h"

namespace model {

// An angle in degrees; `minutes` is the whole angle in minutes, rounded. `exact` where the angle
// is a whole number of minutes exactly (45°, or 90° for a rectangle).
struct Angle {
  double degrees = 0;
  long long minutes = 0;
  bool exact = false;
};

// One step as the working prints it: "d = √(h² + m²) = √(8² + 15²) = √289 = 17". Angles end
// with their degrees instead: "tg α = h / x = 8 / 6 = 4/3 ≈ 1,3333333, α ≈ 53,13° ≈ 53°08′".
struct MeasureStep {
  std::string symbol;           // "d", "tg α"
  std::string formula;          // "√(h² + m²)"; empty where the value is known without one (α = 90°)
  std::string numbers;          // the numbers put in: "√(8² + 15²)"
  bool roundedNumbers = false;  // one of them is a decimal that is not the value itself
  std::string root;             // for a root, its argument as one number where that says more: "√289"
  std::string exact;            // the exact form, "5√3/2"; empty where there is none
  std::string decimal;          // "4,330127"
  bool approximate = false;     // `decimal` is not the value itself
  // Angles only: the angle's letter, its degrees with decimals and in degrees and minutes.
  std::string angle, degrees, minutes;  // "α", "53,13°", "53°08′"; `degrees` alone when exact: "45°"
  bool exactAngle = false;

  std::string Line() const;
};

struct Derived {
  double m = 0, d = 0, R = 0;
  std::optional<double> r;  // where a + c = 2·b, decided in exact arithmetic
  std::optional<Exact> mExact, dExact, RExact, rExact;
  Angle alpha, beta;
  // m, d, tg α (or α), β, R, then r where there is one.
  std::vector<MeasureStep> steps;
};

// The new measures of a solved figure with a ≥ 0, c ≥ 0 and h > 0 (a trapezoid, or the triangle or
// rectangle that Classify names); nothing for any other, and nothing where a measure leaves the
// range of a double. `exact` holds the exact forms of the six measures where they have one.
std::optional<Derived> Derive(const Measures& measures, const ExactTerms& exact,
                              const runtime::RegionalSettings& settings);

// An angle's degrees with two decimals in the regional format, "53,13°", and in degrees and
// minutes, "53°08′".
std::string DegreesText(const Angle& angle, const runtime::RegionalSettings& settings);
std::string MinutesText(const Angle& angle);

}  // namespace model
