// What the page asks of the WebAssembly core: the window's state and its events (window/form.h),
// bound as they are, so that the page paints the same state as the desktop windows.
#include <emscripten/bind.h>

#include "window/form.h"

namespace {

// The defaults that the browser's number format is laid over.
runtime::RegionalSettings DefaultSettings() { return {}; }

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
      .field("message", &panel::State::message);
  emscripten::function("Form_Load", &panel::Form_Load);
  emscripten::function("List1_Click", &panel::List1_Click);
  emscripten::function("Text2_Change", &panel::Text2_Change);
  emscripten::function("Command1_Click", &panel::Command1_Click);
  emscripten::function("Message_Close", &panel::Message_Close);
  emscripten::function("defaultSettings", &DefaultSettings);
}
