// Placing labels where they overlap nothing: a label goes to the first of its candidate places
// where its box stays inside the picture and clear of every line, arc, mark and label already there.
#pragma once

#include <string>
#include <vector>

#include "window/drawing.h"

namespace panel {

inline constexpr double kMargin = 2;    // nothing comes closer to the picture's edge
inline constexpr double kGap = 1;       // between a label and a line
inline constexpr double kLabelGap = 3;  // between two labels, which would read as one

// Whether the segment touches the box (its inside or its edge).
bool Crosses(Point from, Point to, const Box& box);

// Whether `box` lies inside the picture, kMargin from its edges, and clear of everything in `p`.
bool Free(const Picture& p, const Box& box);

// Adds `label` at the first of `places` (for its `at`) where it is free; false where none is.
bool PlaceAt(Picture& p, Label label, const std::vector<Point>& places);

// `from`, then `from` moved along `direction` by step, 2·step, … up to `reach`; with `bothWays`,
// alternately forward and back.
std::vector<Point> Along(Point from, Point direction, double step, double reach, bool bothWays);

// The words of UTF-8 `text` in lines no wider than `width` at `px`; a word too long for a line is
// broken between its characters.
std::vector<std::string> Wrap(const std::string& text, double width, double px);

}  // namespace panel
