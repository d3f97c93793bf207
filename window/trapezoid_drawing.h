// The drawing of a computed figure: the trapezoid to scale with its letters, values and the
// measures that follow the six, or, where the measures make no trapezoid, the sentence that says so.
#pragma once

#include <string>

#include "model/exact_solver.h"
#include "model/solver.h"
#include "runtime/regional_settings.h"
#include "window/drawing.h"

namespace panel {

// Beyond 1:20 (height to width, or width to height) a figure is too flat or too tall to read: it is
// drawn at 1:4 or 4:1 instead and says «не е в мащаб».
inline constexpr double kMostAspect = 20, kReadableAspect = 4;
inline constexpr char kNotToScale[] = "не е в мащаб";

// The picture of the figure that `measures` (a, b, c, h, P, S, with their exact forms in `exact`)
// describe, its numbers in the regional format of `settings`. A trapezoid is drawn with A at the
// bottom left, then B, C and D counter-clockwise, AB = a at the bottom and DC = c on top (the
// longer base on top where a < c); its lines start with AB, DC, AD and BC, thick.
Picture TrapezoidDrawing(const model::Measures& measures, const model::ExactTerms& exact,
                         const runtime::RegionalSettings& settings);

// The picture of a sentence alone, «Няма такъв трапец:» on a line of its own and the reason below.
Picture WordsDrawing(const std::string& sentence);

// `letter` = `value` as a label writes it, in at most `budget` pixels at `px` where that keeps
// three significant digits: "a = 21", "h ≈ 4,33".
std::string ValueText(const std::string& letter, double value, double budget, double px,
                      const runtime::RegionalSettings& settings);

}  // namespace panel
