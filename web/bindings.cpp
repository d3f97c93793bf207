// What the page asks of the WebAssembly core: one calculation, with its outcome told apart as
// nothing (invalid input), six texts, or an arithmetic error with the message the window shows
// (the failing step included); and, after six texts were written, what each box explains.
#include <emscripten/bind.h>

#include "model/solver.h"
#include "runtime/arithmetic_error.h"
#include "window/messages.h"
#include "window/working.h"

namespace {

struct Outcome {
  bool solved = false;  // six texts were made
  bool failed = false;  // an arithmetic error was met; kind, title and text say which
  model::Texts texts;
  runtime::ErrorKind kind = runtime::ErrorKind::InvalidArgument;
  std::string title, text;
};

Outcome Calculate(int index, const model::Rows& rows, const runtime::RegionalSettings& settings) {
  Outcome outcome;
  try {
    if (std::optional<model::Texts> texts = model::Calculate(index, rows, settings)) {
      outcome.solved = true;
      outcome.texts = std::move(*texts);
    }
  } catch (const runtime::ArithmeticError& error) {
    const window::Message message = window::MessageFor(index, error.kind(), rows, settings);
    outcome.failed = true;
    outcome.kind = error.kind();
    outcome.title = message.title;
    outcome.text = message.text;
  }
  return outcome;
}

struct Working {
  model::Texts explanations;  // what each box explains of its measure
  model::Texts descriptions;  // each box's accessible description with its explanation
};

Working WorkingOf(int index, const model::Rows& rows, const runtime::RegionalSettings& settings) {
  Working working{window::Explanations(index, rows, settings), {}};
  for (int i = 0; i < model::kQuantityCount; ++i) {
    working.descriptions[i] = window::BoxDescription(i, working.explanations[i]);
  }
  return working;
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
      .field("kind", &Outcome::kind)
      .field("title", &Outcome::title)
      .field("text", &Outcome::text);
  value_object<Working>("Working")
      .field("explanations", &Working::explanations)
      .field("descriptions", &Working::descriptions);
  emscripten::function("calculate", &Calculate);
  emscripten::function("working", &WorkingOf);
  emscripten::function("defaultSettings", &DefaultSettings);
}
