// Paints a picture of window/drawing.h with QPainter. The painter's coordinates are the picture's
// own: a caller that shows it larger scales the painter first.
#pragma once

#include "window/drawing.h"

class QPainter;

namespace form {

// White, then the picture's lines, arcs, marks and lettering in black.
void PaintDrawing(QPainter& painter, const panel::Picture& picture);

}  // namespace form
