#include "window/print_scale.h"

#include <cmath>
#include <limits>

#include "model/number_text.h"

namespace panel {

std::optional<PrintScale> PrintScaleFor(double width, double height,
                                        const runtime::RegionalSettings& settings, double areaWidth,
                                        double areaHeight) {
  const auto positive = [](double x) { return std::isfinite(x) && x > 0; };
  if (!positive(width) || !positive(height) || !positive(areaWidth) || !positive(areaHeight)) {
    return std::nullopt;
  }
  // 1, 2, 5, 10, 20, 50, …: each power of ten times 1, 2 and 5.
  double power = 1;
  for (int step = 0;; step = (step + 1) % 3) {
    const double denominator = power * (step == 0 ? 1 : step == 1 ? 2 : 5);
    if (width / denominator <= areaWidth && height / denominator <= areaHeight) {
      return PrintScale{denominator, "М 1:" + model::WriteNumber(denominator, settings).text};
    }
    if (step == 2) power *= 10;
    if (!std::isfinite(power * 5)) return std::nullopt;  // beyond every double, which no finite size is
  }
}

}  // namespace panel
