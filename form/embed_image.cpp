// Build tool: decodes an image once, at build time, and writes its pixels as a C++ array, so
// that the window shows its pictures at start-up without loading a decoder.
//   embed_image INPUT OUTPUT.cpp NAME
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: embed_image INPUT OUTPUT.cpp NAME\n");
    return 2;
  }
  QImage image(QString::fromLocal8Bit(argv[1]));
  if (image.isNull()) {
    std::fprintf(stderr, "embed_image: cannot read %s\n", argv[1]);
    return 1;
  }
  image = image.convertToFormat(image.isGrayscale() && !image.hasAlphaChannel() ? QImage::Format_Grayscale8
                                                                                : QImage::Format_ARGB32);
  QByteArray out;
  out += "// Generated at build time by embed_image; do not edit.\n#include \"form/embedded_image.h\"\n\n";
  out += "namespace {\nalignas(4) const unsigned char kPixels[] = {";
  for (qsizetype i = 0; i < image.sizeInBytes(); ++i) {
    out += (i % 24 == 0 ? "\n  " : "") + QByteArray::number(image.constBits()[i]) + ',';
  }
  out += "\n};\n}  // namespace\n\n";
  out += "const form::EmbeddedImage form::embedded::" + QByteArray(argv[3]) + " = {" +
         QByteArray::number(image.width()) + ", " + QByteArray::number(image.height()) + ", " +
         QByteArray::number(image.bytesPerLine()) + ", QImage::Format(" + QByteArray::number(image.format()) +
         "), kPixels};\n";
  QFile file(QString::fromLocal8Bit(argv[2]));
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
    std::fprintf(stderr, "embed_image: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
