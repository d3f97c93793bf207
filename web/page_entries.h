// The page's controls, each with its place, its words and its tab index, read from the window's
// tables in the order the page lists them.
#pragma once

#include <string>
#include <vector>

#include "window/layout.h"

namespace web {

struct Entry {
  window::layout::Control control;
  int element;
  window::layout::Rect rect;   // in the window
  window::layout::Rect local;  // in its container: the frame for the quantity rows, else the window
  std::string text;            // what the control shows
  std::string name, description;
};

std::vector<Entry> Entries();

// The element id, which is the control's object name (Text2_4, Frame1).
std::string Id(const Entry& e);
// The element whose box is the control's rectangle: a tick's label holds its box and letter.
std::string Selector(const Entry& e);
int TabIndex(const Entry& e);
const Entry& Find(const std::vector<Entry>& all, window::layout::Control control, int element);

}  // namespace web
