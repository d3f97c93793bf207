// A problem about an isosceles trapezoid as a textbook gives it: any known elements (bases, leg,
// height, perimeter, area, midline, diagonal, the angle at the larger base or its sine, cosine or
// tangent, the radii) and conditions (an inscribed circle, perpendicular diagonals, ...), and
// every trapezoid they fix, with each element and the working that finds it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/exact.h"
#include "runtime/regional_settings.h"

namespace model::problem {

// The elements the solver reports, in the order it prints them; the names are those of the
// command line and of the JSON answer.
enum Element : int {
  kA,
  kC,
  kB,
  kH,
  kP,
  kS,
  kM,
  kD,
  kAlpha,
  kBeta,
  kCircumradius,
  kInradius,
  kSinAlpha,
  kCosAlpha,
  kTgAlpha,
  kX,
  kPhi,
  kOToAB,
  kOToDC,
  kElementCount
};
inline constexpr std::array<std::string_view, kElementCount> kElementNames = {
    "a", "c", "b",         "h",         "P",        "S", "m",   "d",       "alpha",  "beta",
    "R", "r", "sin_alpha", "cos_alpha", "tg_alpha", "x", "phi", "O_to_AB", "O_to_DC"};
// How the working writes each element.
inline constexpr std::array<std::string_view, kElementCount> kElementLetters = {
    "a", "c", "b",     "h",     "P",    "S", "m", "d",   "α",  "β",
    "R", "r", "sin α", "cos α", "tg α", "x", "φ", "OO₁", "OO₂"};
// Angles are in degrees; the others are lengths, an area, or the sine, cosine and tangent.
constexpr bool IsAngle(Element e) { return e == kAlpha || e == kBeta || e == kPhi; }

enum Condition : int {
  kIncircle,                    // a circle can be inscribed: a + c = 2b
  kPerpendicularDiagonals,      // AC ⊥ BD: h = m
  kDiagonalPerpendicularToLeg,  // AC ⊥ BC: h² = x·m
  kDiagonalBisectsAngle,        // AC bisects ∠BAD: c = b
  kBasesRatio,                  // a : c = p : q
  kConditionCount
};
inline constexpr std::array<std::string_view, kConditionCount> kConditionNames = {
    "incircle", "perpendicular_diagonals", "diagonal_perpendicular_to_leg", "diagonal_bisects_angle",
    "bases_ratio"};

// One given value: its element (a length, the area, α or β in degrees, or α's sine, cosine or
// tangent) and the number as read.
struct Given {
  Element element = kA;
  double value = 0;
};

struct Problem {
  std::vector<Given> givens;
  std::array<bool, kConditionCount> conditions{};
  double ratioP = 0, ratioQ = 0;  // the bases' ratio, where kBasesRatio is set
};

// An element's value, exact where the givens are exact and the working keeps it so.
struct Value {
  double value = 0;
  std::optional<Exact> exact;
};

// One trapezoid that fits: each element it has (r only where a circle can be inscribed), and
// the steps that find them, one formula a step with its numbers put in.
struct Solution {
  std::array<std::optional<Value>, kElementCount> values;
  std::vector<std::string> steps;
};

struct Answer {
  // "a = 27", "α = 45°", "a + c = 2b (в трапеца може да се впише окръжност)".
  std::vector<std::string> given;
  // Steps before the solutions part ways: the system and its roots, each judged.
  std::vector<std::string> common;
  // Every trapezoid that fits; where the givens fix none, one with the elements they do fix.
  std::vector<Solution> solutions;
  bool determined = true;
  std::vector<Element> undetermined;  // with the reason in words
  std::string undeterminedReason;
  // Not empty where the givens disagree, are out of range, or fit no trapezoid: why, in words.
  std::string refused;
};

// Solves `problem`, writing numbers with `settings`. Never throws for any input: what cannot be
// solved comes back as `refused`.
Answer Solve(const Problem& problem, const runtime::RegionalSettings& settings);

}  // namespace model::problem
