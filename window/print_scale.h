// The scale at which the drawing goes on paper: at true size, 1 unit = 1 cm, where it fits a
// page's printable area, else at the largest of 1:2, 1:5, 1:10, 1:20, 1:50, 1:100, … that fits.
#pragma once

#include <optional>
#include <string>

#include "runtime/regional_settings.h"

namespace panel {

// An A4 page less margins of 1 cm.
inline constexpr double kPrintableWidthCm = 19, kPrintableHeightCm = 27.7;

struct PrintScale {
  double denominator = 1;  // 1 : denominator
  std::string text;        // «М 1:5», written under the drawing
};

// For a figure `width` by `height` units as drawn; nothing for a size that is no positive number.
std::optional<PrintScale> PrintScaleFor(double width, double height,
                                        const runtime::RegionalSettings& settings,
                                        double areaWidth = kPrintableWidthCm,
                                        double areaHeight = kPrintableHeightCm);

}  // namespace panel
