// The window's colours, and the one helper that applies them.
#pragma once

#include <QColor>

class QWidget;
class QPushButton;
class QStyle;

namespace form::colours {

inline constexpr QRgb kWindow = qRgb(192, 192, 255);   // light lavender blue
inline constexpr QRgb kHeading = qRgb(255, 192, 128);  // light orange
inline constexpr QRgb kTick = qRgb(128, 128, 255);
inline constexpr QRgb kCalculate = qRgb(0, 255, 0);
inline constexpr QRgb kClear = qRgb(255, 0, 0);

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
