// The window's measures that are not a control's own: its size and font, the value boxes' length
// limits, and the names of the controls. Where each control stands is in window/controls.h.
#pragma once

namespace panel::layout {

struct Rect {
  int left, top, width, height;
};

inline constexpr int kClientWidth = 481;
inline constexpr int kClientHeight = 424;
inline constexpr int kFontPoints = 12;
inline constexpr char kFontFamily[] = "Times New Roman";

inline constexpr int kDesignMaxLength = 4;  // before the form loads
inline constexpr int kMaxLength = 7;

enum class Control { Text1, Label1, Frame1, Check1, Text2, List1, Command1, Picture1 };

constexpr const char* ObjectName(Control control) {
  constexpr const char* kNames[] = {"Text1", "Label1", "Frame1",   "Check1",
                                    "Text2", "List1",  "Command1", "Picture1"};
  return kNames[static_cast<int>(control)];
}
// Whether the control is an element of an array, named "Name_element" (Text2_4); a single control
// is named by its name alone (Frame1).
constexpr bool IsArray(Control control) { return control != Control::Frame1 && control != Control::Picture1; }

}  // namespace panel::layout
