#include "window/elements.h"

#include <cmath>

#include "model/problem_text.h"
#include "model/shape_sentence.h"
#include "runtime/arithmetic_error.h"
#include "runtime/format_number.h"
#include "runtime/val.h"
#include "window/trapezoid_drawing.h"

namespace panel::elements {

namespace {

using model::problem::Element;

// The message's title where the givens cannot be read, and where they make no trapezoid.
constexpr char kUnreadable[] = "Не мога да прочета числото";
constexpr char kUnsolved[] = "Задачата няма решение";

// The number a box holds: digits with one decimal symbol (or the point), nothing else; false for
// anything that is not one.
bool Number(std::string_view text, double& value, const runtime::RegionalSettings& settings) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int digits = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch >= '0' && ch <= '9')
      ++digits;
    else if (!(ch == '.' || text.substr(i).starts_with(settings.decimalSymbol) || (i == 0 && ch == '-')))
      return false;
  }
  if (digits == 0) return false;
  try {
    value = runtime::Val(text, settings);
  } catch (const runtime::ArithmeticError&) {
    return false;
  }
  return std::isfinite(value);
}

// The α box takes degrees, or «sin 0,6», «cos 0,6», «tg 0,75».
bool ReadAngle(std::string_view text, model::problem::Given& given,
               const runtime::RegionalSettings& settings) {
  constexpr std::array<std::pair<std::string_view, Element>, 3> kFunctions = {
      {{"sin", model::problem::kSinAlpha},
       {"cos", model::problem::kCosAlpha},
       {"tg", model::problem::kTgAlpha}}};
  for (const auto& [word, element] : kFunctions) {
    if (text.starts_with(word)) {
      given.element = element;
      return Number(text.substr(word.size()), given.value, settings);
    }
  }
  return Number(text, given.value, settings);
}

bool ReadRatio(std::string_view text, model::problem::Problem& p, const runtime::RegionalSettings& settings) {
  const std::size_t colon = text.find(':');
  return colon != std::string_view::npos && Number(text.substr(0, colon), p.ratioP, settings) &&
         Number(text.substr(colon + 1), p.ratioQ, settings);
}

// Drops what the last calculation filled in: its boxes, the working and the drawing.
State Changed(State state) {
  for (Row& row : state.rows) {
    if (row.found) row = Row{};
    row.tooltip.clear();
  }
  state.solution = state.solutions = 0;
  state.working.clear();
  state.picture = DefaultDrawing();
  return state;
}

// A found element's box: its decimal with seven places, as the design's window writes them.
std::string BoxText(Element e, const model::problem::Value& v, const runtime::RegionalSettings& settings) {
  return runtime::FormatNumber(v.value, 7, settings) + (model::problem::IsAngle(e) ? "°" : "");
}

}  // namespace

std::string SwitchText(const State& state) {
  if (state.solutions < 2) return "";
  return "Решение " + std::to_string(state.solution + 1) + " от " + std::to_string(state.solutions);
}

State Load() {
  State state;
  state.picture = DefaultDrawing();
  return state;
}

State Type(State state, int row, const std::string& text) {
  if (row < 0 || row >= kRowCount || !kRows[static_cast<std::size_t>(row)].typed) return state;
  if (!state.rows[static_cast<std::size_t>(row)].found &&
      state.rows[static_cast<std::size_t>(row)].text == text)
    return state;
  state = Changed(std::move(state));
  state.rows[static_cast<std::size_t>(row)] = Row{text, false, ""};
  return state;
}

State TypeRatio(State state, const std::string& ratio) {
  if (state.ratio == ratio) return state;
  state = Changed(std::move(state));
  state.ratio = ratio;
  return state;
}

State Tick(State state, int condition, bool on) {
  if (condition < 0 || condition >= model::problem::kConditionCount ||
      state.ticks[static_cast<std::size_t>(condition)] == on)
    return state;
  state = Changed(std::move(state));
  state.ticks[static_cast<std::size_t>(condition)] = on;
  return state;
}

Read ReadProblem(const State& state, const runtime::RegionalSettings& settings) {
  Read read;
  for (int r = 0; r < kRowCount; ++r) {
    const Row& row = state.rows[static_cast<std::size_t>(r)];
    const RowSpec& spec = kRows[static_cast<std::size_t>(r)];
    if (row.found || row.text.find_first_not_of(' ') == std::string::npos) continue;
    model::problem::Given given{spec.element, 0};
    const bool angle = spec.element == model::problem::kAlpha;
    if (!(angle ? ReadAngle(row.text, given, settings) : Number(row.text, given.value, settings))) {
      read.error = std::string(spec.letter) + " = «" + row.text + "»: " +
                   (angle ? "пишат се градуси или sin 0,6, cos 0,6, tg 0,75" : "пише се число, например 4,5");
      return read;
    }
    read.problem.givens.push_back(given);
  }
  read.problem.conditions = state.ticks;
  if (state.ticks[model::problem::kBasesRatio] && !ReadRatio(state.ratio, read.problem, settings)) {
    read.error = "a : c = «" + state.ratio + "»: пише се например 7:3";
  }
  return read;
}

namespace {

// The boxes, the working and the drawing of `answer`'s solution `index`.
State Show(State state, const model::problem::Answer& answer, int index,
           const runtime::RegionalSettings& settings) {
  state = Changed(std::move(state));
  const model::problem::Solution& s = answer.solutions[static_cast<std::size_t>(index)];
  state.solution = index;
  state.solutions = answer.determined ? static_cast<int>(answer.solutions.size()) : 0;
  for (int r = 0; r < kRowCount; ++r) {
    Row& row = state.rows[static_cast<std::size_t>(r)];
    const Element e = kRows[static_cast<std::size_t>(r)].element;
    if (!row.text.empty() && !row.found) continue;
    const std::optional<model::problem::Value>& v = s.values[e];
    if (v) {
      row = Row{BoxText(e, *v, settings), true, model::problem::ElementLine(e, *v, settings)};
    } else {
      const bool circle = e == model::problem::kInradius;
      row = Row{kNotFixed, true,
                circle && answer.determined ? "В този трапец не може да се впише окръжност."
                                            : answer.undeterminedReason};
    }
  }
  state.working = model::problem::Notebook(answer, settings);
  if (answer.determined) {
    const auto at = [&](Element e) { return s.values[e] ? s.values[e]->value : 0.0; };
    const auto exact = [&](Element e) { return s.values[e] ? s.values[e]->exact : std::nullopt; };
    const model::Measures measures = {at(model::problem::kA), at(model::problem::kB), at(model::problem::kC),
                                      at(model::problem::kH), at(model::problem::kP), at(model::problem::kS)};
    const model::ExactTerms terms = {exact(model::problem::kA), exact(model::problem::kB),
                                     exact(model::problem::kC), exact(model::problem::kH),
                                     exact(model::problem::kP), exact(model::problem::kS),
                                     exact(model::problem::kX)};
    state.picture = TrapezoidDrawing(measures, terms, settings);
  }
  return state;
}

// Solves what the boxes give and shows solution `index`, or says why there is none.
State Solve(State state, int index, const runtime::RegionalSettings& settings) {
  const Read read = ReadProblem(state, settings);
  if (!read.error.empty()) {
    state.message = {kUnreadable, read.error};
    return state;
  }
  const model::problem::Answer answer = model::problem::Solve(read.problem, settings);
  if (!answer.refused.empty()) {
    state.message = {kUnsolved, answer.refused};
    // The drawing says it too where the figure is none.
    if (answer.refused.rfind(model::kNoSuchTrapezoid, 0) == 0) state.picture = WordsDrawing(answer.refused);
    return state;
  }
  return Show(std::move(state), answer, index % static_cast<int>(answer.solutions.size()), settings);
}

}  // namespace

State Calculate(State state, const runtime::RegionalSettings& settings) {
  return Solve(std::move(state), 0, settings);
}

State Next(State state, const runtime::RegionalSettings& settings) {
  if (state.solutions < 2) return state;
  return Solve(std::move(state), state.solution + 1, settings);
}

State Clear(State state) {
  State cleared = Load();
  cleared.message = state.message;
  return cleared;
}

State CloseMessage(State state) {
  state.message = {};
  return state;
}

}  // namespace panel::elements
