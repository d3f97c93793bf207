// The window's behaviour as plain data: one state of the window and the events that change it,
// each a function from state to state. Every front end turns its widgets' events into these calls
// and paints the state it gets back; none decides anything of its own.
#pragma once

#include <array>
#include <string>

#include "model/quantity.h"
#include "runtime/regional_settings.h"
#include "window/drawing.h"
#include "window/messages.h"

namespace panel {

// One quantity row: its tick (Check1) and its value box (Text2).
struct Row {
  bool ticked = false;      // set by the program when the measure is given; never by the user
  bool readOnly = true;     // a computed measure's box takes no typing
  std::string text;         // at most the state's maxLength characters
  std::string working;      // what the box explains of its measure (its tooltip); empty when nothing
  std::string description;  // what a screen reader says of the box, its working included

  friend bool operator==(const Row&, const Row&) = default;
};

struct State {
  int combination = -1;  // the list's chosen row; -1 for none
  int maxLength = 0;     // the characters a value box holds
  std::array<Row, model::kQuantityCount> rows;
  // The whole solution that goes with the working the boxes show; empty when they show none.
  std::string solution;
  // What copying the solution copies: the last calculation's, solved or failed, until a box changes.
  std::string copy;
  // The message open over the window; none while its title is empty.
  Message message;
  // What Picture1 shows: the default drawing, or after a calculation the drawing of its figure.
  Picture picture;

  friend bool operator==(const State&, const State&) = default;
};

// The window as its load leaves it: combination 0 chosen, its rows ticked and open, all empty.
State Form_Load();

// The user chose row `row` of the list: its combination's three rows ticked and open, the others
// read-only, every box emptied.
State List1_Click(State state, int row);

// Box `box` now holds `text` (typed, pasted, cut). A change drops the working and the computed
// drawing, so that they never explain numbers the boxes no longer hold; the same text again is no
// change.
State Text2_Change(State state, int box, const std::string& text);

// A press of button `button`: 0 calculates, 1 clears the six boxes, any other does nothing. A
// calculation shows the drawing of its figure; one that fails, or finds a given value not greater
// than zero, leaves the default drawing.
State Command1_Click(State state, int button, const runtime::RegionalSettings& settings);

// The user closed the message.
State Message_Close(State state);

}  // namespace panel
