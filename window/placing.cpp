#include "window/placing.h"

#include <algorithm>
#include <cmath>

#include "window/glyphs.h"

namespace panel {

namespace {

Box Grown(const Box& b, double by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }

bool Overlap(const Box& x, const Box& y) {
  return x.left < y.right && y.left < x.right && x.top < y.bottom && y.top < x.bottom;
}

// An arc as the short segments that a painter's curve stays within a fraction of a pixel of.
std::vector<Point> ArcPoints(const Arc& a) {
  const int steps = std::max(4, static_cast<int>(std::ceil(std::fabs(a.sweep) / 10)));
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) points.push_back(a.At(a.start + a.sweep * i / steps));
  return points;
}

bool Chain(const std::vector<Point>& points, const Box& box) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (Crosses(points[i - 1], points[i], box)) return true;
  }
  return false;
}

std::size_t CharLength(const std::string& text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  return lead < 0xC0 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

// Breaks a word too wide for a line between its characters.
void BreakWord(const std::string& word, double width, double px, std::vector<std::string>& lines) {
  std::string piece;
  for (std::size_t i = 0; i < word.size();) {
    const std::string ch = word.substr(i, CharLength(word, i));
    if (!piece.empty() && glyphs::TextWidth(piece + ch, px) > width) {
      lines.push_back(piece);
      piece.clear();
    }
    piece += ch;
    i += ch.size();
  }
  lines.push_back(piece);
}

}  // namespace

// Liang and Barsky's clipping: what is left of the segment inside the box.
bool Crosses(Point from, Point to, const Box& box) {
  double t0 = 0, t1 = 1;
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {from.x - box.left, box.right - from.x, from.y - box.top, box.bottom - from.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  return true;
}

bool Free(const Picture& p, const Box& box) {
  if (box.left < kMargin || box.top < kMargin || box.right > Picture::kWidth - kMargin ||
      box.bottom > Picture::kHeight - kMargin) {
    return false;
  }
  for (const Label& l : p.labels) {
    if (Overlap(Grown(l.Bounds(), kLabelGap), box)) return false;
  }
  for (const Line& l : p.lines) {
    if (Crosses(l.from, l.to, Grown(box, static_cast<int>(l.weight) / 2.0 + kGap))) return false;
  }
  for (const Arc& a : p.arcs) {
    if (Chain(ArcPoints(a), Grown(box, 0.5 + kGap))) return false;
  }
  for (const RightAngle& m : p.marks) {
    const auto path = m.Path();
    if (Chain({path.begin(), path.end()}, Grown(box, 0.5 + kGap))) return false;
  }
  return true;
}

bool PlaceAt(Picture& p, Label label, const std::vector<Point>& places) {
  for (const Point& at : places) {
    label.at = at;
    if (Free(p, label.Bounds())) {
      p.labels.push_back(label);
      return true;
    }
  }
  return false;
}

std::vector<Point> Along(Point from, Point direction, double step, double reach, bool bothWays) {
  std::vector<Point> places{from};
  for (double d = step; d <= reach; d += step) {
    places.push_back({from.x + direction.x * d, from.y + direction.y * d});
    if (bothWays) places.push_back({from.x - direction.x * d, from.y - direction.y * d});
  }
  return places;
}

std::vector<std::string> Wrap(const std::string& text, double width, double px) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    const std::string word = text.substr(start, end - start);
    const std::string joined = line.empty() ? word : line + " " + word;
    if (glyphs::TextWidth(joined, px) <= width) {
      line = joined;
    } else {
      if (!line.empty()) lines.push_back(line);
      line.clear();
      if (glyphs::TextWidth(word, px) <= width) {
        line = word;
      } else {
        BreakWord(word, width, px, lines);
        line = lines.back();
        lines.pop_back();
      }
    }
    start = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace panel
