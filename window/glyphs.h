// How wide a text is in the drawing's face, italic Liberation Serif (metrically the same as the
// Times New Roman italic that Windows and the page use), without asking any font system: the
// drawing is laid out in plain C++, the same on every front end.
#pragma once

#include <string_view>

namespace panel::glyphs {

// The drawing's lettering size, as the picture has always had it, and the smallest size of any
// text in it (at 96 dpi).
inline constexpr double kLetteringPx = 13;
inline constexpr double kSmallestPx = 11;

// Of one em: the top of the ascent to the baseline, and the baseline to the bottom of the descent.
double Ascent(double px);
double Descent(double px);
inline double Height(double px) { return Ascent(px) + Descent(px); }

// The sum of the characters' advance widths of UTF-8 `text` at `px` pixels to the em. A character
// the table lacks counts as one em, so that an estimate is never short.
double TextWidth(std::string_view text, double px);

}  // namespace panel::glyphs
