// A picture as data: lines, arcs, right-angle marks and labels in the picture's own pixel
// coordinates (x to the right, y downwards, from the top-left corner of Picture1's drawing area).
// A line one pixel wide that should fill one column of pixels stands on the column's middle
// (x = 54.5). Every front end paints the same data with a few calls of its own (QPainter, GDI,
// SVG) and draws nothing else.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace panel {

struct Point {
  double x = 0, y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
};

enum class Dash { Solid, Dashed };  // dashed: 3 px drawn, 3 px left out, from the line's start
enum class Weight { Thin = 1, Thick = 2 };

struct Line {
  Point from, to;
  Dash dash = Dash::Solid;
  Weight weight = Weight::Thin;

  friend bool operator==(const Line&, const Line&) = default;
};

// An arc of a circle, one pixel wide. Angles in degrees as on paper: 0° points right and 90° up,
// however the screen's y runs; `sweep` goes counter-clockwise as seen.
struct Arc {
  Point centre;
  double radius = 0;
  double start = 0, sweep = 0;

  Point At(double degrees) const;

  friend bool operator==(const Arc&, const Arc&) = default;
};

// The small square that marks a right angle at `corner`, its sides along the unit directions
// `first` and `second`; drawn as the two sides away from the corner, one pixel wide.
struct RightAngle {
  Point corner, first, second;
  double size = 0;

  std::array<Point, 3> Path() const;  // from the side along `first`, round to the one along `second`

  friend bool operator==(const RightAngle&, const RightAngle&) = default;
};

enum class Anchor { Left, Centre, Right };

// A text in italic Liberation Serif (Times New Roman where that is the system's face) of `size`
// pixels to the em. `at` is the point of the text's box that `anchor` names, on the top of the
// ascent, as the picture has always placed its lettering.
struct Label {
  std::string text;
  Point at;
  Anchor anchor = Anchor::Left;
  double size = 13;

  double Width() const;  // the estimate of window/glyphs.h
  double Left() const;
  double Baseline() const;
  Box Bounds() const;  // from the top of the ascent to the bottom of the descent

  friend bool operator==(const Label&, const Label&) = default;
};

struct Picture {
  static constexpr int kWidth = 183, kHeight = 197;  // Picture1's drawing area

  std::vector<Line> lines;
  std::vector<Arc> arcs;
  std::vector<RightAngle> marks;
  std::vector<Label> labels;
  std::string description;  // what a screen reader says of it, in Bulgarian
  // What it explains of the measures it shows beyond the six, step by step with their exact forms,
  // as each value box explains its own: its tooltip. Empty where it explains nothing.
  std::string working;
  // On paper: the picture's width in centimetres at the scale written under it («М 1:5»); 0 and
  // empty where it shows no figure to scale.
  double printWidth = 0;
  std::string printScale;

  friend bool operator==(const Picture&, const Picture&) = default;
};

// The drawing the window shows before any calculation: trapezoid ABCD with its letters and the
// names of its measures, as tools/make_images.py has always drawn it.
Picture DefaultDrawing();

}  // namespace panel
