// How the window's colours are applied to Qt's widgets.
#pragma once

#include <QColor>

#include "window/colours.h"

class QWidget;
class QPushButton;
class QStyle;

namespace form::colours {

// A colour of the window's tables as Qt takes it.
constexpr QRgb ToQRgb(panel::colours::Rgb c) { return qRgb(c.red, c.green, c.blue); }

// An opaque background of `colour` behind the widget.
void PaintBackground(QWidget* widget, QRgb colour);
// Disabled text drawn in the normal text colour, so that a tick's letter stays readable.
void KeepTextWhenDisabled(QWidget* widget);
// The classic flat style: it fills a button's face with its palette colour as it is, and draws a
// frame's caption in the frame's own font (Fusion shades the face and loads a bold face for the
// caption, which costs start-up time). Shared, and kept for the life of the program.
QStyle* FlatStyle();

// A button whose face shows exactly `colour`, whatever the application style.
void PaintButton(QPushButton* button, QRgb colour);

}  // namespace form::colours
