// Where every control of the window stands, in pixels at 96 dots per inch, and the tab order.
#pragma once

#include <array>

namespace window::layout {

struct Rect {
  int left, top, width, height;
};

inline constexpr int kClientWidth = 481;
inline constexpr int kClientHeight = 424;
inline constexpr int kFontPoints = 12;
inline constexpr char kFontFamily[] = "Times New Roman";

inline constexpr std::array<Rect, 2> kLabel1 = {{{16, 0, 449, 25}, {16, 40, 81, 25}}};
inline constexpr Rect kList1 = {16, 64, 81, 137};
inline constexpr Rect kFrame1 = {112, 32, 153, 177};
inline constexpr Rect kPicture1 = {280, 32, 187, 201};
inline constexpr std::array<Rect, 2> kCommand1 = {{{16, 216, 89, 25}, {144, 216, 89, 25}}};
inline constexpr std::array<Rect, 2> kText1 = {{{8, 248, 457, 169}, {40, 312, 449, 121}}};

// The quantity rows, relative to the frame.
constexpr Rect Check1Rect(int row) { return {8, 24 + 24 * row, 41, 27}; }
constexpr Rect Text2Rect(int row) { return {56, 24 + 24 * row, 89, 27}; }

inline constexpr int kDesignMaxLength = 4;  // before the form loads
inline constexpr int kMaxLength = 7;

enum class Control { Text1, Label1, Frame1, Check1, Text2, List1, Command1, Picture1 };

// The name of each control; an element of an array is named "Name_element" (Text2_4), a single
// control by its name alone (Frame1).
constexpr const char* ObjectName(Control control) {
  constexpr const char* kNames[] = {"Text1", "Label1", "Frame1",   "Check1",
                                    "Text2", "List1",  "Command1", "Picture1"};
  return kNames[static_cast<int>(control)];
}
constexpr bool IsArray(Control control) { return control != Control::Frame1 && control != Control::Picture1; }

struct TabStop {
  Control control;
  int element;
};

// Tab indexes 0 to 20. Controls that cannot take the focus (labels, the frame, disabled
// check boxes, the hidden text) are passed over by the keyboard.
inline constexpr std::array<TabStop, 21> kTabOrder = {{
    {Control::Text1, 0},    {Control::Text1, 1},  {Control::Label1, 0},   {Control::Frame1, 0},
    {Control::Check1, 0},   {Control::Text2, 0},  {Control::Check1, 1},   {Control::Text2, 1},
    {Control::Check1, 2},   {Control::Text2, 2},  {Control::Check1, 3},   {Control::Text2, 3},
    {Control::Check1, 4},   {Control::Text2, 4},  {Control::List1, 0},    {Control::Command1, 0},
    {Control::Command1, 1}, {Control::Label1, 1}, {Control::Picture1, 0}, {Control::Check1, 5},
    {Control::Text2, 5},
}};

}  // namespace window::layout
