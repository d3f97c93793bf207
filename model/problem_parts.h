// The parts of the general solver, each in a file of its own: reading the givens, finishing one
// trapezoid with every element and judging it, and searching for an unknown the relations cannot
// reach by themselves.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "model/problem.h"
#include "model/propagation.h"

namespace model::problem {

struct Setup {
  const runtime::RegionalSettings& settings;
  State state{};
  Mask given = 0;                  // the elements given, not found
  std::vector<std::string> lines;  // the givens as the book gives them
  std::string refused;
  double scale = 0;                                                // the largest given length, for the search
  double alphaDegrees = std::numeric_limits<double>::quiet_NaN();  // α where given in degrees
  std::optional<Exact> alphaExact;
};

// Reads the givens and conditions into `s`; false, with `s.refused`, where they cannot be taken.
bool Read(const Problem& p, Setup& s);

// A trapezoid whose whole is known: every element with the steps that find those the plan does
// not, or why it is none (c < 0, a triangle, ...).
struct Judged {
  std::optional<Solution> solution;
  std::string why;
};
// Why the known a, b, c and h make no trapezoid (c < 0, a triangle, ...); empty where they make
// one or are not all known.
std::string ShapeWhy(const State& state, const runtime::RegionalSettings& settings);
Judged Finish(const Setup& s, const State& state, std::vector<std::string> steps, bool design);

// The elements' doubles of a whole state, for telling which a family of trapezoids shares; NaN
// for an element the state has not.
std::array<double, kElementCount> Numbers(const State& state);

void SolveInto(const Problem& p, const runtime::RegionalSettings& settings, Answer& answer);

}  // namespace model::problem
