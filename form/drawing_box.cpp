#include "form/drawing_box.h"

#include <QPainter>

#include "form/drawing_painter.h"

namespace form {

DrawingBox::DrawingBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setFocusPolicy(Qt::StrongFocus);
}

void DrawingBox::setPicture(const panel::Picture& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  update();
}

void DrawingBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  // The picture in the middle of the frame's inside, which it fills at the window's own size.
  const QRect inside = contentsRect();
  painter.translate(inside.left() + (inside.width() - panel::Picture::kWidth) / 2,
                    inside.top() + (inside.height() - panel::Picture::kHeight) / 2);
  painter.setClipRect(0, 0, panel::Picture::kWidth, panel::Picture::kHeight);
  PaintDrawing(painter, picture_);
}

}  // namespace form
