#include "window/glyphs.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace panel::glyphs {

namespace {

struct Advance {
  std::uint32_t code;
  int width;  // in 1/2048 em, the font's own units
};

// Measured once from LiberationSerif-Italic.ttf (fonts-liberation2) with python3-pil:
//   f = ImageFont.truetype(path, 2048, layout_engine=ImageFont.Layout.BASIC)
//   round(f.getlength(ch)) for printable ASCII, the no-break space, the Cyrillic letters А to я
//   and the signs that the labels use; without kerning, which only narrows a text.
// The ascent and descent are those of the same face at 52 px (13 px drawn four times larger, as
// tools/make_images.py draws the picture), f.getmetrics() = (47, 12).
constexpr double kAscentEm = 47.0 / 52, kDescentEm = 12.0 / 52;
constexpr std::array<Advance, 182> kAdvances = {{
    {0x0020, 512},  {0x0021, 682},  {0x0022, 860},  {0x0023, 1024}, {0x0024, 1024}, {0x0025, 1706},
    {0x0026, 1593}, {0x0027, 438},  {0x0028, 682},  {0x0029, 682},  {0x002A, 1024}, {0x002B, 1382},
    {0x002C, 512},  {0x002D, 682},  {0x002E, 512},  {0x002F, 569},  {0x0030, 1024}, {0x0031, 1024},
    {0x0032, 1024}, {0x0033, 1024}, {0x0034, 1024}, {0x0035, 1024}, {0x0036, 1024}, {0x0037, 1024},
    {0x0038, 1024}, {0x0039, 1024}, {0x003A, 682},  {0x003B, 682},  {0x003C, 1382}, {0x003D, 1382},
    {0x003E, 1382}, {0x003F, 1024}, {0x0040, 1884}, {0x0041, 1251}, {0x0042, 1251}, {0x0043, 1366},
    {0x0044, 1479}, {0x0045, 1251}, {0x0046, 1251}, {0x0047, 1479}, {0x0048, 1479}, {0x0049, 682},
    {0x004A, 909},  {0x004B, 1366}, {0x004C, 1139}, {0x004D, 1706}, {0x004E, 1366}, {0x004F, 1479},
    {0x0050, 1251}, {0x0051, 1479}, {0x0052, 1251}, {0x0053, 1024}, {0x0054, 1139}, {0x0055, 1479},
    {0x0056, 1251}, {0x0057, 1706}, {0x0058, 1251}, {0x0059, 1139}, {0x005A, 1139}, {0x005B, 797},
    {0x005C, 569},  {0x005D, 797},  {0x005E, 864},  {0x005F, 1024}, {0x0060, 682},  {0x0061, 1024},
    {0x0062, 1024}, {0x0063, 909},  {0x0064, 1024}, {0x0065, 909},  {0x0066, 569},  {0x0067, 1024},
    {0x0068, 1024}, {0x0069, 569},  {0x006A, 569},  {0x006B, 909},  {0x006C, 569},  {0x006D, 1479},
    {0x006E, 1024}, {0x006F, 1024}, {0x0070, 1024}, {0x0071, 1024}, {0x0072, 797},  {0x0073, 797},
    {0x0074, 569},  {0x0075, 1024}, {0x0076, 909},  {0x0077, 1366}, {0x0078, 909},  {0x0079, 909},
    {0x007A, 797},  {0x007B, 819},  {0x007C, 563},  {0x007D, 819},  {0x007E, 1108}, {0x00A0, 512},
    {0x00B0, 819},  {0x00B2, 614},  {0x00B3, 614},  {0x00B7, 512},  {0x00B9, 614},  {0x03B1, 1075},
    {0x03B2, 1020}, {0x0410, 1251}, {0x0411, 1208}, {0x0412, 1251}, {0x0413, 1165}, {0x0414, 1303},
    {0x0415, 1251}, {0x0416, 1876}, {0x0417, 1014}, {0x0418, 1479}, {0x0419, 1479}, {0x041A, 1360},
    {0x041B, 1387}, {0x041C, 1706}, {0x041D, 1479}, {0x041E, 1479}, {0x041F, 1479}, {0x0420, 1251},
    {0x0421, 1366}, {0x0422, 1139}, {0x0423, 1378}, {0x0424, 1647}, {0x0425, 1251}, {0x0426, 1479},
    {0x0427, 1411}, {0x0428, 2136}, {0x0429, 2136}, {0x042A, 1384}, {0x042B, 1786}, {0x042C, 1208},
    {0x042D, 1341}, {0x042E, 2114}, {0x042F, 1346}, {0x0430, 1024}, {0x0431, 1030}, {0x0432, 889},
    {0x0433, 799},  {0x0434, 1036}, {0x0435, 909},  {0x0436, 1905}, {0x0437, 799},  {0x0438, 1024},
    {0x0439, 1024}, {0x043A, 958},  {0x043B, 893},  {0x043C, 1307}, {0x043D, 1016}, {0x043E, 1024},
    {0x043F, 1024}, {0x0440, 1024}, {0x0441, 909},  {0x0442, 1479}, {0x0443, 909},  {0x0444, 1454},
    {0x0445, 909},  {0x0446, 1024}, {0x0447, 977},  {0x0448, 1546}, {0x0449, 1546}, {0x044A, 1063},
    {0x044B, 1387}, {0x044C, 932},  {0x044D, 903},  {0x044E, 1444}, {0x044F, 952},  {0x2013, 1024},
    {0x2026, 1821}, {0x2032, 448},  {0x2033, 853},  {0x2070, 1593}, {0x2074, 712},  {0x2075, 712},
    {0x2076, 712},  {0x2077, 712},  {0x2078, 712},  {0x2079, 712},  {0x207B, 1593}, {0x2212, 1382},
    {0x221A, 1124}, {0x2248, 1124},
}};
constexpr int kEm = 2048;

int AdvanceOf(std::uint32_t code) {
  const auto found = std::lower_bound(kAdvances.begin(), kAdvances.end(), code,
                                      [](const Advance& a, std::uint32_t c) { return a.code < c; });
  return found != kAdvances.end() && found->code == code ? found->width : kEm;
}

// The next code point of UTF-8 `text` from `i`; a malformed byte counts as one character.
std::uint32_t Next(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[k]));
  };
  const std::uint32_t lead = byte(i);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (i + length > text.size()) {
    i = text.size();
    return 0xFFFD;
  }
  std::uint32_t code = length == 1 ? lead : lead & (0x3Fu >> (length - 1));
  for (std::size_t k = 1; k < length; ++k) code = code << 6 | (byte(i + k) & 0x3F);
  i += length;
  return code;
}

}  // namespace

double Ascent(double px) { return kAscentEm * px; }
double Descent(double px) { return kDescentEm * px; }

double TextWidth(std::string_view text, double px) {
  long units = 0;
  for (std::size_t i = 0; i < text.size();) units += AdvanceOf(Next(text, i));
  return static_cast<double>(units) * px / kEm;
}

}  // namespace panel::glyphs
