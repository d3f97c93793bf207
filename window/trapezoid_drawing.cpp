#include "window/trapezoid_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "model/derived.h"
#include "model/number_text.h"
#include "model/shape.h"
#include "model/working.h"
#include "runtime/format_number.h"
#include "window/glyphs.h"
#include "window/placing.h"
#include "window/print_scale.h"
#include "window/shape_words.h"
#include "window/texts.h"

namespace panel {

namespace {

constexpr double kW = Picture::kWidth, kH = Picture::kHeight;
constexpr double kPx = glyphs::kLetteringPx;
constexpr double kSmallPx = 12;  // the lines of measures under the shape
constexpr double kPi = 3.14159265358979323846;
constexpr char kApart[] = "   ";  // between two measures on one line

// The sentence, broken into centred lines that fit the picture.
Picture Words(const std::string& sentence) {
  Picture p;
  // «Няма такъв трапец:» on a line of its own, the reason below it.
  const std::size_t colon = sentence.find(": ");
  std::vector<std::string> lines =
      Wrap(sentence.substr(0, colon == std::string::npos ? colon : colon + 1), kW - 2 * kMargin - 8, kPx);
  if (colon != std::string::npos) {
    for (const std::string& line : Wrap(sentence.substr(colon + 2), kW - 2 * kMargin - 8, kPx))
      lines.push_back(line);
  }
  const double rows = std::ceil(glyphs::Height(kPx) + kLabelGap);
  double top = std::max(kMargin, (kH - rows * static_cast<double>(lines.size())) / 2);
  for (const std::string& line : lines) {
    if (top + rows > kH - kMargin) break;
    p.labels.push_back({line, {kW / 2, top}, Anchor::Centre, kPx});
    top += rows;
  }
  p.description = sentence;
  return p;
}

// What one layout places: the figure in model units and the texts around it.
struct Content {
  double a = 0, c = 0, h = 0;
  std::string aLabel, cLabel, bLabel, hLabel;
  std::vector<std::string> required, optional;  // the measures under the shape
};

struct Corners {
  Point A, B, C, D;
  double axis;
  double scale;  // pixels to the longer base
};

// The corners in pixels: the figure scaled into the box between the bands of lettering and centred
// on it, its drawn height `aspect` times its longer base. Measured in that base, so that no
// number the solver can give (10⁻³⁰⁰, 10³⁰⁰) makes the scale overflow.
Corners Place(const Content& k, double aspect, const Box& box) {
  const double width = std::max(k.a, k.c), a = k.a / width, c = k.c / width;
  const double s = std::min(box.right - box.left, (box.bottom - box.top) / aspect);
  const double middle = (box.left + box.right) / 2;
  const double bottom = std::round((box.top + box.bottom) / 2 + aspect * s / 2);
  const double top = bottom - std::max(1.0, std::round(aspect * s));
  const auto x = [&](double length, double side) { return std::round(middle + side * length * s / 2); };
  Corners q{{x(a, -1), bottom}, {x(a, 1), bottom}, {x(c, 1), top}, {x(c, -1), top}, 0, s};
  q.axis = std::floor((q.A.x + q.B.x) / 2) + 0.5;
  return q;
}

void DrawLines(Picture& p, const Corners& q) {
  for (const auto& [from, to] : {std::pair{q.A, q.B}, {q.D, q.C}, {q.A, q.D}, {q.B, q.C}}) {
    p.lines.push_back({from, to, Dash::Solid, Weight::Thick});
  }
  const Point H{q.D.x + 0.5, q.A.y};
  p.lines.push_back({{H.x, q.D.y}, H, Dash::Dashed});
  // Past AB only: the value of c stands over the middle of DC.
  p.lines.push_back({{q.axis, q.D.y}, {q.axis, q.A.y + 4}, Dash::Dashed});
  if (q.D.x < q.A.x) p.lines.push_back({{q.D.x, q.A.y}, q.A, Dash::Dashed});  // AB carried on to H
  const double room = q.D.x < q.A.x ? q.A.x - q.D.x : q.axis - H.x;
  const double size = std::clamp(std::min(6.0, room - 2), 3.0, 6.0);
  p.marks.push_back({H, {0, -1}, {1, 0}, size});
}

// The arcs of α at the ends of the larger base, as drawn (the drawn angle where the figure is not to
// scale); the corners and the directions in which their letters go.
struct AngleMark {
  Point corner, bisector;
};
std::vector<AngleMark> DrawArcs(Picture& p, const Corners& q) {
  const bool lower = q.A.x <= q.D.x;  // a ≥ c: the larger base is AB
  const double angle = std::atan2(q.A.y - q.D.y, std::fabs(q.D.x - q.A.x)) * 180 / kPi;
  const double leg = std::hypot(q.A.y - q.D.y, q.D.x - q.A.x);
  const double radius =
      std::clamp(std::min(leg, std::fabs(lower ? q.B.x - q.A.x : q.C.x - q.D.x)) * 0.3, 5.0, 14.0);
  const Point left = lower ? q.A : q.D, right = lower ? q.B : q.C;
  const double leftStart = lower ? 0 : -angle, rightStart = lower ? 180 - angle : 180;
  p.arcs.push_back({left, radius, leftStart, angle});
  p.arcs.push_back({right, radius, rightStart, angle});
  const auto unit = [](double degrees) {
    return Point{std::cos(degrees * kPi / 180), -std::sin(degrees * kPi / 180)};
  };
  return {{left, unit(leftStart + angle / 2)}, {right, unit(rightStart + angle / 2)}};
}

// Lines of `items` side by side, kApart between them, each line no wider than the picture.
std::vector<std::string> Flow(const std::vector<std::string>& items, double px) {
  const double width = kW - 2 * kMargin;
  std::vector<std::string> lines;
  for (const std::string& item : items) {
    for (const std::string& piece : Wrap(item, width, px)) {
      if (!lines.empty() && glyphs::TextWidth(lines.back() + kApart + piece, px) <= width) {
        lines.back() += kApart + piece;
      } else {
        lines.push_back(piece);
      }
    }
  }
  return lines;
}

// As many of `items` as fit on one line, in their order.
std::string OneLine(const std::vector<std::string>& items, double px) {
  std::string line;
  for (const std::string& item : items) {
    const std::string joined = line.empty() ? item : line + kApart + item;
    if (glyphs::TextWidth(joined, px) <= kW - 2 * kMargin) line = joined;
  }
  return line;
}

Point Shifted(Point p, double dx, double dy) { return {p.x + dx, p.y + dy}; }

void PlaceLetters(Picture& p, const Corners& q) {
  const double above = -3 - glyphs::Height(kPx), below = 3;
  const Point H{q.D.x + 0.5, q.A.y};
  PlaceAt(p, {"A", {}, Anchor::Right, kPx}, Along(Shifted(q.A, -1, below), {-1, 0}, 2, 24, true));
  PlaceAt(p, {"B", {}, Anchor::Left, kPx}, Along(Shifted(q.B, 1, below), {1, 0}, 2, 24, true));
  PlaceAt(p, {"D", {}, Anchor::Right, kPx}, Along(Shifted(q.D, -1, above), {-1, 0}, 2, 24, true));
  PlaceAt(p, {"C", {}, Anchor::Left, kPx}, Along(Shifted(q.C, 1, above), {1, 0}, 2, 24, true));
  PlaceAt(p, {"H", {}, Anchor::Centre, kPx}, Along(Shifted(H, 0, below), {1, 0}, 2, 30, true));
}

// The values beside their lines. A value with no room there leaves its letter alone beside the line
// and joins the measures under the shape (`displaced`).
void PlaceValue(Picture& p, const std::string& text, Anchor anchor, const std::vector<Point>& places,
                std::vector<std::string>& displaced) {
  if (PlaceAt(p, {text, {}, anchor, kPx}, places)) return;
  displaced.push_back(text);
  PlaceAt(p, {text.substr(0, 1), {}, anchor, kPx}, places);
}

// The leg's value first, at the left of the figure beside the middle of AD: a flat figure leaves
// it no other room.
void PlaceLeg(Picture& p, const Corners& q, const Content& k, std::vector<std::string>& displaced) {
  const double height = glyphs::Height(kPx), middle = (q.A.y + q.D.y) / 2;
  PlaceValue(p, k.bLabel, Anchor::Right,
             Along({std::min(q.A.x, q.D.x) - 3, middle - height / 2}, {0, 1}, 2, (q.A.y - q.D.y) / 2, true),
             displaced);
}

void PlaceValues(Picture& p, const Corners& q, const Content& k, std::vector<std::string>& displaced) {
  const double height = glyphs::Height(kPx), middle = (q.A.y + q.D.y) / 2;
  const auto place = [&](const std::string& text, Anchor anchor, const std::vector<Point>& places) {
    PlaceValue(p, text, anchor, places, displaced);
  };
  // a off the axis, on the right half of AB; c over the middle of DC.
  place(k.aLabel, Anchor::Centre, Along({(q.axis + q.B.x) / 2, q.A.y + 3}, {1, 0}, 2, 90, true));
  place(k.cLabel, Anchor::Centre, Along({q.axis, q.D.y - 3 - height}, {1, 0}, 2, 90, true));
  PlaceAt(p, {"b", {}, Anchor::Left, kPx},
          Along({std::max(q.B.x, q.C.x) + 3, middle - height / 2}, {0, 1}, 2, (q.A.y - q.D.y) / 2, true));
  // Beside DH, within its height: on the side of the axis, else on the side of the leg.
  std::vector<Point> beside;
  for (double top = q.A.y - 3 - height; top >= q.D.y + 3; top -= 2) {
    beside.push_back({q.D.x + 3.5, top});
  }
  std::vector<Point> before = beside;
  for (Point& at : before) at.x = q.D.x - 2.5;
  if (PlaceAt(p, {k.hLabel, {}, Anchor::Left, kPx}, beside)) return;
  if (PlaceAt(p, {k.hLabel, {}, Anchor::Right, kPx}, before)) return;
  displaced.push_back(k.hLabel);
  if (!PlaceAt(p, {"h", {}, Anchor::Left, kPx}, beside)) PlaceAt(p, {"h", {}, Anchor::Right, kPx}, before);
}

void PlaceAngleLetters(Picture& p, const std::vector<AngleMark>& marks, double radius) {
  const double half = glyphs::Height(kPx) / 2;
  for (const AngleMark& m : marks) {
    std::vector<Point> places;
    for (double d = radius + 4; d <= radius + 24; d += 2) {
      places.push_back({m.corner.x + m.bisector.x * d, m.corner.y + m.bisector.y * d - half});
    }
    PlaceAt(p, {"α", {}, Anchor::Centre, kPx}, places);
  }
}

struct Layout {
  Picture picture;
  std::vector<std::string> displaced;
  double scale = 0;  // pixels to the longer base
};

// One layout with `required` under the shape, and the optional measures where they leave room.
Layout Lay(const Content& k, bool toScale, double aspect, const std::vector<std::string>& required) {
  Layout out;
  Picture& p = out.picture;
  double top = kMargin;
  if (!toScale) {
    p.labels.push_back({kNotToScale, {kMargin, kMargin}, Anchor::Left, kSmallPx});
    top += std::ceil(glyphs::Height(kSmallPx) + kLabelGap);
  }
  std::vector<std::string> lines = Flow(required, kSmallPx);
  const std::string extra = OneLine(k.optional, kSmallPx);
  // A band of lettering beside a base: 3 px from the line, then the text and the gap to the next.
  const double rows = std::ceil(glyphs::Height(kSmallPx) + kLabelGap),
               band = std::ceil(3 + glyphs::Height(kPx) + kLabelGap + 1);
  const auto box = [&] {
    const double linesTop = kH - kMargin - rows * static_cast<double>(lines.size());
    return Box{kMargin + glyphs::TextWidth(k.bLabel, kPx) + 5, top + band,
               kW - kMargin - glyphs::TextWidth("b", kPx) - 5, linesTop - band};
  };
  if (!extra.empty()) lines.push_back(extra);
  if (!extra.empty() && box().bottom - box().top < 40) lines.pop_back();
  const Box shapeBox = box();
  const Corners q = Place(k, aspect, shapeBox);
  out.scale = q.scale;
  DrawLines(p, q);
  const std::vector<AngleMark> marks = DrawArcs(p, q);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Label line{
        lines[i], {kW / 2, q.A.y + band + rows * static_cast<double>(i)}, Anchor::Centre, kSmallPx};
    if (Free(p, line.Bounds())) p.labels.push_back(line);
  }
  PlaceLeg(p, q, k, out.displaced);
  PlaceLetters(p, q);
  PlaceValues(p, q, k, out.displaced);
  PlaceAngleLetters(p, marks, p.arcs.front().radius);
  return out;
}

// "4,3300" as "4,33", "2,000" as "2".
std::string WithoutTrailingZeros(std::string number, const runtime::RegionalSettings& s) {
  const std::size_t point = number.rfind(s.decimalSymbol);
  if (point == std::string::npos) return number;
  number.erase(std::max(number.find_last_not_of('0') + 1, point));
  if (number.size() == point + s.decimalSymbol.size()) number.erase(point);
  return number;
}

std::string AngleText(const char* letter, const model::Angle& angle, const runtime::RegionalSettings& s) {
  return std::string(letter) + (angle.exact ? " = " : " ≈ ") + model::DegreesText(angle, s);
}

std::string Description(const Content& k, const model::Derived& more, bool toScale,
                        const runtime::RegionalSettings& s, double b) {
  const auto full = [&](const char* letter, double value) { return ValueText(letter, value, 1e9, kPx, s); };
  std::string text = "Чертеж на равнобедрения трапец ABCD";
  if (!toScale) text += std::string(", ") + kNotToScale;
  text += ": основа AB, " + full("a", k.a) + "; основа DC, " + full("c", k.c) + "; бедра AD и BC, " +
          full("b", b) + "; височина DH, " + full("h", k.h) + "; диагонал " + full("d", more.d) +
          "; ъгъл при по-голямата основа " + AngleText("α", more.alpha, s) + "; ъгъл " +
          AngleText("β", more.beta, s) + "; средна основа " + full("m", more.m) +
          "; радиус на описаната окръжност " + full("R", more.R);
  if (more.r) text += "; радиус на вписаната окръжност " + full("r", *more.r);
  return text + ".";
}

}  // namespace

std::string ValueText(const std::string& letter, double value, double budget, double px,
                      const runtime::RegionalSettings& settings) {
  const model::WrittenNumber full = model::WriteNumber(value, settings);
  const auto label = [&](const std::string& number, bool rounded) {
    return letter + (rounded ? " ≈ " : " = ") + number;
  };
  std::string text = label(full.text, full.rounded);
  const double magnitude = std::fabs(value);
  if (glyphs::TextWidth(text, px) <= budget || !(magnitude >= 1e-7 && magnitude < 1e15)) return text;
  runtime::RegionalSettings plain = settings;
  plain.grouping = false;
  plain.leadingZero = true;
  plain.negativeSign = "−";
  plain.negativeInParentheses = false;
  // Three significant digits need 2 − e decimals for a value of the order 10^e.
  const int fewest = std::clamp(2 - static_cast<int>(std::floor(std::log10(magnitude))), 0, model::kDecimals);
  for (int places = model::kDecimals - 1; places >= fewest; --places) {
    const std::string number = WithoutTrailingZeros(runtime::FormatNumber(value, places, plain), plain);
    text = label(number, number != full.text || full.rounded);
    if (glyphs::TextWidth(text, px) <= budget) break;
  }
  return text;
}

Picture WordsDrawing(const std::string& sentence) { return Words(sentence); }

Picture TrapezoidDrawing(const model::Measures& measures, const model::ExactTerms& exact,
                         const runtime::RegionalSettings& settings) {
  const model::Shape shape = model::Classify(measures, exact);
  if (shape.kind != model::ShapeKind::Trapezoid)
    return Words(ShapeSentence(shape, measures, exact, settings));
  const std::optional<model::Derived> more = model::Derive(measures, exact, settings);
  if (!more) return Words(texts::kTooLargeTitle);

  Content k;
  k.a = measures[model::A];
  k.c = measures[model::C];
  k.h = measures[model::H];
  k.aLabel = ValueText("a", k.a, 80, kPx, settings);
  k.cLabel = ValueText("c", k.c, 80, kPx, settings);
  k.bLabel = ValueText("b", measures[model::B], 44, kPx, settings);
  k.hLabel = ValueText("h", k.h, 44, kPx, settings);
  k.required = {ValueText("d", more->d, 60, kSmallPx, settings), AngleText("α", more->alpha, settings)};
  k.optional = {ValueText("m", more->m, 60, kSmallPx, settings), AngleText("β", more->beta, settings),
                ValueText("R", more->R, 60, kSmallPx, settings)};
  if (more->r) k.optional.push_back(ValueText("r", *more->r, 60, kSmallPx, settings));

  const double width = std::max(k.a, k.c), ratio = k.h / width;
  const bool toScale = ratio >= 1 / kMostAspect && ratio <= kMostAspect;
  const double aspect = toScale ? ratio : ratio < 1 ? 1 / kReadableAspect : kReadableAspect;
  // A value with no room beside its line joins the measures under the shape, which leaves the
  // shape less room: a few rounds settle it.
  std::vector<std::string> displaced;
  Layout layout;
  for (int round = 0; round < 4; ++round) {
    std::vector<std::string> required = displaced;
    required.insert(required.end(), k.required.begin(), k.required.end());
    layout = Lay(k, toScale, aspect, required);
    if (layout.displaced == displaced) break;
    displaced = layout.displaced;
  }
  layout.picture.description = Description(k, *more, toScale, settings, measures[model::B]);
  // On paper one unit is a centimetre at the scale that fits the whole picture on the page.
  const double unitsPerPixel = width / layout.scale;
  const std::optional<PrintScale> print =
      toScale ? PrintScaleFor(kW * unitsPerPixel, kH * unitsPerPixel, settings) : std::nullopt;
  if (print) {
    layout.picture.printWidth = kW * unitsPerPixel / print->denominator;
    layout.picture.printScale = print->text;
  }
  return layout.picture;
}

}  // namespace panel
