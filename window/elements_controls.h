// Every control of the window for a problem as the book gives it, as one table: what it is, where
// it stands, what it says, its colour, its place in the tab order and what a screen reader says
// of it. Each front end is a loop over this table, as the design's window is over its own.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window/colours.h"
#include "window/layout.h"

namespace panel::elements {

enum class Kind {
  Title,      // the orange band at the top
  Letter,     // a row's letter, «a»
  Name,       // a row's Bulgarian name, «голяма основа»
  Box,        // a row's box: typed, or found by «Изчисли»
  Tick,       // a condition
  Ratio,      // the ratio's own small box, beside its tick
  Calculate,  // «Изчисли»
  Clear,      // «Изчисти»
  Switch,     // «Решение 1 от 2», which shows the next trapezoid
  Picture,    // the drawing
  Solution,   // the notebook solution, scrollable
};

struct Control {
  Kind kind;
  int index = 0;  // the row or the condition; 0 for a single control
  layout::Rect rect;
  std::string text;
  std::optional<colours::Rgb> background;
  int tabIndex = -1;              // -1 for a control that takes no focus
  std::string name, description;  // what a screen reader says of it
};

inline constexpr int kWidth = 720, kHeight = 600;

// The page and the front ends name each control so: «E_a», «E_alpha», «E_O_to_AB», «E_incircle»,
// «E_Calculate», «E_Clear», «E_Next», «E_Picture», «E_Solution»; empty for the labels.
std::string Id(const Control& control);

// The controls in the order a front end creates them, which is their tab order too.
const std::vector<Control>& Controls();

}  // namespace panel::elements
