#include "form/drawing_painter.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

namespace form {

namespace {

QPen PenFor(panel::Weight weight, panel::Dash dash) {
  const qreal width = static_cast<int>(weight);
  QPen pen(Qt::black, width, Qt::SolidLine, Qt::FlatCap);
  if (dash == panel::Dash::Dashed) pen.setDashPattern({3 / width, 3 / width});  // in pen widths
  return pen;
}

QFont FontFor(double size) {
  QFont font;
  font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
  font.setStyleHint(QFont::Serif);
  font.setItalic(true);
  font.setPixelSize(qRound(size));
  return font;
}

}  // namespace

void PaintDrawing(QPainter& painter, const panel::Picture& picture) {
  painter.save();
  painter.fillRect(QRectF(0, 0, panel::Picture::kWidth, panel::Picture::kHeight), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  for (const panel::Line& l : picture.lines) {
    painter.setPen(PenFor(l.weight, l.dash));
    painter.drawLine(QPointF(l.from.x, l.from.y), QPointF(l.to.x, l.to.y));
  }
  painter.setPen(PenFor(panel::Weight::Thin, panel::Dash::Solid));
  for (const panel::Arc& a : picture.arcs) {
    const QRectF circle(a.centre.x - a.radius, a.centre.y - a.radius, 2 * a.radius, 2 * a.radius);
    painter.drawArc(circle, qRound(a.start * 16), qRound(a.sweep * 16));  // counter-clockwise, as the data
  }
  for (const panel::RightAngle& m : picture.marks) {
    QPolygonF path;
    for (const panel::Point& p : m.Path()) path << QPointF(p.x, p.y);
    painter.drawPolyline(path);
  }
  for (const panel::Label& l : picture.labels) {
    painter.setFont(FontFor(l.size));
    painter.drawText(QPointF(l.Left(), l.Baseline()), QString::fromStdString(l.text));
  }
  painter.restore();
}

}  // namespace form
