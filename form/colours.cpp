#include "form/colours.h"

#include <QPushButton>
#include <QStyleFactory>

namespace form::colours {

void PaintBackground(QWidget* widget, QRgb colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setBackgroundRole(QPalette::Window);
  widget->setAutoFillBackground(true);
}

void KeepTextWhenDisabled(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Disabled, QPalette::WindowText, palette.color(QPalette::Active, QPalette::WindowText));
  palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
  widget->setPalette(palette);
}

void PaintButton(QPushButton* button, QRgb colour) {
  // Fusion shades a palette colour on a button; the Windows style fills the face with it as it is.
  static QStyle* const flat = QStyleFactory::create(QStringLiteral("Windows"));
  button->setStyle(flat);
  QPalette palette = button->palette();
  palette.setColor(QPalette::Button, colour);
  button->setPalette(palette);
}

}  // namespace form::colours
