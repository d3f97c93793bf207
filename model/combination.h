// The twelve choices of three given measures that the user can pick from.
#pragma once

#include <array>
#include <string_view>

#include "model/quantity.h"

namespace model {

struct Combination {
  std::string_view label;         // the text of its list row
  std::array<Quantity, 3> given;  // ascending index order
};

inline constexpr int kCombinationCount = 12;

inline constexpr std::array<Combination, kCombinationCount> kCombinations = {{
    {"a,b,c", {A, B, C}},
    {"a,b,h", {A, B, H}},
    {"a,c,h", {A, C, H}},
    {"b,c,h", {B, C, H}},
    {"P,a,b", {A, B, P}},
    {"P,a,c", {A, C, P}},
    {"P,b,c", {B, C, P}},
    {"P,b,h", {B, H, P}},
    {"S,a,c", {A, C, S}},
    {"S,a,h", {A, H, S}},
    {"S,b,h", {B, H, S}},
    {"S,c,h", {C, H, S}},
}};

constexpr bool IsCombination(int index) { return index >= 0 && index < kCombinationCount; }

// Whether `quantity` is one of the given three of combination `index`; false for an index
// that names no combination.
bool IsGiven(int index, int quantity);

}  // namespace model
