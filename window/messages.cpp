#include "window/messages.h"

#include "model/combination.h"
#include "window/texts.h"

namespace panel {

Message MessageFor(int index, runtime::ErrorKind kind) {
  switch (kind) {
    case runtime::ErrorKind::Overflow: return {texts::kTooLargeTitle, texts::kTooLarge};
    case runtime::ErrorKind::DivisionByZero: return {texts::kErrorTitle, texts::kDivisionByZero};
    case runtime::ErrorKind::InvalidArgument: break;
  }
  const char* why =
      model::IsCombination(index) ? texts::kNoSuchTrapezoid[static_cast<std::size_t>(index)] : "";
  return {texts::kErrorTitle, *why ? why : texts::kNoSuchTrapezoidOther};
}

}  // namespace panel
