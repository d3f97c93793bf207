// The window for a problem as the book gives it, as plain data: a row for each element of the
// trapezoid with its letter, its Bulgarian name and a box, the conditions as ticks (the ratio with
// a small box of its own), and after «Изчисли» every element the givens fix, the notebook solution
// and the drawing. Its events are functions from state to state, as the design's window's are;
// each front end only paints the state they return.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/problem.h"
#include "runtime/regional_settings.h"
#include "window/drawing.h"
#include "window/messages.h"

namespace panel::elements {

inline constexpr char kCaption[] = "Равнобедрен трапец — задача по дадени елементи";
// How the calculator's window opens this one: from its picture's context menu and by this key.
inline constexpr char kOpenCommand[] = "Задача по дадени елементи…";
inline constexpr char kOpenShortcut[] = "Ctrl+E";

// One row: an element, how the window names it, and whether a pupil can type it.
struct RowSpec {
  model::problem::Element element;
  std::string_view letter;  // "a", "α", "OO₁"
  std::string_view name;    // «голяма основа»
  bool typed;               // φ and O's distances are found only
};
inline constexpr std::array<RowSpec, 15> kRows = {{
    {model::problem::kA, "a", "голяма основа", true},
    {model::problem::kC, "c", "малка основа", true},
    {model::problem::kB, "b", "бедро", true},
    {model::problem::kH, "h", "височина", true},
    {model::problem::kP, "P", "периметър", true},
    {model::problem::kS, "S", "лице", true},
    {model::problem::kM, "m", "средна основа", true},
    {model::problem::kD, "d", "диагонал", true},
    {model::problem::kAlpha, "α", "ъгъл при голямата основа", true},
    {model::problem::kBeta, "β", "ъгъл при малката основа", true},
    {model::problem::kCircumradius, "R", "радиус на описаната", true},
    {model::problem::kInradius, "r", "радиус на вписаната", true},
    {model::problem::kPhi, "φ", "ъгъл между диагоналите", false},
    {model::problem::kOToAB, "OO₁", "от O до AB (O: AC ∩ BD)", false},
    {model::problem::kOToDC, "OO₂", "от O до DC", false},
}};
inline constexpr int kRowCount = static_cast<int>(kRows.size());

// The ticks, in the window's order, with their words.
inline constexpr std::array<std::string_view, model::problem::kConditionCount> kConditionWords = {
    "в трапеца може да се впише окръжност", "диагоналите са перпендикулярни",
    "диагоналът е перпендикулярен на бедрото", "диагоналът е ъглополовяща на острия ъгъл",
    "основите се отнасят както"};

// «—» stands in the box of an element the givens do not fix.
inline constexpr char kNotFixed[] = "—";

struct Row {
  std::string text;
  bool found = false;   // filled in by «Изчисли»: shown apart, read-only until the next change
  std::string tooltip;  // a found element's exact form, or why it is not fixed

  friend bool operator==(const Row&, const Row&) = default;
};

struct State {
  std::array<Row, kRowCount> rows;
  std::array<bool, model::problem::kConditionCount> ticks{};
  std::string ratio;  // the ratio's own box, «7:3»
  int solution = 0;   // which trapezoid the boxes, the drawing and the working show
  int solutions = 0;  // how many were found; the switch shows where there are two or more
  std::string working;  // the notebook solution (Дадено / Решение / Отговор); empty before «Изчисли»
  Message message;  // the words when the givens cannot be solved; none while its title is empty
  Picture picture;  // the drawing of the trapezoid shown, or the default drawing

  friend bool operator==(const State&, const State&) = default;
};

// «Решение 1 от 2» over the boxes; empty with one trapezoid or none.
std::string SwitchText(const State& state);

// The window as it opens: every box empty, nothing ticked, the default drawing.
State Load();

// Box `row` now holds `text`; the ratio's box, `ratio`; tick `condition` is now `on`. Any change
// drops the results, the working and the drawing, and the boxes found by the last calculation.
State Type(State state, int row, const std::string& text);
State TypeRatio(State state, const std::string& ratio);
State Tick(State state, int condition, bool on);

// «Изчисли»: reads the typed boxes («sin 0,6», «cos 0,6» and «tg 0,75» in the α box too) and
// fills every element the givens fix into the empty boxes. Givens that cannot be read, disagree
// or make no trapezoid leave every box as it was and say why in the message.
State Calculate(State state, const runtime::RegionalSettings& settings);

// The switch «Решение 1 от 2»: the next trapezoid's boxes, working and drawing, the first after
// the last; nothing where there are fewer than two.
State Next(State state, const runtime::RegionalSettings& settings);

// «Изчисти»: every box and tick empty.
State Clear(State state);

// The message closed.
State CloseMessage(State state);

// Reads the typed boxes into a problem; where a box cannot be read, the message that says which.
struct Read {
  model::problem::Problem problem;
  std::string error;
};
Read ReadProblem(const State& state, const runtime::RegionalSettings& settings);

}  // namespace panel::elements
