#include "window/svg.h"

#include <cmath>
#include <cstdlib>

namespace panel {

namespace {

// A coordinate to two decimals, trailing zeros dropped, always with the period: the C library's
// printf would follow a locale that a Qt program sets from the environment.
std::string Number(double value) {
  const long long hundredths = std::llround(value * 100);
  const long long whole = std::llabs(hundredths) / 100, rest = std::llabs(hundredths) % 100;
  std::string text = (hundredths < 0 ? "-" : "") + std::to_string(whole);
  if (rest != 0) {
    text += "." + std::to_string(rest / 10) + (rest % 10 ? std::to_string(rest % 10) : "");
  }
  return text;
}

// Text content with the characters XML reserves escaped; in a drawn text runs of blanks stay
// as they are drawn.
std::string Escaped(const std::string& text, bool drawn = true) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case ' ': out += drawn ? "&#160;" : " "; break;
      default: out += ch;
    }
  }
  return out;
}

std::string LineElement(const Line& l) {
  std::string e = "    <line x1=\"" + Number(l.from.x) + "\" y1=\"" + Number(l.from.y) + "\" x2=\"" +
                  Number(l.to.x) + "\" y2=\"" + Number(l.to.y) + "\"";
  if (l.weight == Weight::Thick) e += " stroke-width=\"2\"";
  if (l.dash == Dash::Dashed) e += " stroke-dasharray=\"3 3\"";
  return e + "/>\n";
}

// SVG's y runs downwards, so its positive sweep (flag 1) is clockwise as seen.
std::string ArcElement(const Arc& a) {
  const Point from = a.At(a.start), to = a.At(a.start + a.sweep);
  return "    <path d=\"M" + Number(from.x) + "," + Number(from.y) + " A" + Number(a.radius) + "," +
         Number(a.radius) + " 0 " + (std::fabs(a.sweep) > 180 ? "1" : "0") + " " + (a.sweep < 0 ? "1" : "0") +
         " " + Number(to.x) + "," + Number(to.y) + "\"/>\n";
}

std::string MarkElement(const RightAngle& m) {
  std::string points;
  for (const Point& p : m.Path()) points += (points.empty() ? "" : " ") + Number(p.x) + "," + Number(p.y);
  return "    <polyline points=\"" + points + "\"/>\n";
}

std::string TextElement(const Label& l) {
  std::string e = "    <text x=\"" + Number(l.Left()) + "\" y=\"" + Number(l.Baseline()) + "\"";
  if (l.size != 13) e += " font-size=\"" + Number(l.size) + "\"";
  return e + ">" + Escaped(l.text) + "</text>\n";
}

}  // namespace

std::string WriteSvg(const Picture& p) {
  const std::string w = std::to_string(Picture::kWidth), h = std::to_string(Picture::kHeight);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
                    "\" viewBox=\"0 0 " + w + " " + h + "\" role=\"img\">\n";
  if (!p.description.empty()) svg += "  <title>" + Escaped(p.description, false) + "</title>\n";
  svg += "  <rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#fff\"/>\n";
  svg += "  <g stroke=\"#000\" fill=\"none\">\n";
  for (const Line& l : p.lines) svg += LineElement(l);
  for (const Arc& a : p.arcs) svg += ArcElement(a);
  for (const RightAngle& m : p.marks) svg += MarkElement(m);
  svg += "  </g>\n";
  svg +=
      "  <g font-family=\"'Times New Roman', 'Liberation Serif', serif\" font-style=\"italic\" "
      "font-size=\"13\">\n";
  for (const Label& l : p.labels) svg += TextElement(l);
  return svg + "  </g>\n</svg>\n";
}

}  // namespace panel
