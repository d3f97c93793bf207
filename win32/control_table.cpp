#include "win32/control_table.h"

#include "model/quantity.h"
#include "window/describe.h"
#include "window/texts.h"

namespace window {

namespace {

ControlSpec Make(layout::TabStop stop, int tabIndex) {
  ControlSpec s;
  s.control = stop.control;
  s.element = stop.element;
  s.tabIndex = tabIndex;
  const int e = stop.element;
  auto describe = [&s](const texts::Accessible& a) {
    s.name = a.name;
    s.description = a.description;
  };
  switch (stop.control) {
    case layout::Control::Label1:
      s.rect = layout::kLabel1[e];
      s.text = e == 0 ? texts::kTitle : texts::kGiven;
      s.background = colours::kHeading;
      describe(texts::kLabel1Accessible[e]);
      break;
    case layout::Control::List1:
      s.rect = layout::kList1;
      describe(texts::kList1Accessible);
      break;
    case layout::Control::Frame1:
      s.rect = layout::kFrame1;
      s.text = texts::kMeasures;
      s.background = colours::kWindow;
      describe(texts::kFrame1Accessible);
      break;
    case layout::Control::Check1: {
      s.rect = layout::Check1Rect(e);
      s.inFrame = true;
      s.text = std::string(model::kLetters[e]);
      s.background = colours::kTick;
      const Description d = QuantityTick(e);
      s.name = d.name;
      s.description = d.description;
      break;
    }
    case layout::Control::Text2: {
      s.rect = layout::Text2Rect(e);
      s.inFrame = true;
      const Description d = QuantityBox(e);
      s.name = d.name;
      s.description = d.description;
      break;
    }
    case layout::Control::Picture1:
      s.rect = layout::kPicture1;
      describe(texts::kPicture1Accessible);
      break;
    case layout::Control::Command1:
      s.rect = layout::kCommand1[e];
      s.text = e == 0 ? texts::kCalculate : texts::kClear;
      s.background = e == 0 ? colours::kCalculate : colours::kClear;
      describe(texts::kCommand1Accessible[e]);
      break;
    case layout::Control::Text1:
      s.rect = layout::kText1[e];
      s.text = e == 0 ? texts::kAssignment : texts::kAphorism;
      s.visible = e == 0;
      describe(texts::kText1Accessible[e]);
      break;
  }
  return s;
}

}  // namespace

const std::vector<ControlSpec>& Controls() {
  static const std::vector<ControlSpec> controls = [] {
    std::vector<ControlSpec> all;
    for (int i = 0; i < static_cast<int>(layout::kTabOrder.size()); ++i)
      all.push_back(Make(layout::kTabOrder[i], i));
    return all;
  }();
  return controls;
}

}  // namespace window
