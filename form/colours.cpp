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
  palette.setColor(QPalette::Disabled, QPalette::WindowText,
                   palette.color(QPalette::Active, QPalette::WindowText));
  palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
  widget->setPalette(palette);
}

QStyle* FlatStyle() {
  static QStyle* const flat = QStyleFactory::create(QStringLiteral("Windows"));
  return flat;
}

void PaintButton(QPushButton* button, QRgb colour) {
  button->setStyle(FlatStyle());
  QPalette palette = button->palette();
  palette.setColor(QPalette::Button, colour);
  button->setPalette(palette);
}

}  // namespace form::colours
