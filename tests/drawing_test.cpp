// The picture as data: the default drawing against the one tools/make_images.py drew, the drawing
// of computed trapezoids (corners, scale, aspect, labels clear of each other, of the lines and of
// the picture's edge), the words where there is no trapezoid, and the SVG written from the data.
#include "window/drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <regex>
#include <sstream>

#include "model/combination.h"
#include "runtime/val.h"
#include "settings.h"
#include "solved.h"
#include "window/glyphs.h"
#include "window/print_scale.h"
#include "window/shape_words.h"
#include "window/svg.h"
#include "window/trapezoid_drawing.h"

namespace {

using panel::Label;
using panel::Line;
using panel::Picture;
using panel::Point;

const runtime::RegionalSettings kBg = test_settings::Bulgarian();

using test_solved::Solve;
using test_solved::Solved;

Picture Drawing(int index, const std::array<const char*, 3>& given) {
  const Solved s = Solve(index, given);
  return panel::TrapezoidDrawing(s.measures, s.exact, kBg);
}

bool HasLabel(const Picture& p, const std::string& text) {
  for (const Label& l : p.labels) {
    if (l.text == text) return true;
  }
  return false;
}

// ---- the default drawing ----

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every line and letter of the picture that tools/make_images.py drew, at the same place: the
// outline's four sides (a polygon there) as thick lines, and each other element of its SVG as
// written from the data.
TEST(DefaultDrawing, MatchesTheDrawnPicture) {
  const std::string drawn = ReadFile(TRAPEZOID_IMAGES "/trapezoid.svg");
  ASSERT_FALSE(drawn.empty());
  const Picture drawing = panel::DefaultDrawing();
  const std::string written = panel::WriteSvg(drawing);

  std::smatch outline;
  ASSERT_TRUE(
      std::regex_search(drawn, outline, std::regex(R"re(<polygon points="([^"]*)" stroke-width="2"/>)re")));
  std::vector<Point> corners;
  std::istringstream points(outline[1].str());
  for (double x, y; points >> x && points.ignore(1) && points >> y;) corners.push_back({x, y});
  ASSERT_EQ(corners.size(), 4u);
  int thick = 0;
  for (const Line& l : drawing.lines) {
    if (l.weight != panel::Weight::Thick) continue;
    ++thick;
    bool side = false;
    for (std::size_t i = 0; i < 4; ++i) {
      const Point p = corners[i], q = corners[(i + 1) % 4];
      const auto same = [](Point a, Point b) { return a.x == b.x && a.y == b.y; };
      side = side || (same(l.from, p) && same(l.to, q)) || (same(l.from, q) && same(l.to, p));
    }
    EXPECT_TRUE(side) << l.from.x << "," << l.from.y << " " << l.to.x << "," << l.to.y;
  }
  EXPECT_EQ(thick, 4);

  int elements = 0;
  std::istringstream lines(drawn);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("<line") == std::string::npos && line.find("<text") == std::string::npos) continue;
    ++elements;
    EXPECT_NE(written.find(line + "\n"), std::string::npos) << line;
  }
  EXPECT_EQ(elements, 15);  // 3 lines, 12 letterings
  EXPECT_EQ(drawing.lines.size() + drawing.labels.size(), 4u + 15u);
}

// python3-pil measures whole texts of the face at 2048 px without kerning (Layout.BASIC):
// "DH = h   AD= BC=b" is 111,531 px at 13 px, "Няма такъв трапец:" 116,577.
TEST(Glyphs, WidthsOfTheFace) {
  EXPECT_NEAR(panel::glyphs::TextWidth("DH = h   AD= BC=b", 13), 111.531, 0.01);
  EXPECT_NEAR(panel::glyphs::TextWidth("Няма такъв трапец:", 13), 116.577, 0.01);
  EXPECT_NEAR(panel::glyphs::TextWidth("Ъ", 2048), 1384, 0.01);
  EXPECT_NEAR(panel::glyphs::TextWidth("✓", 10), 10, 0.01);  // not in the table: one em
  EXPECT_DOUBLE_EQ(panel::glyphs::Ascent(13), 11.75);
}

// ---- the drawing of a computed trapezoid ----

struct Corners {
  Point A, B, C, D;
};
Corners CornersOf(const Picture& p) {  // its lines start with AB, DC, AD, BC
  return {p.lines[0].from, p.lines[0].to, p.lines[1].to, p.lines[1].from};
}

// Whether a dashed vertical line stands at `x` from `top` down to `bottom` or beyond.
bool DashedDown(const Picture& p, double x, double top, double bottom) {
  for (const Line& l : p.lines) {
    if (l.dash == panel::Dash::Dashed && std::fabs(l.from.x - x) <= 0.5 && l.from.x == l.to.x &&
        std::min(l.from.y, l.to.y) <= top && std::max(l.from.y, l.to.y) >= bottom) {
      return true;
    }
  }
  return false;
}

TEST(TrapezoidDrawing, CornersScaleAndAspect) {
  struct Case {
    int index;
    std::array<const char*, 3> given;
    double a, c, aspect;  // drawn height to the longer base
    bool toScale;
  };
  const Case cases[] = {
      {2, {"21", "9", "8"}, 21, 9, 8.0 / 21, true},
      // P,b,c: a = 20 − 10 − 8 = 2 < c, h = 4: drawn as it is, the longer base on top.
      {6, {"5", "8", "20"}, 2, 8, 4.0 / 8, true},
      {2, {"20", "18", "1.5"}, 20, 18, 1.5 / 20, true},
      {2, {"4", "2", "60"}, 4, 2, 15, true},
      {2, {"100", "90", "1"}, 100, 90, 1 / panel::kReadableAspect, false},
      {2, {"2", "1", "100"}, 2, 1, panel::kReadableAspect, false},
  };
  for (const Case& c : cases) {
    const Picture p = Drawing(c.index, c.given);
    ASSERT_GE(p.lines.size(), 4u);
    const Corners q = CornersOf(p);
    SCOPED_TRACE(c.given[0]);
    EXPECT_EQ(q.A.y, q.B.y);
    EXPECT_EQ(q.D.y, q.C.y);
    EXPECT_GT(q.A.y, q.D.y);  // AB at the bottom
    const double ab = q.B.x - q.A.x, dc = q.C.x - q.D.x, height = q.A.y - q.D.y;
    EXPECT_NEAR(ab * c.c, dc * c.a, 2 * std::max(c.a, c.c));  // to a pixel at each end
    EXPECT_NEAR(q.A.x + q.B.x, q.D.x + q.C.x, 1);
    const double width = std::max(ab, dc);
    EXPECT_NEAR(height, c.aspect * width, 1 + c.aspect);  // each corner to the nearest pixel
    EXPECT_GE(std::max(width, height), 90);  // fills the room the lettering leaves, at least half the picture
    EXPECT_EQ(HasLabel(p, panel::kNotToScale), !c.toScale);
    EXPECT_TRUE(DashedDown(p, (q.A.x + q.B.x) / 2, q.D.y, q.A.y));  // the axis
    EXPECT_TRUE(DashedDown(p, q.D.x, q.D.y, q.A.y));                // DH
    ASSERT_EQ(p.marks.size(), 1u);
    EXPECT_NEAR(p.marks[0].corner.x, q.D.x, 0.5);
    EXPECT_EQ(p.marks[0].corner.y, q.A.y);
    ASSERT_EQ(p.arcs.size(), 2u);  // α at the larger base
    const Point left = c.a > c.c ? q.A : q.D, right = c.a > c.c ? q.B : q.C;
    EXPECT_EQ(p.arcs[0].centre.x, left.x);
    EXPECT_EQ(p.arcs[0].centre.y, left.y);
    EXPECT_EQ(p.arcs[1].centre.x, right.x);
    EXPECT_EQ(p.arcs[1].centre.y, right.y);
  }
}

bool Inside(Point p, const panel::Box& b) {
  return p.x > b.left && p.x < b.right && p.y > b.top && p.y < b.bottom;
}
bool InPicture(Point p) { return p.x >= 0 && p.x <= Picture::kWidth && p.y >= 0 && p.y <= Picture::kHeight; }

// Points every quarter pixel along a segment, on its middle and on both its edges.
std::vector<Point> Trace(Point from, Point to, double width) {
  const double length = std::hypot(to.x - from.x, to.y - from.y);
  const Point across = length == 0 ? Point{} : Point{-(to.y - from.y) / length, (to.x - from.x) / length};
  std::vector<Point> points;
  for (double t = 0; t <= length; t += 0.25) {
    const double f = length == 0 ? 0 : t / length;
    for (double side : {-width / 2, 0.0, width / 2}) {
      points.push_back(
          {from.x + (to.x - from.x) * f + across.x * side, from.y + (to.y - from.y) * f + across.y * side});
    }
  }
  return points;
}

// Every label inside the picture, at least 11 px, clear of every other label and of every line,
// arc and mark; every line, arc and mark inside the picture.
void ExpectClear(const Picture& p, const std::string& name) {
  std::vector<Point> ink;
  for (const Line& l : p.lines) {
    const auto points = Trace(l.from, l.to, static_cast<int>(l.weight));
    ink.insert(ink.end(), points.begin(), points.end());
  }
  for (const panel::Arc& a : p.arcs) {
    for (double t = 0; t <= 1; t += 0.01) ink.push_back(a.At(a.start + a.sweep * t));
  }
  for (const panel::RightAngle& m : p.marks) {
    const auto path = m.Path();
    for (std::size_t i = 1; i < path.size(); ++i) {
      const auto points = Trace(path[i - 1], path[i], 1);
      ink.insert(ink.end(), points.begin(), points.end());
    }
  }
  for (const Point& point : ink) EXPECT_TRUE(InPicture(point)) << name << ": " << point.x << "," << point.y;
  for (std::size_t i = 0; i < p.labels.size(); ++i) {
    const Label& l = p.labels[i];
    const panel::Box b = l.Bounds();
    EXPECT_GE(l.size, 11) << name << ": " << l.text;
    EXPECT_TRUE(InPicture({b.left, b.top}) && InPicture({b.right, b.bottom})) << name << ": " << l.text;
    for (std::size_t j = i + 1; j < p.labels.size(); ++j) {
      const panel::Box o = p.labels[j].Bounds();
      EXPECT_FALSE(b.left < o.right && o.left < b.right && b.top < o.bottom && o.top < b.bottom)
          << name << ": " << l.text << " / " << p.labels[j].text;
    }
    for (const Point& point : ink) {
      if (Inside(point, b)) {
        ADD_FAILURE() << name << ": " << l.text << " over " << point.x << "," << point.y;
        break;
      }
    }
  }
}

TEST(TrapezoidDrawing, LabelsOverlapNothingAndStayInThePicture) {
  struct Case {
    int index;
    std::array<const char*, 3> given;
  };
  const Case cases[] = {
      {0, {"8", "5", "2"}},
      {1, {"21", "10", "8"}},
      {2, {"10", "6", "4"}},
      {3, {"5", "3", "4"}},
      {5, {"12", "4", "26"}},
      {6, {"13", "4", "50"}},
      {7, {"13", "12", "52"}},
      {8, {"7", "1", "16"}},
      {9, {"8", "2", "10"}},
      {10, {"10", "6", "72"}},
      {11, {"2", "3", "15"}},
      {0, {"8", "5", "3"}},
      {6, {"5", "8", "20"}},
      {6, {"5", "2", "11.9"}},
      {2, {"20", "18", "1.5"}},
      {2, {"4", "2", "60"}},
      {2, {"100", "90", "1"}},
      {2, {"2", "1", "100"}},
      {2, {"1E9", "1", "1"}},
      {2, {"1", "0.999", "1E6"}},
      {2, {"1234.5678", "1000.0001", "0.0123456"}},
      {2, {"1E-300", "1E-301", "1E-300"}},
      {2, {"1E150", "1E149", "1"}},
      {0, {"1.1", "9999999", "1"}},
  };
  for (const Case& c : cases) {
    const Picture p = Drawing(c.index, c.given);
    ExpectClear(p, std::to_string(c.index) + " " + c.given[0] + " " + c.given[1] + " " + c.given[2]);
  }
}

// What any double the solver could give, or none could, makes of the picture: never a shape out
// of it, and no exception.
TEST(TrapezoidDrawing, AnyDouble) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const double max = std::numeric_limits<double>::max(), tiny = std::numeric_limits<double>::denorm_min();
  const model::Measures cases[] = {
      {nan, 5, 2, 4, 20, 20},
      {8, inf, 2, 4, 20, 20},
      {8, 5, 2, -inf, 20, 20},
      {max, max, max, max, 0, 0},
      {max, 1, tiny, 1, 0, 0},
      {8, 5, 2, tiny, 0, 0},
      {tiny, tiny, tiny, tiny, 0, 0},
      {max, max, 1, tiny, 0, 0},
      {-0.0, 5, 2, 4, 0, 0},
      {1, 1e300, 1e-300, 1e300, 0, 0},
      {2 * tiny, 5, tiny, 2 * tiny, 0, 0},
      {max, max, max / 2, tiny, 0, 0},
  };
  for (const model::Measures& m : cases) {
    Picture p;
    ASSERT_NO_THROW(p = panel::TrapezoidDrawing(m, {}, kBg)) << m[0];
    ExpectClear(p, std::to_string(m[0]) + " " + std::to_string(m[3]));
    EXPECT_FALSE(p.labels.empty());
    EXPECT_FALSE(p.description.empty());
  }
}

TEST(TrapezoidDrawing, LettersValuesAndDescription) {
  const Picture p = Drawing(2, {"21", "9", "8"});
  for (const char* letter : {"A", "B", "C", "D", "H", "α", "b"}) EXPECT_TRUE(HasLabel(p, letter)) << letter;
  std::string all;
  for (const Label& l : p.labels) all += l.text + "|";
  for (const char* value : {"a = 21", "b = 10", "c = 9", "h = 8", "d = 17", "α ≈ 53,13°", "R = 10,625"}) {
    EXPECT_NE(all.find(value), std::string::npos) << value << " in " << all;
  }
  EXPECT_EQ(
      p.description,
      "Чертеж на равнобедрения трапец ABCD: основа AB, a = 21; основа DC, c = 9; бедра AD и BC, b = 10; "
      "височина DH, h = 8; диагонал d = 17; ъгъл при по-голямата основа α ≈ 53,13°; ъгъл β ≈ 126,87°; "
      "средна основа m = 15; радиус на описаната окръжност R = 10,625.");
  EXPECT_NE(Drawing(2, {"100", "90", "1"}).description.find("ABCD, не е в мащаб:"), std::string::npos);
}

const Label* Find(const Picture& p, const std::string& text) {
  for (const Label& l : p.labels) {
    if (l.text == text) return &l;
  }
  return nullptr;
}

// Every letter beside its own corner or line, every value beside what it measures, and the
// measures that follow the six on the lines under the shape, as a pupil reads them.
TEST(TrapezoidDrawing, EachLabelBesideWhatItNames) {
  struct Case {
    int index;
    std::array<const char*, 3> given;
    const char *a, *b, *c, *h;       // the value labels; a bare letter where its value went under the shape
    std::vector<std::string> under;  // the lines under the shape
  };
  const Case cases[] = {
      {0,
       {"8", "5", "2"},
       "a = 8",
       "b = 5",
       "c = 2",
       "h = 4",
       {"d ≈ 6,40312   α ≈ 53,13°", "m = 5   β ≈ 126,87°   R ≈ 4,00195"}},
      // P,b,c: a = 2 under c = 8, the longer base on top.
      {6,
       {"5", "8", "20"},
       "a = 2",
       "b = 5",
       "c = 8",
       "h = 4",
       {"d ≈ 6,40312   α ≈ 53,13°", "m = 5   β ≈ 126,87°   R ≈ 4,00195"}},
      // a,b,c 3, 2, 1: h = √3, α = 60° exactly.
      {0,
       {"3", "2", "1"},
       "a = 3",
       "b = 2",
       "c = 1",
       "h",
       {"h ≈ 1,73   d ≈ 2,64575   α = 60°", "m = 2   β = 120°   R ≈ 1,52753"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.given[0]) + " " + c.given[1] + " " + c.given[2]);
    const Picture p = Drawing(c.index, c.given);
    ASSERT_GE(p.lines.size(), 5u);
    const Corners q = CornersOf(p);
    const double lower = q.A.y, upper = q.D.y;
    const auto box = [&](const std::string& text) {
      const Label* l = Find(p, text);
      EXPECT_TRUE(l) << text;
      return l ? l->Bounds() : panel::Box{-1000, -1000, -1000, -1000};
    };
    const auto below = [&](const panel::Box& b) { return b.top >= lower && b.top <= lower + 8; };
    const auto above = [&](const panel::Box& b) { return b.bottom >= upper - 8 && b.bottom <= upper; };
    const auto leftOf = [](const panel::Box& b, double x) { return b.right <= x && b.right >= x - 12; };
    const auto rightOf = [](const panel::Box& b, double x) { return b.left >= x && b.left <= x + 12; };
    const auto between = [&](const panel::Box& b) { return b.top >= upper && b.bottom <= lower; };

    EXPECT_TRUE(below(box("A")) && leftOf(box("A"), q.A.x));
    EXPECT_TRUE(below(box("B")) && rightOf(box("B"), q.B.x));
    EXPECT_TRUE(above(box("D")) && leftOf(box("D"), q.D.x));
    EXPECT_TRUE(above(box("C")) && rightOf(box("C"), q.C.x));
    // H at the foot of the dashed height DH, just below AB.
    double dh = -1000;
    for (const Line& l : p.lines) {
      if (l.dash == panel::Dash::Dashed && l.from.x == l.to.x && std::fabs(l.from.x - q.D.x) <= 1)
        dh = l.from.x;
    }
    const panel::Box h = box("H");
    EXPECT_NEAR((h.left + h.right) / 2, dh, 2);
    EXPECT_TRUE(below(h)) << h.top;

    const panel::Box a = box(c.a), cb = box(c.c);
    EXPECT_TRUE(below(a) && a.left >= q.A.x && a.left <= q.B.x + 15) << a.left;
    EXPECT_TRUE(above(cb) && (cb.left + cb.right) / 2 > q.D.x && (cb.left + cb.right) / 2 < q.C.x);
    const panel::Box leg = box(c.b), other = box("b");
    EXPECT_TRUE(between(leg) && leftOf(leg, std::min(q.A.x, q.D.x) - 1)) << leg.right;
    EXPECT_TRUE(between(other) && rightOf(other, std::max(q.B.x, q.C.x))) << other.left;
    const panel::Box height = box(c.h);
    EXPECT_TRUE(between(height) && (std::fabs(height.left - dh) <= 4 || std::fabs(height.right - dh) <= 4));
    // α inside the figure, beside an end of the larger base.
    const Point base[2] = {q.A.x <= q.D.x ? q.A : q.D, q.A.x <= q.D.x ? q.B : q.C};
    int alphas = 0;
    for (const Label& l : p.labels) {
      if (l.text != "α") continue;
      ++alphas;
      const panel::Box b = l.Bounds();
      const Point middle{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
      const double near = std::min(std::hypot(middle.x - base[0].x, middle.y - base[0].y),
                                   std::hypot(middle.x - base[1].x, middle.y - base[1].y));
      EXPECT_LT(near, 35);
      EXPECT_TRUE(between(b) && b.left > std::min(q.A.x, q.D.x) && b.right < std::max(q.B.x, q.C.x));
    }
    EXPECT_GE(alphas, 1);
    for (const std::string& line : c.under) EXPECT_GT(box(line).top, lower + 8) << line;
  }
  // r where a circle can be inscribed is said, if not drawn: 8 + 2 = 2·5.
  EXPECT_NE(Drawing(0, {"8", "5", "2"}).description.find("радиус на вписаната окръжност r = 2."),
            std::string::npos);
}

// On paper one unit is a centimetre at the scale written under the drawing: AB = 8 is 8 cm at
// «М 1:1», and AB = 80 is 8 cm at «М 1:10».
TEST(TrapezoidDrawing, OnPaperAtItsScale) {
  struct Case {
    std::array<const char*, 3> given;
    const char* scale;
  };
  for (const Case& c : {Case{{"8", "5", "2"}, "М 1:1"}, Case{{"80", "50", "20"}, "М 1:10"}}) {
    const Picture p = Drawing(0, c.given);
    EXPECT_EQ(p.printScale, c.scale);
    const Corners q = CornersOf(p);
    EXPECT_NEAR((q.B.x - q.A.x) * p.printWidth / Picture::kWidth, 8, 0.1) << c.given[0];
  }
  const Picture flat = Drawing(2, {"100", "90", "1"});  // drawn at 1:4, not to scale: no scale on paper
  EXPECT_EQ(flat.printScale, "");
  EXPECT_EQ(flat.printWidth, 0);
}

TEST(TrapezoidDrawing, ValuesShortenedToWhatFits) {
  struct Case {
    const char* letter;
    double value, budget;
    const char* text;
  };
  // At 13 px "h ≈ 4,33" is 42,9 px wide and "h ≈ 4,330" 49,4.
  const Case cases[] = {
      {"a", 21, 44, "a = 21"},
      {"h", 4.330127018922193, 1000, "h ≈ 4,330127"},
      {"h", 4.330127018922193, 44, "h ≈ 4,33"},
      {"h", 4.330127018922193, 1, "h ≈ 4,33"},  // never fewer than three significant digits
      {"b", 0.00123456789, 1, "b ≈ 0,00123"},
      {"b", 12345.678, 1, "b ≈ 12346"},
      {"c", 2.5, 1, "c = 2,5"},
      {"a", 1e20, 1, "a = 1·10²⁰"},
  };
  for (const Case& c : cases) EXPECT_EQ(panel::ValueText(c.letter, c.value, c.budget, 13, kBg), c.text);
}

TEST(TrapezoidDrawing, NoTrapezoidIsWords) {
  const Picture p = Drawing(1, {"4", "5", "4"});
  EXPECT_TRUE(p.lines.empty() && p.arcs.empty() && p.marks.empty());
  ASSERT_EQ(p.labels.size(), 2u);
  EXPECT_EQ(p.labels[0].text, "Няма такъв трапец:");
  EXPECT_EQ(p.labels[1].text, "c = −2 < 0");
  EXPECT_EQ(p.description, "Няма такъв трапец: c = −2 < 0");
  for (const auto& given : {std::array<const char*, 3>{"6", "5", "5"}, {"6", "5", "4"}}) {
    EXPECT_TRUE(Drawing(1, given).lines.empty()) << "a rectangle and a triangle are no trapezoid";
  }
}

TEST(ShapeWords, OneSentenceForEachFigure) {
  struct Case {
    int index;
    std::array<const char*, 3> given;
    const char* sentence;
  };
  const Case cases[] = {
      {0, {"8", "5", "2"}, ""},
      {1, {"4", "5", "4"}, "Няма такъв трапец: c = −2 < 0"},
      {1, {"8", "5", "2"}, "Няма такъв трапец: c = 8 − 2√21 ≈ −1,1651514 < 0"},
      {6, {"5", "2", "10"}, "Няма такъв трапец: a = −2 < 0"},
      {0, {"8", "3", "2"}, "Няма такъв трапец: h = 0 и четирите върха лежат на една права"},
      {1, {"6", "5", "4"}, "Няма такъв трапец: c = 0 и фигурата е равнобедрен триъгълник"},
      {1, {"6", "5", "5"}, "Няма такъв трапец: a = c и фигурата е правоъгълник"},
  };
  for (const Case& c : cases) {
    const Solved s = Solve(c.index, c.given);
    EXPECT_EQ(panel::ShapeSentence(model::Classify(s.measures, s.exact), s.measures, s.exact, kBg),
              c.sentence);
  }
}

// ---- on paper ----

TEST(PrintScale, TrueSizeWhereItFitsElseTheLargestThatDoes) {
  struct Case {
    double width, height;
    double denominator;
    const char* text;
  };
  const Case cases[] = {
      {21, 8, 2, "М 1:2"},        {9, 8, 1, "М 1:1"},
      {19, 27.7, 1, "М 1:1"},     {19.5, 8, 2, "М 1:2"},
      {30, 60, 5, "М 1:5"},       {100, 50, 10, "М 1:10"},
      {8, 400, 20, "М 1:20"},     {1e20, 1, 1e19, "М 1:1·10¹⁹"},
      {0.001, 0.001, 1, "М 1:1"},
  };
  for (const Case& c : cases) {
    const std::optional<panel::PrintScale> scale = panel::PrintScaleFor(c.width, c.height, kBg);
    ASSERT_TRUE(scale) << c.width;
    EXPECT_EQ(scale->denominator, c.denominator) << c.width << " × " << c.height;
    EXPECT_EQ(scale->text, c.text);
  }
  const double inf = std::numeric_limits<double>::infinity();
  for (double size : {0.0, -1.0, inf, std::nan("")}) EXPECT_FALSE(panel::PrintScaleFor(size, 1, kBg));
  EXPECT_TRUE(panel::PrintScaleFor(std::numeric_limits<double>::max(), 1, kBg));
}

// ---- SVG ----

TEST(Svg, ElementsWhereTheDataPutsThem) {
  Picture p;
  p.lines.push_back({{1, 2.5}, {3, 4}, panel::Dash::Dashed, panel::Weight::Thick});
  p.lines.push_back({{10.25, 20}, {10.25, 30}});
  p.arcs.push_back({{50, 50}, 10, 0, 90});  // from the right round to the top, counter-clockwise
  p.marks.push_back({{10, 20}, {0, -1}, {1, 0}, 6});
  p.labels.push_back({"a & b", {5, 100}, panel::Anchor::Left, 12});
  p.labels.push_back({"D", {44, 4}});
  p.description = "Чертеж <1>";
  const std::string svg = panel::WriteSvg(p);
  for (
      const char* element : {
          R"(<svg xmlns="http://www.w3.org/2000/svg" width="183" height="197" viewBox="0 0 183 197" role="img">)",
          "<title>Чертеж &lt;1&gt;</title>",
          R"(<line x1="1" y1="2.5" x2="3" y2="4" stroke-width="2" stroke-dasharray="3 3"/>)",
          R"(<line x1="10.25" y1="20" x2="10.25" y2="30"/>)",
          R"(<path d="M60,50 A10,10 0 0 0 50,40"/>)",
          R"(<polyline points="10,14 16,14 16,20"/>)",
          // 100 + 12·47/52 = 110,846…
          R"(<text x="5" y="110.85" font-size="12">a&#160;&amp;&#160;b</text>)",
          R"(<text x="44" y="15.75">D</text>)",
      }) {
    EXPECT_NE(svg.find(element), std::string::npos) << element << "\n" << svg;
  }
}

}  // namespace
