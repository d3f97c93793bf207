// A formula as data: a small expression tree over the measures, x and the integer 2, which the
// solver evaluates with the checked arithmetic and the explanation prints. Both walk the same
// nodes in the same order, so what a pupil reads is what was computed.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/quantity.h"

namespace model {

// What a step reads or sets: the six measures by their index, then x, the projection of a leg
// on the larger base (half the difference of the bases).
inline constexpr int kX = kQuantityCount;
inline constexpr int kTermCount = kQuantityCount + 1;
inline constexpr std::array<std::string_view, kTermCount> kTermLetters = [] {
  std::array<std::string_view, kTermCount> letters{};
  for (int i = 0; i < kQuantityCount; ++i)
    letters[static_cast<std::size_t>(i)] = kLetters[static_cast<std::size_t>(i)];
  letters[kX] = "x";
  return letters;
}();
using Terms = std::array<double, kTermCount>;

enum class Op : std::uint8_t { Term, Two, Add, Sub, Mul, Div, Sqr };

// One node; its operands are earlier nodes of the same formula (Sqr has only `left`).
struct Node {
  Op op = Op::Two;
  std::uint8_t term = 0;
  std::uint8_t left = 0;
  std::uint8_t right = 0;
};

inline constexpr int kMaxNodes = 12;
// Every combination's formula set takes this many steps.
inline constexpr int kStepsPerSet = 4;

// The nodes in evaluation order: operands before their operation, the left operand first; the
// last node is the whole formula.
struct Formula {
  std::array<Node, kMaxNodes> nodes{};
  int size = 0;

  constexpr int Root() const { return size - 1; }
  constexpr const Node& operator[](int i) const { return nodes[static_cast<std::size_t>(i)]; }
};

namespace build {

constexpr Formula Leaf(Op op, int term = 0) {
  Formula f;
  f.nodes[0] = {op, static_cast<std::uint8_t>(term), 0, 0};
  f.size = 1;
  return f;
}

constexpr void Append(Formula& to, const Formula& from) {
  if (to.size + from.size >= kMaxNodes) throw "formula too long";
  const int offset = to.size;
  for (int i = 0; i < from.size; ++i) {
    Node n = from[i];
    n.left = static_cast<std::uint8_t>(n.left + offset);
    n.right = static_cast<std::uint8_t>(n.right + offset);
    to.nodes[static_cast<std::size_t>(to.size++)] = n;
  }
}

constexpr Formula Join(Op op, const Formula& left, const Formula& right) {
  Formula f;
  Append(f, left);
  Append(f, right);
  f.nodes[static_cast<std::size_t>(f.size)] = {op, 0, static_cast<std::uint8_t>(left.size - 1),
                                               static_cast<std::uint8_t>(f.size - 1)};
  ++f.size;
  return f;
}

constexpr Formula Sqrt(const Formula& argument) {
  Formula f;
  Append(f, argument);
  f.nodes[static_cast<std::size_t>(f.size)] = {Op::Sqr, 0, static_cast<std::uint8_t>(f.size - 1), 0};
  ++f.size;
  return f;
}

}  // namespace build

// C++'s own precedence and left-to-right grouping of + − × / are those of the formulas, so a
// formula written with these operators keeps its order of operations.
constexpr Formula operator+(const Formula& l, const Formula& r) { return build::Join(Op::Add, l, r); }
constexpr Formula operator-(const Formula& l, const Formula& r) { return build::Join(Op::Sub, l, r); }
constexpr Formula operator*(const Formula& l, const Formula& r) { return build::Join(Op::Mul, l, r); }
constexpr Formula operator/(const Formula& l, const Formula& r) { return build::Join(Op::Div, l, r); }

// One step of a formula set: the value it sets and how.
struct Step {
  int target;
  Formula formula;

  constexpr Step(const Formula& target, const Formula& formula) : target(target[0].term), formula(formula) {}
};

// Whether the formula reads `term`.
constexpr bool Reads(const Formula& f, int term) {
  for (int i = 0; i < f.size; ++i) {
    if (f[i].op == Op::Term && f[i].term == term) return true;
  }
  return false;
}

// Evaluates the nodes of `f` in order into `values` and returns the last one. On an arithmetic
// error (runtime::ArithmeticError) `node` is left at the node that raised it.
using NodeValues = std::array<double, kMaxNodes>;
double Evaluate(const Formula& f, const Terms& terms, NodeValues& values, int& node);

}  // namespace model
