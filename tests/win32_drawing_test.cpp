// The GDI painter puts the drawing's data where it says, at 96 dpi and at twice that: painted into
// a bitmap in memory, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "win32/drawing_painter.h"
#include "window/drawing.h"

namespace {

class Canvas {
 public:
  Canvas(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top row first
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<const std::uint32_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }
  bool Ink(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = pixels_[y * width_ + x];
    return (p & 0xFF) < 128 && (p >> 8 & 0xFF) < 128 && (p >> 16 & 0xFF) < 128;
  }
  bool Paper(int x, int y) const {
    GdiFlush();
    return (pixels_[y * width_ + x] & 0xFFFFFF) == 0xFFFFFF;
  }

 private:
  int width_;
  HBITMAP bitmap_ = nullptr;
  const std::uint32_t* pixels_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// AB two pixels thick on rows 155 and 156, DH on column 54, the axis on column 92 drawn from row 11
// for three pixels, then three left out; the letter D at (44, 4).
TEST(Win32Drawing, DefaultDrawingAt96Dpi) {
  Canvas canvas(183, 197);
  win32::PaintDrawing(canvas.dc(), panel::DefaultDrawing(), {0, 0}, 96);
  EXPECT_TRUE(canvas.Paper(0, 0) && canvas.Paper(182, 196));
  EXPECT_TRUE(canvas.Ink(100, 155) && canvas.Ink(100, 156));
  EXPECT_TRUE(canvas.Paper(100, 153) && canvas.Paper(100, 158));
  EXPECT_TRUE(canvas.Ink(54, 90) && canvas.Paper(53, 90) && canvas.Paper(55, 90));
  EXPECT_TRUE(canvas.Ink(92, 12) && canvas.Paper(92, 15) && canvas.Ink(92, 18));
  bool letter = false;
  for (int y = 4; y < 16; ++y) {
    for (int x = 44; x < 54; ++x) letter = letter || canvas.Ink(x, y);
  }
  EXPECT_TRUE(letter);
}

// Each pixel of the picture is two by two: DH on columns 108 and 109, the axis's dashes six long.
TEST(Win32Drawing, DefaultDrawingAt192Dpi) {
  Canvas canvas(366, 394);
  win32::PaintDrawing(canvas.dc(), panel::DefaultDrawing(), {0, 0}, 192);
  EXPECT_TRUE(canvas.Paper(365, 393));
  EXPECT_TRUE(canvas.Ink(108, 180) && canvas.Ink(109, 180));
  EXPECT_TRUE(canvas.Paper(106, 180) && canvas.Paper(111, 180));
  EXPECT_TRUE(canvas.Ink(184, 24) && canvas.Paper(184, 31) && canvas.Ink(184, 36));
}

// An arc from 0° to 90° is the upper right quarter; the mark's two sides away from its corner; a
// label anchored right ends at its point.
TEST(Win32Drawing, ArcMarkAndLabelWhereTheDataPutThem) {
  panel::Picture picture;
  picture.arcs.push_back({{50.5, 50.5}, 10, 0, 90});
  picture.marks.push_back({{100.5, 100.5}, {0, -1}, {1, 0}, 6});
  picture.labels.push_back({"H", {140, 20}, panel::Anchor::Right, 13});
  Canvas canvas(183, 197);
  win32::PaintDrawing(canvas.dc(), picture, {0, 0}, 96);
  const auto inkIn = [&](int left, int top, int width, int height) {
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) {
        if (canvas.Ink(x, y)) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(inkIn(56, 42, 2, 2));     // at 45°
  EXPECT_TRUE(inkIn(59, 47, 2, 2));     // at 10°
  EXPECT_TRUE(inkIn(51, 39, 2, 2));     // at 80°
  EXPECT_FALSE(inkIn(38, 52, 10, 10));  // where 225° would be
  EXPECT_TRUE(canvas.Ink(103, 94) && canvas.Ink(106, 97));
  EXPECT_FALSE(inkIn(101, 96, 4, 4) || inkIn(95, 95, 4, 4));
  EXPECT_TRUE(inkIn(130, 20, 10, 12));   // the right edge at 140
  EXPECT_FALSE(inkIn(143, 15, 20, 20));  // an italic leans a little past its advance
}

}  // namespace
