#include "window/press.h"

#include "model/combination.h"
#include "model/working.h"
#include "runtime/format_number.h"
#include "window/shape_words.h"
#include "window/trapezoid_drawing.h"
#include "window/working.h"

namespace panel {

namespace {

Outcome Failed(int index, runtime::ErrorKind error, const std::optional<model::Working>& w) {
  Outcome out;
  out.kind = Outcome::Kind::Failed;
  out.error = error;
  out.message = MessageFor(index, error);
  if (!w) return out;  // a box's number could not be read: no step was taken
  out.working = Steps(*w);
  out.solution = Solution(*w);
  const std::string step = FailingStep(*w);
  if (!step.empty()) out.message.text += "\n\n" + step;
  return out;
}

// Six texts for the boxes; each box's description is its own until a working explains it.
Outcome Solved(const model::Measures& measures, const runtime::RegionalSettings& settings) {
  Outcome out;
  out.kind = Outcome::Kind::Solved;
  out.picture = DefaultDrawing();
  for (int q = 0; q < model::kQuantityCount; ++q) {
    out.texts[q] = runtime::FormatNumber(measures[q], model::kDecimals, settings);
    out.descriptions[q] = BoxDescription(q, "");
  }
  return out;
}

}  // namespace

Outcome Press(int index, const model::Rows& rows, const runtime::RegionalSettings& settings) {
  std::optional<model::Measures> read;
  try {
    read = model::ReadGiven(rows, settings);
  } catch (const runtime::ArithmeticError& error) {
    return Failed(index, error.kind(), std::nullopt);
  }
  if (!read) return {};
  // An index that names no combination computes nothing and writes six zeros.
  if (!model::IsCombination(index)) return Solved(model::Measures{}, settings);

  const model::Run run = model::Solve(index, *read);
  const model::Working w = model::WorkOut(index, run, settings);
  if (run.error) return Failed(index, *run.error, w);

  Outcome out = Solved(run.measures(), settings);
  const Further further = FurtherMeasures(run, settings);
  out.explanations = Explanations(w);
  out.working = Steps(w, further);
  out.solution = Solution(w, further);
  out.picture = TrapezoidDrawing(run.measures(), run.exact, settings);
  if (!further.steps.empty()) {
    out.picture.working = kMoreMeasures;
    for (const std::string& step : further.steps) out.picture.working += "\n" + step;
    out.picture.description += "\n" + out.picture.working;
  }
  for (int q = 0; q < model::kQuantityCount; ++q)
    out.descriptions[q] = BoxDescription(q, out.explanations[q]);
  return out;
}

}  // namespace panel
