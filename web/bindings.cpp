// What the page asks of the WebAssembly core: the window's state and its events (window/form.h),
// bound as they are, so that the page paints the same state as the desktop windows.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <vector>

#include "window/form.h"
#include "window/svg.h"

namespace {

using emscripten::val;

// The defaults that the browser's number format is laid over.
runtime::RegionalSettings DefaultSettings() { return {}; }

// The picture's lists as JavaScript arrays of plain objects, so that the state goes to the page
// and back whole, with nothing to free.
template <typename T>
val Array(const std::vector<T>& items) {
  val array = val::array();
  for (const T& item : items) array.call<void>("push", item);
  return array;
}

template <typename T, std::vector<T> panel::Picture::*list>
val Get(const panel::Picture& p) {
  return Array(p.*list);
}

template <typename T, std::vector<T> panel::Picture::*list>
void Set(panel::Picture& p, val items) {
  p.*list = emscripten::vecFromJSArray<T>(items);
}

// Picture1 as the page shows it: SVG, written from the state's picture.
std::string Picture1_Svg(const panel::State& state) { return panel::WriteSvg(state.picture); }

}  // namespace

EMSCRIPTEN_BINDINGS(trapezoid) {
  using emscripten::index;
  using emscripten::value_object;
  value_object<runtime::RegionalSettings>("RegionalSettings")
      .field("decimalSymbol", &runtime::RegionalSettings::decimalSymbol)
      .field("groupSymbol", &runtime::RegionalSettings::groupSymbol)
      .field("groupSize", &runtime::RegionalSettings::groupSize)
      .field("grouping", &runtime::RegionalSettings::grouping)
      .field("leadingZero", &runtime::RegionalSettings::leadingZero)
      .field("negativeSign", &runtime::RegionalSettings::negativeSign)
      .field("negativeInParentheses", &runtime::RegionalSettings::negativeInParentheses);
  value_object<panel::Message>("Message")
      .field("title", &panel::Message::title)
      .field("text", &panel::Message::text);
  value_object<panel::Row>("Row")
      .field("ticked", &panel::Row::ticked)
      .field("readOnly", &panel::Row::readOnly)
      .field("text", &panel::Row::text)
      .field("working", &panel::Row::working)
      .field("description", &panel::Row::description);
  value_object<panel::Point>("Point").field("x", &panel::Point::x).field("y", &panel::Point::y);
  emscripten::enum_<panel::Dash>("Dash")
      .value("Solid", panel::Dash::Solid)
      .value("Dashed", panel::Dash::Dashed);
  emscripten::enum_<panel::Weight>("Weight")
      .value("Thin", panel::Weight::Thin)
      .value("Thick", panel::Weight::Thick);
  emscripten::enum_<panel::Anchor>("Anchor")
      .value("Left", panel::Anchor::Left)
      .value("Centre", panel::Anchor::Centre)
      .value("Right", panel::Anchor::Right);
  value_object<panel::Line>("Line")
      .field("from", &panel::Line::from)
      .field("to", &panel::Line::to)
      .field("dash", &panel::Line::dash)
      .field("weight", &panel::Line::weight);
  value_object<panel::Arc>("Arc")
      .field("centre", &panel::Arc::centre)
      .field("radius", &panel::Arc::radius)
      .field("start", &panel::Arc::start)
      .field("sweep", &panel::Arc::sweep);
  value_object<panel::RightAngle>("RightAngle")
      .field("corner", &panel::RightAngle::corner)
      .field("first", &panel::RightAngle::first)
      .field("second", &panel::RightAngle::second)
      .field("size", &panel::RightAngle::size);
  value_object<panel::Label>("Label")
      .field("text", &panel::Label::text)
      .field("at", &panel::Label::at)
      .field("anchor", &panel::Label::anchor)
      .field("size", &panel::Label::size);
  value_object<panel::Picture>("Picture")
      .field("lines", &Get<panel::Line, &panel::Picture::lines>, &Set<panel::Line, &panel::Picture::lines>)
      .field("arcs", &Get<panel::Arc, &panel::Picture::arcs>, &Set<panel::Arc, &panel::Picture::arcs>)
      .field("marks", &Get<panel::RightAngle, &panel::Picture::marks>,
             &Set<panel::RightAngle, &panel::Picture::marks>)
      .field("labels", &Get<panel::Label, &panel::Picture::labels>,
             &Set<panel::Label, &panel::Picture::labels>)
      .field("description", &panel::Picture::description)
      .field("working", &panel::Picture::working)
      .field("printWidth", &panel::Picture::printWidth)
      .field("printScale", &panel::Picture::printScale);
  emscripten::value_array<std::array<panel::Row, model::kQuantityCount>>("Rows")
      .element(index<0>())
      .element(index<1>())
      .element(index<2>())
      .element(index<3>())
      .element(index<4>())
      .element(index<5>());
  value_object<panel::State>("State")
      .field("combination", &panel::State::combination)
      .field("maxLength", &panel::State::maxLength)
      .field("rows", &panel::State::rows)
      .field("solution", &panel::State::solution)
      .field("copy", &panel::State::copy)
      .field("message", &panel::State::message)
      .field("picture", &panel::State::picture);
  emscripten::function("Form_Load", &panel::Form_Load);
  emscripten::function("List1_Click", &panel::List1_Click);
  emscripten::function("Text2_Change", &panel::Text2_Change);
  emscripten::function("Command1_Click", &panel::Command1_Click);
  emscripten::function("Message_Close", &panel::Message_Close);
  emscripten::function("defaultSettings", &DefaultSettings);
  emscripten::function("Picture1_Svg", &Picture1_Svg);
}
