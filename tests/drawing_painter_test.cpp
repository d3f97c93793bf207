// The Qt painter puts the drawing's data where it says: lines, dashes, arcs, the right-angle mark
// and lettering, painted into an image.
#include "form/drawing_painter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include "window/drawing.h"

class DrawingPainterTest : public QObject {
  Q_OBJECT

  static QImage Painted(const panel::Picture& picture) {
    QImage image(panel::Picture::kWidth, panel::Picture::kHeight, QImage::Format_RGB32);
    image.fill(Qt::red);  // what the painter leaves unpainted shows
    QPainter painter(&image);
    form::PaintDrawing(painter, picture);
    return image;
  }
  // Darker than mid-grey: a curve one pixel wide shares its ink between two pixels.
  static bool Ink(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 160; }
  static bool Paper(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(255, 255, 255); }

  // Whether any pixel of the rectangle is ink.
  static bool InkIn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (Ink(image, x, y)) return true;
      }
    }
    return false;
  }

 private slots:
  // The default drawing: AB two pixels thick on rows 155 and 156, DH on column 54, the axis on
  // column 92 drawn from row 11 for three pixels, then three left out; the letter D at (44, 4).
  void defaultDrawing() {
    const QImage image = Painted(panel::DefaultDrawing());
    QVERIFY(Paper(image, 0, 0) && Paper(image, 182, 196));
    QVERIFY(Ink(image, 100, 155) && Ink(image, 100, 156));
    QVERIFY(Paper(image, 100, 153) && Paper(image, 100, 158));
    QVERIFY(Ink(image, 54, 90) && Paper(image, 52, 90) && Paper(image, 56, 90));
    QVERIFY(Ink(image, 92, 12) && Paper(image, 92, 15) && Ink(image, 92, 18));
    QVERIFY(InkIn(image, QRect(44, 4, 10, 12)));
    QVERIFY(!InkIn(image, QRect(60, 40, 20, 30)));  // inside the trapezoid, away from everything
  }

  // An arc from 0° to 90° is the upper right quarter; the mark's two sides away from its corner.
  void arcMarkAndLabel() {
    panel::Picture picture;
    picture.arcs.push_back({{50.5, 50.5}, 10, 0, 90});
    picture.marks.push_back({{100.5, 100.5}, {0, -1}, {1, 0}, 6});
    picture.labels.push_back({"H", {140, 20}, panel::Anchor::Right, 13});
    const QImage image = Painted(picture);
    QVERIFY(InkIn(image, QRect(56, 42, 2, 2)));     // at 45°: 57,57, 43,43
    QVERIFY(InkIn(image, QRect(59, 47, 2, 2)));     // at 10°: 60,35, 48,76
    QVERIFY(InkIn(image, QRect(51, 39, 2, 2)));     // at 80°: 52,24, 40,65
    QVERIFY(!InkIn(image, QRect(38, 52, 10, 10)));  // where 225° would be
    QVERIFY(Ink(image, 103, 94) && Ink(image, 106, 97));
    QVERIFY(!InkIn(image, QRect(101, 96, 4, 4)) && !InkIn(image, QRect(95, 95, 4, 4)));
    QVERIFY(InkIn(image, QRect(130, 20, 10, 12)));   // the right edge at 140
    QVERIFY(!InkIn(image, QRect(143, 15, 20, 20)));  // an italic leans a little past its advance
  }
};

QTEST_MAIN(DrawingPainterTest)
#include "drawing_painter_test.moc"
