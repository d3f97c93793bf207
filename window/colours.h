// The window's colours.
#pragma once

namespace panel::colours {

struct Rgb {
  int red, green, blue;
};

inline constexpr Rgb kWindow = {192, 192, 255};   // light lavender blue
inline constexpr Rgb kHeading = {255, 192, 128};  // light orange
inline constexpr Rgb kTick = {128, 128, 255};
inline constexpr Rgb kCalculate = {0, 255, 0};
inline constexpr Rgb kClear = {255, 0, 0};
// A box of the problem window that «Изчисли» filled in, apart from the typed ones.
inline constexpr Rgb kFound = {255, 255, 208};

}  // namespace panel::colours
