#include "window/messages.h"

#include "model/combination.h"
#include "window/texts.h"
#include "window/working.h"

namespace window {

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

Message MessageFor(int index, runtime::ErrorKind kind, const model::Rows& rows,
                   const runtime::RegionalSettings& settings) {
  Message message = MessageFor(index, kind);
  const std::string step = FailingStep(index, rows, settings);
  if (!step.empty()) message.text += "\n\n" + step;
  return message;
}

}  // namespace window
