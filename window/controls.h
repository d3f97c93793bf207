// Every control of the window as one table: what it is, where it stands, what it says, its colour,
// its place in the tab order and what a screen reader says of it. The desktop window and the web
// page are both loops over this table; neither names a place, a caption or a colour of its own.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window/colours.h"
#include "window/layout.h"
#include "window/texts.h"

namespace panel {

struct ControlSpec {
  layout::Control control;
  int element = 0;
  layout::Rect rect;  // in its container: the frame for Check1 and Text2, else the window
  std::string text;   // caption or content; empty where the control shows none
  std::optional<colours::Rgb> background;  // where the control has a colour of its own
  int tabIndex = 0;
  bool visible = true;
  std::string name, description;  // what a screen reader says of it

  bool InFrame() const { return control == layout::Control::Check1 || control == layout::Control::Text2; }
  // The rectangle measured from the window's client area.
  layout::Rect InWindow() const;
};

// The window itself.
struct FormSpec {
  const char* caption;
  int width, height;
  const char* fontFamily;
  int fontPoints;
  colours::Rgb background;
  texts::Accessible accessible;
};
inline constexpr FormSpec kForm = {texts::kCaption,         layout::kClientWidth, layout::kClientHeight,
                                   layout::kFontFamily,     layout::kFontPoints,  colours::kWindow,
                                   texts::kWindowAccessible};

// The controls in the order a front end creates them: a container before what it contains.
const std::vector<ControlSpec>& Controls();

// The control `element` of `control`; throws std::out_of_range where there is none.
const ControlSpec& ControlOf(layout::Control control, int element);

// "Text2_4" for an element of an array, "Frame1" for a single control.
std::string ObjectName(const ControlSpec& spec);

}  // namespace panel
