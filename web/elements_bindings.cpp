// What the problem page asks of the WebAssembly core: the window for a problem as the book gives
// it (window/elements.h), its state and its events bound as they are, beside the design window's
// (bindings.cpp, which also binds the message and the picture that this state holds).
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <array>

#include "window/elements.h"
#include "window/svg.h"

namespace {

namespace el = panel::elements;
using emscripten::val;

// The state's fixed arrays as JavaScript arrays, so that the state goes to the page and back whole.
template <typename T, std::size_t n, std::array<T, n> el::State::*list>
val Get(const el::State& s) {
  val array = val::array();
  for (const T& item : s.*list) array.call<void>("push", item);
  return array;
}

template <typename T, std::size_t n, std::array<T, n> el::State::*list>
void Set(el::State& s, val items) {
  const std::vector<T> from = emscripten::vecFromJSArray<T>(items);
  std::copy_n(from.begin(), std::min(from.size(), n), (s.*list).begin());
}

// The picture as the page shows it: SVG, written from the state's picture.
std::string Svg(const el::State& state) { return panel::WriteSvg(state.picture); }

}  // namespace

EMSCRIPTEN_BINDINGS(elements) {
  using emscripten::value_object;
  constexpr std::size_t rows = el::kRowCount, ticks = model::problem::kConditionCount;
  value_object<el::Row>("ElementsRow")
      .field("text", &el::Row::text)
      .field("found", &el::Row::found)
      .field("tooltip", &el::Row::tooltip);
  value_object<el::State>("ElementsState")
      .field("rows", &Get<el::Row, rows, &el::State::rows>, &Set<el::Row, rows, &el::State::rows>)
      .field("ticks", &Get<bool, ticks, &el::State::ticks>, &Set<bool, ticks, &el::State::ticks>)
      .field("ratio", &el::State::ratio)
      .field("solution", &el::State::solution)
      .field("solutions", &el::State::solutions)
      .field("working", &el::State::working)
      .field("message", &el::State::message)
      .field("picture", &el::State::picture);
  emscripten::function("Elements_Load", &el::Load);
  emscripten::function("Elements_Type", &el::Type);
  emscripten::function("Elements_TypeRatio", &el::TypeRatio);
  emscripten::function("Elements_Tick", &el::Tick);
  emscripten::function("Elements_Calculate", &el::Calculate);
  emscripten::function("Elements_Next", &el::Next);
  emscripten::function("Elements_Clear", &el::Clear);
  emscripten::function("Elements_CloseMessage", &el::CloseMessage);
  emscripten::function("Elements_SwitchText", &el::SwitchText);
  emscripten::function("Elements_Svg", &Svg);
}
