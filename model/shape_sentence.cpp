#include "model/shape_sentence.h"

#include "model/exact_text.h"

namespace model {

std::string ShapeSentence(const Shape& shape, const Measures& measures, const ExactTerms& exact,
                          const runtime::RegionalSettings& settings) {
  const std::string none = std::string(kNoSuchTrapezoid) + ": ";
  const std::string letter(kLetters[shape.measure]);
  switch (shape.kind) {
    case ShapeKind::Trapezoid: return "";
    case ShapeKind::Negative:
      return none + letter + WriteEnding(exact[shape.measure], measures[shape.measure], false, settings) +
             " < 0";
    case ShapeKind::Flat:
      return none + (shape.measure == H ? "h = 0" : "a = c = 0") + " и четирите върха лежат на една права";
    case ShapeKind::Triangle: return none + letter + " = 0 и фигурата е равнобедрен триъгълник";
    case ShapeKind::Rectangle: return none + "a = c и фигурата е правоъгълник";
    case ShapeKind::Undefined: break;
  }
  return kNoSuchTrapezoidOther;
}

}  // namespace model
