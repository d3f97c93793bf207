// The sentence that says a computed figure is no trapezoid: «Няма такъв трапец: c = −2 < 0»,
// «Няма такъв трапец: c = 0 и фигурата е равнобедрен триъгълник», ... The window's picture and
// working and the general solver all say it in these words.
#pragma once

#include <string>

#include "model/exact_solver.h"
#include "model/shape.h"
#include "model/solver.h"
#include "runtime/regional_settings.h"

namespace model {

inline constexpr char kNoSuchTrapezoid[] = "Няма такъв трапец";
inline constexpr char kNoSuchTrapezoidOther[] = "С тези стойности не съществува равнобедрен трапец.";

// Empty for a trapezoid. The number is written as the working writes it.
std::string ShapeSentence(const Shape& shape, const Measures& measures, const ExactTerms& exact,
                          const runtime::RegionalSettings& settings);

}  // namespace model
