// Pictures whose pixels were decoded at build time (see embed_image.cpp).
#pragma once

#include <QImage>

namespace form {

struct EmbeddedImage {
  int width, height, bytesPerLine;
  QImage::Format format;
  const unsigned char* pixels;

  // A QImage over the compiled-in pixels, without a copy.
  QImage image() const { return QImage(pixels, width, height, bytesPerLine, format); }
};

namespace embedded {
extern const EmbeddedImage kHamburger;  // from images/hamburger.ico
}  // namespace embedded

}  // namespace form
