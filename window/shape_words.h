// The sentence that says a computed figure is no trapezoid, and the other words of the measures
// that follow the six: the picture, the working and the solution all take them from here.
#pragma once

#include <string>

#include "model/shape_sentence.h"

namespace panel {

// The heading of the new measures in the working and the solution.
inline constexpr char kMoreMeasures[] = "Още елементи на трапеца:";

// «Няма такъв трапец: c = −2 < 0», «Няма такъв трапец: c = 0 и фигурата е равнобедрен
// триъгълник», ...; empty for a trapezoid.
using model::ShapeSentence;

}  // namespace panel
