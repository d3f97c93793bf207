// One press of the button fed arbitrary combination indexes, ticks and texts: it gives nothing,
// or six texts each with the decimal symbol, or one error with its message; and where a measure
// of the run has an exact form, that form agrees with the double.
#include <cmath>
#include <cstdlib>
#include <string>

#include "fuzz/rounding_bound.h"
#include "fuzz/settings.h"
#include "model/combination.h"
#include "model/solver.h"
#include "window/press.h"

namespace {

// Within 1e-9, relative, of the double, beyond the rounding that the doubles' own arithmetic can
// account for (and the rounding of writing p + q√r as a double).
void ExpectExactAgrees(int index, const model::Rows& rows, const runtime::RegionalSettings& settings) {
  const model::Measures read = *model::ReadGiven(rows, settings);
  const model::Run run = model::Solve(index, read);
  const model::Measures doubles = run.measures();
  const model::ExactTerms& exact = run.exact;
  const model::Terms bounds = fuzz::RoundingBounds(index, read);
  for (int q = 0; q < model::kQuantityCount; ++q) {
    if (!exact[q]) continue;
    const model::Exact& x = *exact[q];
    const double own = 4 * fuzz::kUnit *
                       (std::fabs(x.rational().ToDouble()) +
                        std::fabs(x.surd().ToDouble()) * std::sqrt(static_cast<double>(x.root())));
    const double tolerance = 1e-9 * std::fabs(doubles[q]) + 2 * bounds[q] + own;
    if (!(std::fabs(x.ToDouble() - doubles[q]) <= tolerance)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const runtime::RegionalSettings& settings = PickSettings(data[0]);
  const auto index = static_cast<std::int16_t>(data[1] | (data[2] << 8));
  const std::uint8_t ticks = data[3];
  // The rest is six texts, separated by newlines.
  model::Rows rows;
  std::size_t row = 0;
  for (std::size_t i = 4; i < size && row < rows.size(); ++i) {
    if (data[i] == '\n')
      ++row;
    else
      rows[row].text.push_back(static_cast<char>(data[i]));
  }
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].ticked = (ticks >> i) & 1;

  const panel::Outcome press = panel::Press(index, rows, settings);
  if (press.kind == panel::Outcome::Kind::Failed) {
    if (!press.error || press.message.text.empty()) std::abort();
    return 0;
  }
  if (press.kind == panel::Outcome::Kind::Nothing) return 0;
  if (model::IsCombination(index)) ExpectExactAgrees(index, rows, settings);
  for (const std::string& t : press.texts) {
    if (t.rfind(settings.decimalSymbol) == std::string::npos) std::abort();
    if (t.find("inf") != std::string::npos || t.find("nan") != std::string::npos) std::abort();
  }
  return 0;
}
