#include "win32/drawing_painter.h"

#include <cmath>

#include "win32/wide.h"

namespace win32 {

namespace {

struct Device {
  HDC dc;
  POINT origin;
  double scale;

  // A coordinate of the picture in device pixels: a one-pixel line on a column's middle (54.5)
  // is GDI's line on that column (54), and a two-pixel one on a column's edge (156) covers the two
  // columns beside it, as GDI draws it there.
  int X(double x) const { return origin.x + static_cast<int>(std::floor(x * scale)); }
  int Y(double y) const { return origin.y + static_cast<int>(std::floor(y * scale)); }
};

HPEN PenFor(const Device& d, panel::Weight weight, panel::Dash dash) {
  const LOGBRUSH black{BS_SOLID, RGB(0, 0, 0), 0};
  const auto width = static_cast<DWORD>(std::lround(static_cast<int>(weight) * d.scale));
  const auto gap = static_cast<DWORD>(std::lround(3 * d.scale));
  const DWORD pattern[] = {gap, gap};
  if (dash == panel::Dash::Dashed) {
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, width, &black, 2, pattern);
  }
  return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, width, &black, 0, nullptr);
}

void PaintText(const Device& d, const panel::Label& l) {
  const HFONT font = CreateFontW(-static_cast<int>(std::lround(l.size * d.scale)), 0, 0, 0, FW_NORMAL, TRUE,
                                 FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 CLEARTYPE_QUALITY, FF_ROMAN, L"Times New Roman");
  const HGDIOBJ old = SelectObject(d.dc, font);
  const std::wstring text = Wide(l.text);
  TextOutW(d.dc, d.X(l.Left()), d.Y(l.Baseline()), text.c_str(), static_cast<int>(text.size()));
  SelectObject(d.dc, old);
  DeleteObject(font);
}

}  // namespace

void PaintDrawing(HDC dc, const panel::Picture& picture, POINT origin, int dpi) {
  const Device d{dc, origin, dpi / 96.0};
  const RECT area{origin.x, origin.y, d.X(panel::Picture::kWidth), d.Y(panel::Picture::kHeight)};
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const int saved = SaveDC(dc);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  for (const panel::Line& l : picture.lines) {
    const HGDIOBJ old = SelectObject(dc, PenFor(d, l.weight, l.dash));
    MoveToEx(dc, d.X(l.from.x), d.Y(l.from.y), nullptr);
    LineTo(dc, d.X(l.to.x), d.Y(l.to.y));
    DeleteObject(SelectObject(dc, old));
  }
  const HGDIOBJ old = SelectObject(dc, PenFor(d, panel::Weight::Thin, panel::Dash::Solid));
  SetArcDirection(dc, AD_COUNTERCLOCKWISE);
  for (const panel::Arc& a : picture.arcs) {
    const panel::Point from = a.At(a.start), to = a.At(a.start + a.sweep);
    Arc(dc, d.X(a.centre.x - a.radius), d.Y(a.centre.y - a.radius), d.X(a.centre.x + a.radius),
        d.Y(a.centre.y + a.radius), d.X(from.x), d.Y(from.y), d.X(to.x), d.Y(to.y));
  }
  for (const panel::RightAngle& m : picture.marks) {
    POINT path[3];
    for (int i = 0; i < 3; ++i)
      path[i] = {d.X(m.Path()[static_cast<std::size_t>(i)].x), d.Y(m.Path()[static_cast<std::size_t>(i)].y)};
    Polyline(dc, path, 3);
  }
  DeleteObject(SelectObject(dc, old));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  SetTextAlign(dc, TA_BASELINE | TA_LEFT);
  for (const panel::Label& l : picture.labels) PaintText(d, l);
  RestoreDC(dc, saved);
}

}  // namespace win32
