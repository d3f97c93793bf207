// Picture1 on the desktop: a sunken frame that paints the picture the window's state holds, in
// lines and letters, so that it stays sharp on a screen of any scale.
#pragma once

#include <QFrame>

#include "window/drawing.h"

namespace form {

class DrawingBox : public QFrame {
 public:
  explicit DrawingBox(QWidget* parent);

  const panel::Picture& picture() const { return picture_; }
  // Paints `picture` from now on; repaints only where it differs from the one shown.
  void setPicture(const panel::Picture& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  panel::Picture picture_ = panel::DefaultDrawing();
};

}  // namespace form
