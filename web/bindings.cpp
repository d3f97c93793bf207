// What the page asks of the WebAssembly core: one press of «Изчисли», converted for JavaScript:
// nothing (invalid input), six texts with what each box explains, or an arithmetic error with the
// message the window shows (the failing step included).
#include <emscripten/bind.h>

#include "window/press.h"

namespace {

struct Outcome {
  bool solved = false;  // six texts were made
  bool failed = false;  // an arithmetic error was met; kind, title and text say which
  model::Texts texts, explanations, descriptions;
  std::string working;   // every step, one a line
  std::string solution;  // given, steps and answer, as a pupil writes them
  runtime::ErrorKind kind = runtime::ErrorKind::InvalidArgument;
  std::string title, text;
};

Outcome Calculate(int index, const model::Rows& rows, const runtime::RegionalSettings& settings) {
  panel::Outcome press = panel::Press(index, rows, settings);
  Outcome out;
  out.solved = press.kind == panel::Outcome::Kind::Solved;
  out.failed = press.kind == panel::Outcome::Kind::Failed;
  out.texts = std::move(press.texts);
  out.explanations = std::move(press.explanations);
  out.descriptions = std::move(press.descriptions);
  out.working = std::move(press.working);
  out.solution = std::move(press.solution);
  out.kind = press.error.value_or(out.kind);
  out.title = std::move(press.message.title);
  out.text = std::move(press.message.text);
  return out;
}

// A JavaScript array of the six rows, or of the six texts.
template <typename Six>
void RegisterSix(const char* name) {
  using emscripten::index;
  emscripten::value_array<Six>(name)
      .element(index<0>())
      .element(index<1>())
      .element(index<2>())
      .element(index<3>())
      .element(index<4>())
      .element(index<5>());
}

// The defaults that the browser's number format is laid over.
runtime::RegionalSettings DefaultSettings() { return {}; }

}  // namespace

EMSCRIPTEN_BINDINGS(trapezoid) {
  using emscripten::value_object;
  emscripten::enum_<runtime::ErrorKind>("ErrorKind")
      .value("InvalidArgument", runtime::ErrorKind::InvalidArgument)
      .value("DivisionByZero", runtime::ErrorKind::DivisionByZero)
      .value("Overflow", runtime::ErrorKind::Overflow);
  value_object<runtime::RegionalSettings>("RegionalSettings")
      .field("decimalSymbol", &runtime::RegionalSettings::decimalSymbol)
      .field("groupSymbol", &runtime::RegionalSettings::groupSymbol)
      .field("groupSize", &runtime::RegionalSettings::groupSize)
      .field("grouping", &runtime::RegionalSettings::grouping)
      .field("leadingZero", &runtime::RegionalSettings::leadingZero)
      .field("negativeSign", &runtime::RegionalSettings::negativeSign)
      .field("negativeInParentheses", &runtime::RegionalSettings::negativeInParentheses);
  value_object<model::Row>("Row").field("ticked", &model::Row::ticked).field("text", &model::Row::text);
  RegisterSix<model::Rows>("Rows");
  RegisterSix<model::Texts>("Texts");
  value_object<Outcome>("Outcome")
      .field("solved", &Outcome::solved)
      .field("failed", &Outcome::failed)
      .field("texts", &Outcome::texts)
      .field("explanations", &Outcome::explanations)
      .field("descriptions", &Outcome::descriptions)
      .field("working", &Outcome::working)
      .field("solution", &Outcome::solution)
      .field("kind", &Outcome::kind)
      .field("title", &Outcome::title)
      .field("text", &Outcome::text);
  emscripten::function("calculate", &Calculate);
  emscripten::function("defaultSettings", &DefaultSettings);
}
