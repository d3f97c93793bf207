#include "window/messages.h"

#include "model/combination.h"
#include "window/texts.h"

namespace panel {

const char* TitleFor(runtime::ErrorKind kind) {
  return kind == runtime::ErrorKind::Overflow ? texts::kTooLargeTitle : texts::kErrorTitle;
}

Message MessageFor(int index, runtime::ErrorKind kind) {
  switch (kind) {
    case runtime::ErrorKind::Overflow: return {TitleFor(kind), texts::kTooLarge};
    case runtime::ErrorKind::DivisionByZero: return {TitleFor(kind), texts::kDivisionByZero};
    case runtime::ErrorKind::InvalidArgument: break;
  }
  const char* why =
      model::IsCombination(index) ? texts::kNoSuchTrapezoid[static_cast<std::size_t>(index)] : "";
  return {TitleFor(kind), *why ? why : texts::kNoSuchTrapezoidOther};
}

}  // namespace panel
