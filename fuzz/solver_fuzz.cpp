// The whole calculation fed arbitrary combination indexes, ticks and texts: it gives nothing,
// or six texts each with seven digits after the point, or raises the one error type; and one
// press of the button, with its working, agrees.
#include <cstdlib>
#include <string>

#include "fuzz/settings.h"
#include "model/combination.h"
#include "model/solver.h"
#include "runtime/arithmetic_error.h"
#include "window/press.h"

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

  // One press gives what the plain calculation gives: the same texts, or the same error.
  const window::Outcome press = window::Press(index, rows, settings);
  try {
    const auto texts = model::Calculate(index, rows, settings);
    if (texts.has_value() != (press.kind == window::Outcome::Kind::Solved)) std::abort();
    if (!texts) return 0;
    if (*texts != press.texts) std::abort();
    for (const std::string& t : *texts) {
      const std::size_t point = t.rfind(settings.decimalSymbol);
      if (point == std::string::npos) std::abort();
      if (t.find("inf") != std::string::npos || t.find("nan") != std::string::npos) std::abort();
    }
  } catch (const runtime::ArithmeticError& e) {
    if (press.kind != window::Outcome::Kind::Failed || press.error != e.kind()) std::abort();
  }
  return 0;
}
