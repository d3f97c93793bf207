// The relations between the elements of an isosceles trapezoid as a table of formulas, each
// solved for one element: "h = √(b² − x²)", "x = (a − c) / 2", "S = m·h". The general solver
// finds an element by the first formula of the table whose elements are all known, so the table's
// order is the order in which a pupil reaches for them. Each formula is written once, with its
// elements in braces, and is both computed (in doubles and in exact numbers) and printed from it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/exact.h"

namespace model::problem {

// What the relations speak of: the lengths, the area, α by its cosine, sine and tangent, the
// radii, and k, the ratio a : c where it is given.
enum Var : int { vA, vC, vB, vH, vP, vS, vM, vD, vX, vCos, vSin, vTg, vR, vRin, vK, kVarCount };
inline constexpr std::array<std::string_view, kVarCount> kVarNames = {
    "a", "c", "b", "h", "P", "S", "m", "d", "x", "cos", "sin", "tg", "R", "r", "k"};
inline constexpr std::array<std::string_view, kVarCount> kVarLetters = {
    "a", "c", "b", "h", "P", "S", "m", "d", "x", "cos α", "sin α", "tg α", "R", "r", "k"};

using Mask = std::uint32_t;
constexpr Mask Bit(int var) { return Mask{1} << var; }

template <typename T>
using Vars = std::array<T, kVarCount>;

struct Formula {
  Var target;
  std::string_view text;  // "√({b}² − {x}²)"
  double (*number)(const Vars<double>&);
  Exact (*exact)(const Vars<Exact>&);  // raises NoExactForm where the exact form is lost
  int condition;                       // the condition that brings it, or -1 for every trapezoid
  // What stops it, with the elements in braces: "бедрото b = {b} е по-късо от x = {x}".
  std::string_view failure;
  Mask sources;
  bool root;  // takes a square root
  // For a formula √(E), E: the relation squared, with no root, for solving by formula.
  Exact (*radicand)(const Vars<Exact>&);
  std::string letters;  // the formula as letters, "√(b² − x²)"
};

// The whole table, in the order of preference.
std::span<const Formula> Formulas();

// The formula as letters, "√(b² − x²)", and with numbers put in by `put`, which gets each
// element's index and whether it must be bracketed even where it holds together like a product
// ("(5√3/2)²"), and returns its text.
std::string Letters(std::string_view text);
template <typename Put>
std::string PutIn(std::string_view text, const Put& put);

// Whether `text` has `var` in braces at `at` and where its name ends.
std::size_t Placeholder(std::string_view text, std::size_t at, int& var);

template <typename Put>
std::string PutIn(std::string_view text, const Put& put) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    int var = 0;
    const std::size_t end = Placeholder(text, i, var);
    if (end == 0) {
      out += text[i++];
      continue;
    }
    const bool afterDigit = !out.empty() && out.back() >= '0' && out.back() <= '9';
    const std::string_view before = std::string_view(out).substr(out.size() >= 2 ? out.size() - 2 : 0);
    const std::string_view after = text.substr(end);
    const bool tight = afterDigit || before.ends_with("·") || before.ends_with("/ ") ||
                       after.starts_with("²") || after.starts_with("·") || after.starts_with(" /");
    const std::string put_ = put(var, tight);
    // After a factor written as a digit a number takes the multiplication sign (2x is 2·7), a word
    // a space (2 sin α).
    if (afterDigit && !put_.empty()) {
      const char first = put_[0];
      if ((first >= '0' && first <= '9') || first == '(' || static_cast<unsigned char>(first) >= 0x80)
        out += "·";
      else if (put_.size() > 1)
        out += " ";
    }
    out += put_;
    i = end;
  }
  return out;
}

}  // namespace model::problem
