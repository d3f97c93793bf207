#include "window/drawing.h"

#include <cmath>

#include "window/glyphs.h"
#include "window/texts.h"

namespace panel {

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

Point Arc::At(double degrees) const {
  const double radians = degrees * kPi / 180;
  return {centre.x + radius * std::cos(radians), centre.y - radius * std::sin(radians)};
}

std::array<Point, 3> RightAngle::Path() const {
  return {{{corner.x + first.x * size, corner.y + first.y * size},
           {corner.x + (first.x + second.x) * size, corner.y + (first.y + second.y) * size},
           {corner.x + second.x * size, corner.y + second.y * size}}};
}

double Label::Width() const { return glyphs::TextWidth(text, size); }

double Label::Left() const {
  switch (anchor) {
    case Anchor::Left: return at.x;
    case Anchor::Centre: return at.x - Width() / 2;
    case Anchor::Right: return at.x - Width();
  }
  return at.x;
}

double Label::Baseline() const { return at.y + glyphs::Ascent(size); }

Box Label::Bounds() const {
  const double left = Left();
  return {left, at.y, left + Width(), at.y + glyphs::Height(size)};
}

Picture DefaultDrawing() {
  const Point A{15, 156}, B{170, 156}, C{131, 24}, D{54, 24};
  Picture p;
  for (const auto& [from, to] : {std::pair{A, B}, {D, C}, {A, D}, {B, C}}) {
    p.lines.push_back({from, to, Dash::Solid, Weight::Thick});
  }
  for (double x : {D.x + 0.5, C.x + 0.5}) p.lines.push_back({{x, D.y}, {x, A.y}});
  p.lines.push_back({{92.5, 11}, {92.5, 173}, Dash::Dashed});
  const struct {
    const char* text;
    double left, top;
  } lettering[] = {
      {"D", 44, 4},   {"C", 133, 4},      {"c/2", 62, 6},  {"c/2", 100, 6},
      {"b", 20, 80},  {"b", 157, 80},     {"h", 58, 84},   {"A", 9, 158},
      {"H", 49, 158}, {"AB=a", 104, 158}, {"B", 167, 158}, {"DH = h   AD= BC=b", 30, 177},
  };
  for (const auto& l : lettering) p.labels.push_back({l.text, {l.left, l.top}});
  p.description = texts::kPicture1Accessible.description;
  return p;
}

}  // namespace panel
