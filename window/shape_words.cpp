#include "window/shape_words.h"

#include "model/exact_text.h"
#include "window/texts.h"

namespace panel {

std::string ShapeSentence(const model::Shape& shape, const model::Measures& measures,
                          const model::ExactTerms& exact, const runtime::RegionalSettings& settings) {
  const std::string none = std::string(texts::kErrorTitle) + ": ";
  const std::string letter(model::kLetters[shape.measure]);
  switch (shape.kind) {
    case model::ShapeKind::Trapezoid: return "";
    case model::ShapeKind::Negative:
      return none + letter +
             model::WriteEnding(exact[shape.measure], measures[shape.measure], false, settings) + " < 0";
    case model::ShapeKind::Flat:
      return none + (shape.measure == model::H ? "h = 0" : "a = c = 0") +
             " и четирите върха лежат на една права";
    case model::ShapeKind::Triangle: return none + letter + " = 0 и фигурата е равнобедрен триъгълник";
    case model::ShapeKind::Rectangle: return none + "a = c и фигурата е правоъгълник";
    case model::ShapeKind::Undefined: break;
  }
  return texts::kNoSuchTrapezoidOther;
}

}  // namespace panel
