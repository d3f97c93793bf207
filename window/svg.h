// The picture as SVG, for the page to write into itself: sharp at any scale, nothing to fetch.
#pragma once

#include <string>

#include "window/drawing.h"

namespace panel {

// A standalone <svg> element of the picture's size on white, with its description as its title.
std::string WriteSvg(const Picture& picture);

}  // namespace panel
