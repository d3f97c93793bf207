#include "window/working.h"

#include "model/derived.h"
#include "model/shape.h"
#include "window/describe.h"
#include "window/messages.h"
#include "window/shape_words.h"
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

// A measure as its answer gives it: "d = √41 ≈ 6,4031242", "α ≈ 53,13° ≈ 53°08′", "α = 45°".
std::string Answer(const model::MeasureStep& s) {
  if (!s.angle.empty())
    return s.angle + (s.exactAngle ? " = " + s.degrees : " ≈ " + s.degrees + " ≈ " + s.minutes);
  std::string answer = s.symbol + (s.exact.empty() ? "" : " = " + s.exact);
  if (s.exact != s.decimal) answer += (s.approximate ? " ≈ " : " = ") + s.decimal;
  return answer;
}

}  // namespace

Further FurtherMeasures(const model::Run& run, const runtime::RegionalSettings& settings) {
  Further further;
  const model::Measures measures = run.measures();
  const model::Shape shape = model::Classify(measures, run.exact);
  further.sentence = ShapeSentence(shape, measures, run.exact, settings);
  if (!further.sentence.empty()) return further;
  const std::optional<model::Derived> more = model::Derive(measures, run.exact, settings);
  if (!more) return further;  // a measure beyond the range of a double: the six stand alone
  for (const model::MeasureStep& step : more->steps) {
    further.steps.push_back(step.Line());
    further.answers.push_back(Answer(step));
  }
  return further;
}

std::string Steps(const model::Working& w, const Further& further) {
  const std::string why = Why(w);
  std::string text = Lines(w, ~0u) + (why.empty() ? "" : "\n" + why);
  if (!further.steps.empty()) text += std::string("\n") + kMoreMeasures;
  for (const std::string& step : further.steps) text += "\n" + step;
  if (!further.sentence.empty()) text += "\n" + further.sentence;
  return text;
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

std::string Solution(const model::Working& w, const Further& further) {
  std::string text = texts::kSolutionGiven;
  for (const std::string& given : w.given) {
    if (!given.empty()) text += "\n" + given;
  }
  text +=
      std::string("\n") + texts::kSolutionSteps + "\n" + Steps(w, further) + "\n" + texts::kSolutionAnswer;
  if (w.error) {
    return text + "\n" + TitleFor(*w.error) + ".";
  }
  for (const std::string& answer : w.answers) text += "\n" + answer;
  for (const std::string& answer : further.answers) text += "\n" + answer;
  if (!further.sentence.empty()) text += "\n" + further.sentence;
  return text;
}

}  // namespace panel
