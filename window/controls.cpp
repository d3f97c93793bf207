#include "window/controls.h"

#include <algorithm>
#include <stdexcept>

#include "model/quantity.h"
#include "window/describe.h"

namespace panel {

namespace {

using layout::Control;
using layout::Rect;

ControlSpec Spec(Control control, int element, Rect rect, std::string text,
                 std::optional<colours::Rgb> colour, int tabIndex, const texts::Accessible& words) {
  return {control, element, rect, std::move(text), colour, tabIndex, true, words.name, words.description};
}

// Row i of the frame: the tick of quantity i and its value box, one beside the other.
void AddQuantityRows(std::vector<ControlSpec>& all) {
  static constexpr int kTickTab[] = {4, 6, 8, 10, 12, 19};
  for (int i = 0; i < model::kQuantityCount; ++i) {
    const int top = 24 + 24 * i;
    const Description tick = QuantityTick(i), box = QuantityBox(i);
    all.push_back({Control::Check1,
                   i,
                   {8, top, 41, 27},
                   std::string(model::kLetters[i]),
                   colours::kTick,
                   kTickTab[i],
                   true,
                   tick.name,
                   tick.description});
    all.push_back({Control::Text2,
                   i,
                   {56, top, 89, 27},
                   "",
                   std::nullopt,
                   kTickTab[i] + 1,
                   true,
                   box.name,
                   box.description});
  }
}

std::vector<ControlSpec> Build() {
  std::vector<ControlSpec> all;
  all.push_back(Spec(Control::Label1, 0, {16, 0, 449, 25}, texts::kTitle, colours::kHeading, 2,
                     texts::kLabel1Accessible[0]));
  all.push_back(Spec(Control::Label1, 1, {16, 40, 81, 25}, texts::kGiven, colours::kHeading, 17,
                     texts::kLabel1Accessible[1]));
  all.push_back(Spec(Control::List1, 0, {16, 64, 81, 137}, "", std::nullopt, 14, texts::kList1Accessible));
  all.push_back(Spec(Control::Frame1, 0, {112, 32, 153, 177}, texts::kMeasures, colours::kWindow, 3,
                     texts::kFrame1Accessible));
  AddQuantityRows(all);
  all.push_back(
      Spec(Control::Picture1, 0, {280, 32, 187, 201}, "", std::nullopt, 18, texts::kPicture1Accessible));
  all.push_back(Spec(Control::Command1, 0, {16, 216, 89, 25}, texts::kCalculate, colours::kCalculate, 15,
                     texts::kCommand1Accessible[0]));
  all.push_back(Spec(Control::Command1, 1, {144, 216, 89, 25}, texts::kClear, colours::kClear, 16,
                     texts::kCommand1Accessible[1]));
  all.push_back(Spec(Control::Text1, 0, {8, 248, 457, 169}, texts::kAssignment, std::nullopt, 0,
                     texts::kText1Accessible[0]));
  // The aphorism is hidden: it reaches past the window and never shows.
  ControlSpec aphorism = Spec(Control::Text1, 1, {40, 312, 449, 121}, texts::kAphorism, std::nullopt, 1,
                              texts::kText1Accessible[1]);
  aphorism.visible = false;
  all.push_back(std::move(aphorism));
  return all;
}

}  // namespace

layout::Rect ControlSpec::InWindow() const {
  if (!InFrame()) return rect;
  const Rect frame = ControlOf(Control::Frame1, 0).rect;
  return {frame.left + rect.left, frame.top + rect.top, rect.width, rect.height};
}

const std::vector<ControlSpec>& Controls() {
  static const std::vector<ControlSpec> all = Build();
  return all;
}

const ControlSpec& ControlOf(Control control, int element) {
  const std::vector<ControlSpec>& all = Controls();
  const auto at = std::find_if(all.begin(), all.end(), [&](const ControlSpec& c) {
    return c.control == control && c.element == element;
  });
  if (at == all.end()) throw std::out_of_range("no such control");
  return *at;
}

std::string ObjectName(const ControlSpec& spec) {
  const std::string name = layout::ObjectName(spec.control);
  return layout::IsArray(spec.control) ? name + '_' + std::to_string(spec.element) : name;
}

}  // namespace panel
