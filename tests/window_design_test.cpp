// The table of controls against the window's design, written down once by hand
// (tests/design/window.json): every place, size, colour and tab index, and the order in which Tab
// visits the controls. The front ends are built and tested from the table; this is what holds the
// table itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "design_window.h"
#include "window/controls.h"

namespace {

using panel::ControlSpec;

std::array<int, 3> Rgb(const panel::colours::Rgb& c) { return {c.red, c.green, c.blue}; }

TEST(WindowDesign, TheWindowIsTheDesigns) {
  EXPECT_EQ(panel::kForm.width, design::kWidth);
  EXPECT_EQ(panel::kForm.height, design::kHeight);
  EXPECT_EQ(Rgb(panel::kForm.background), design::kBackground);
}

TEST(WindowDesign, EachControlStandsWhereTheDesignPutsIt) {
  const auto& table = panel::Controls();
  ASSERT_EQ(table.size(), std::size(design::kControls));
  for (const design::Control& want : design::kControls) {
    const auto at = std::find_if(table.begin(), table.end(),
                                 [&](const ControlSpec& c) { return panel::ObjectName(c) == want.id; });
    ASSERT_NE(at, table.end()) << want.id;
    const panel::layout::Rect r = at->rect;
    EXPECT_EQ((std::array{r.left, r.top, r.width, r.height}), want.rect) << want.id;
    EXPECT_EQ(at->InFrame() ? "Frame1" : "", std::string(want.in)) << want.id;
    EXPECT_EQ(at->background ? std::optional(Rgb(*at->background)) : std::nullopt, want.background)
        << want.id;
    EXPECT_EQ(at->tabIndex, want.tabIndex) << want.id;
    EXPECT_EQ(at->visible, !want.hidden) << want.id;
  }
}

// Tab skips what cannot take the focus: the labels, the frame, the ticks (never enabled) and the
// hidden aphorism.
TEST(WindowDesign, TabVisitsTheControlsInTheDesignsOrder) {
  std::vector<ControlSpec> stops;
  for (const ControlSpec& c : panel::Controls()) {
    using panel::layout::Control;
    const bool focusable = c.visible && c.control != Control::Label1 && c.control != Control::Frame1 &&
                           c.control != Control::Check1;
    if (focusable) stops.push_back(c);
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const ControlSpec& x, const ControlSpec& y) { return x.tabIndex < y.tabIndex; });
  std::vector<std::string> visited;
  for (const ControlSpec& c : stops) visited.push_back(panel::ObjectName(c));
  EXPECT_EQ(visited, std::vector<std::string>(std::begin(design::kFocus), std::end(design::kFocus)));
}

}  // namespace
