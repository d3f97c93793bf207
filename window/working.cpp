#include "window/working.h"

#include "window/describe.h"
#include "window/messages.h"
#include "window/texts.h"

namespace panel {

namespace {

// Why the last step of `w` failed, or nothing when none did.
std::string Why(const model::Working& w) {
  if (!w.error || w.steps.empty()) return "";
  switch (*w.error) {
    case runtime::ErrorKind::InvalidArgument: return w.failed + texts::kNoSquareRoot;
    case runtime::ErrorKind::DivisionByZero: return w.failed + texts::kNoQuotient;
    case runtime::ErrorKind::Overflow: break;
  }
  return texts::kStepTooLarge;
}

// Step k; the first step that uses x says what x is.
std::string Step(const model::Working& w, std::size_t k) {
  return w.steps[k] + (static_cast<int>(k) == w.xStep ? texts::kXIs : "");
}

std::string Lines(const model::Working& w, unsigned which) {
  std::string text;
  for (std::size_t k = 0; k < w.steps.size(); ++k) {
    if (!(which >> k & 1u)) continue;
    if (!text.empty()) text += "\n";
    text += Step(w, k);
  }
  return text;
}

}  // namespace

std::string Steps(const model::Working& w) {
  const std::string why = Why(w);
  return Lines(w, ~0u) + (why.empty() ? "" : "\n" + why);
}

model::Texts Explanations(const model::Working& w) {
  model::Texts boxes;
  for (std::size_t q = 0; q < boxes.size(); ++q) {
    boxes[q] = w.given[q].empty() ? Lines(w, w.leadsTo[q]) : w.given[q] + texts::kGivenMark;
  }
  return boxes;
}

std::string BoxDescription(int quantity, const std::string& explanation) {
  const std::string own = QuantityBox(quantity).description;
  return explanation.empty() ? own : own + "\n" + explanation;
}

std::string DesktopDescription(const std::string& description) {
  return description + "\n" + texts::kCopySolution;
}

std::string FailingStep(const model::Working& w) {
  const std::string why = Why(w);
  return why.empty() ? "" : Step(w, w.steps.size() - 1) + "\n" + why;
}

std::string Solution(const model::Working& w) {
  std::string text = texts::kSolutionGiven;
  for (const std::string& given : w.given) {
    if (!given.empty()) text += "\n" + given;
  }
  text += std::string("\n") + texts::kSolutionSteps + "\n" + Steps(w) + "\n" + texts::kSolutionAnswer;
  if (w.error) {
    return text + "\n" + TitleFor(*w.error) + ".";
  }
  for (const std::string& answer : w.answers) text += "\n" + answer;
  return text;
}

}  // namespace panel
