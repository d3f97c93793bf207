// The six measures of an isosceles trapezoid, by their fixed index.
#pragma once

#include <array>
#include <string_view>

namespace model {

enum Quantity : int { A = 0, B = 1, C = 2, H = 3, P = 4, S = 5 };

inline constexpr int kQuantityCount = 6;

// Digits after the decimal symbol with which every measure is written.
inline constexpr int kDecimals = 7;

// The one-letter caption of each quantity, in index order.
inline constexpr std::array<std::string_view, kQuantityCount> kLetters = {"a", "b", "c", "h", "P", "S"};

}  // namespace model
