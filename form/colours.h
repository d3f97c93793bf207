// The window's colours, and the one helper that applies them.
#pragma once

#include <QColor>

#include "window/colours.h"

class QWidget;
class QPushButton;
class QStyle;

namespace form::colours {

// A colour of the window as Qt takes it.
constexpr QRgb ToQRgb(window::colours::Rgb c) { return qRgb(c.red, c.green, c.blue); }
inline constexpr QRgb kWindow = ToQRgb(window::colours::kWindow);
inline constexpr QRgb kHeading = ToQRgb(window::colours::kHeading);
inline constexpr QRgb kTick = ToQRgb(window::colours::kTick);
inline constexpr QRgb kCalculate = ToQRgb(window::colours::kCalculate);
inline constexpr QRgb kClear = ToQRgb(window::colours::kClear);

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
