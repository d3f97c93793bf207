// The window's controls as one list, made from window/'s tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window/colours.h"
#include "window/layout.h"

namespace window {

struct ControlSpec {
  layout::Control control = layout::Control::Text1;
  int element = 0;
  layout::Rect rect{};  // in the window, or in the frame where inFrame
  bool inFrame = false;
  std::string text;
  std::optional<colours::Rgb> background;
  int tabIndex = 0;
  std::string name;
  std::string description;
  bool visible = true;
};

// In tab order.
const std::vector<ControlSpec>& Controls();

}  // namespace window
