#include "form/error_message.h"

#include "form/texts.h"
#include "model/combination.h"

namespace form {

ErrorMessage MessageFor(int index, runtime::ErrorKind kind) {
  const QString noSuch = QString::fromUtf8(texts::kErrorTitle);
  switch (kind) {
    case runtime::ErrorKind::Overflow:
      return {QString::fromUtf8(texts::kTooLargeTitle), QString::fromUtf8(texts::kTooLarge)};
    case runtime::ErrorKind::DivisionByZero: return {noSuch, QString::fromUtf8(texts::kDivisionByZero)};
    case runtime::ErrorKind::InvalidArgument: break;
  }
  const char* why =
      model::IsCombination(index) ? texts::kNoSuchTrapezoid[static_cast<std::size_t>(index)] : "";
  return {noSuch, QString::fromUtf8(*why ? why : texts::kNoSuchTrapezoidOther)};
}

}  // namespace form
