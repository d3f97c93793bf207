#include "form/colours.h"

#include <QPushButton>

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
  // Styles tint a palette colour on a button; a style-sheet rule with a border does not.
  const QColor face(colour);
  button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %2; }"
                                       "QPushButton:pressed { border-style: inset; }"
                                       "QPushButton:focus { border-color: black; }")
                            .arg(face.name(), face.darker(150).name()));
}

}  // namespace form::colours
