#include "window/form.h"

#include "model/combination.h"
#include "window/describe.h"
#include "window/layout.h"
#include "window/press.h"

namespace panel {

namespace {

// The first `count` characters of UTF-8 `text`, as a box that holds `count` characters keeps them.
std::string Cut(const std::string& text, int count) {
  std::size_t at = 0;
  for (int kept = 0; at < text.size(); ++at) {
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && kept++ == count) break;
  }
  return text.substr(0, at);
}

void DropWorking(State& state) {
  for (int q = 0; q < model::kQuantityCount; ++q) {
    state.rows[q].working.clear();
    state.rows[q].description = QuantityBox(q).description;
  }
  state.solution.clear();
  state.copy.clear();
  state.picture = DefaultDrawing();
}

State ClearValues(State state) {
  for (int q = 0; q < model::kQuantityCount; ++q) state = Text2_Change(std::move(state), q, "");
  return state;
}

State ApplyCombination(State state) {
  for (int q = 0; q < model::kQuantityCount; ++q) {
    state.rows[q].ticked = false;
    state = Text2_Change(std::move(state), q, "");
    state.rows[q].readOnly = true;
  }
  if (!model::IsCombination(state.combination)) return state;
  for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(state.combination)].given) {
    state.rows[q].ticked = true;
    state.rows[q].readOnly = false;
  }
  return state;
}

State Calculate(State state, const runtime::RegionalSettings& settings) {
  model::Rows given;
  for (int q = 0; q < model::kQuantityCount; ++q) given[q] = {state.rows[q].ticked, state.rows[q].text};
  Outcome outcome = Press(state.combination, given, settings);
  if (outcome.kind != Outcome::Kind::Solved) state.picture = DefaultDrawing();
  if (outcome.kind == Outcome::Kind::Failed) {
    state.copy = std::move(outcome.solution);
    state.message = std::move(outcome.message);
  } else if (outcome.kind == Outcome::Kind::Solved) {
    for (int q = 0; q < model::kQuantityCount; ++q) {
      Row& row = state.rows[q];
      row.text = Cut(outcome.texts[q], state.maxLength);
      row.working = std::move(outcome.explanations[q]);
      row.description = std::move(outcome.descriptions[q]);
    }
    state.solution = outcome.solution;
    state.copy = std::move(outcome.solution);
    state.picture = std::move(outcome.picture);
  }
  return state;
}

}  // namespace

State Form_Load() {
  State state;  // as the table of controls builds the window
  state.maxLength = layout::kDesignMaxLength;
  DropWorking(state);
  state = ClearValues(std::move(state));
  state.maxLength = layout::kMaxLength;
  state = List1_Click(std::move(state), 0);
  // Rows a and b are given in combination 0 already: this changes nothing, as the load always did.
  for (int q = 0; q < 2; ++q) {
    state.rows[q].ticked = true;
    state.rows[q].readOnly = false;
  }
  return state;
}

State List1_Click(State state, int row) {
  state.combination = row;
  return ApplyCombination(std::move(state));
}

State Text2_Change(State state, int box, const std::string& text) {
  Row& row = state.rows.at(static_cast<std::size_t>(box));
  const std::string kept = Cut(text, state.maxLength);
  if (row.text == kept) return state;
  row.text = kept;
  DropWorking(state);
  return state;
}

State Command1_Click(State state, int button, const runtime::RegionalSettings& settings) {
  if (button == 0) return Calculate(std::move(state), settings);
  if (button == 1) return ClearValues(std::move(state));
  return state;
}

State Message_Close(State state) {
  state.message = {};
  return state;
}

}  // namespace panel
