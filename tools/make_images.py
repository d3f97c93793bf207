#!/usr/bin/python3
"""Draws the program's two images from our own drawing commands.

  form/images/trapezoid.svg   the default drawing in lines and letters, to which the tests hold the
                              picture data that every front end paints
  form/images/hamburger.ico   the window and program icon (32 x 32, 256 colours, transparency mask)
  packaging/icons/...         the same icon as PNG in the hicolor sizes, and as SVG

Needs Debian's python3-pil and fonts-liberation2. Run from anywhere: python3 tools/make_images.py
"""
import struct
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

ROOT = Path(__file__).resolve().parent.parent
FONT = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf"
# The icons' file name; they are installed under the application ID (cmake/publisher.cmake).
ICON_NAME = "trapezoid"
SUPER = 4  # supersampling factor: draw large, then scale down smoothly

# ---- the trapezoid drawing -------------------------------------------------------------

A, B, C, D, H = (15, 156), (170, 156), (131, 24), (54, 24), (54, 156)
AXIS_X, AXIS_TOP, AXIS_BOTTOM = 92, 11, 173

# (text, left, top) in pixels of the final picture
LETTERING = [
    ("D", 44, 4), ("C", 133, 4),
    ("c/2", 62, 6), ("c/2", 100, 6),
    ("b", 20, 80), ("b", 157, 80),
    ("h", 58, 84),
    ("A", 9, 158), ("H", 49, 158), ("AB=a", 104, 158), ("B", 167, 158),
    ("DH = h   AD= BC=b", 30, 177),
]


def trapezoid_svg():
    """The drawing as SVG, from the same commands. Text stands on its baseline, where the picture
    has the top of the font's ascent; runs of spaces are kept as no-break spaces."""
    ascent = ImageFont.truetype(FONT, 13 * SUPER).getmetrics()[0] / SUPER
    outline = " ".join(f"{x},{y}" for x, y in (A, B, C, D))
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="183" height="197" viewBox="0 0 183 197">',
           '  <rect width="183" height="197" fill="#fff"/>',
           '  <g stroke="#000" fill="none">',
           f'    <polygon points="{outline}" stroke-width="2"/>']
    # A line one pixel wide stands on the middle of its pixels, or it is drawn as two grey ones.
    for x in (D[0] + 0.5, C[0] + 0.5):
        out.append(f'    <line x1="{x}" y1="{D[1]}" x2="{x}" y2="{A[1]}"/>')
    axis = AXIS_X + 0.5
    out.append(f'    <line x1="{axis}" y1="{AXIS_TOP}" x2="{axis}" y2="{AXIS_BOTTOM}" stroke-dasharray="3 3"/>')
    out.append('  </g>')
    out.append('  <g font-family="\'Times New Roman\', \'Liberation Serif\', serif" font-style="italic" font-size="13">')
    for text, x, y in LETTERING:
        out.append(f'    <text x="{x}" y="{y + ascent:g}">{text.replace(" ", "&#160;")}</text>')
    out.append("  </g>")
    out.append("</svg>")
    return "\n".join(out) + "\n"


# ---- the hamburger icon ----------------------------------------------------------------
# Shapes on a 32 x 32 grid, bottom layer first: (kind, points or box, colour).

BUN, SEED, LETTUCE, CHEESE, TOMATO, PATTY = (
    "#c98a3f", "#fbeec1", "#3fae3a", "#ffd21f", "#e0321e", "#6b3a1e")


def lettuce_points():
    pts = [(3, 18)]
    for i in range(13):
        pts.append((3 + 2 * i + 1, 20.5 if i % 2 == 0 else 18.5))
    pts += [(29, 18), (29, 16.5), (3, 16.5)]
    return pts


def cheese_points():
    return [(4, 19), (28, 19), (28, 20.5), (24, 20.5), (22, 22.5), (20, 20.5), (12, 20.5),
            (10, 22.5), (8, 20.5), (4, 20.5)]


SHAPES = [
    ("rounded", (3, 24.5, 29, 29), BUN),       # bottom bun
    ("rounded", (2.5, 21.5, 29.5, 25.5), PATTY),
    ("rect", (4, 20, 28, 22), TOMATO),
    ("polygon", cheese_points(), CHEESE),
    ("polygon", lettuce_points(), LETTUCE),
    ("dome", (3, 4, 29, 18), BUN),             # top bun: upper half of an ellipse, flat below
    ("ellipse", (9, 8, 11, 9.2), SEED),
    ("ellipse", (15, 6.5, 17, 7.7), SEED),
    ("ellipse", (20.5, 9, 22.5, 10.2), SEED),
    ("ellipse", (12, 12, 14, 13.2), SEED),
    ("ellipse", (18, 12.5, 20, 13.7), SEED),
]


def render_icon(size):
    s = size * SUPER / 32
    img = Image.new("RGBA", (size * SUPER, size * SUPER), (0, 0, 0, 0))
    g = ImageDraw.Draw(img)
    for kind, geo, colour in SHAPES:
        if kind == "polygon":
            g.polygon([(x * s, y * s) for x, y in geo], fill=colour)
            continue
        box = [v * s for v in geo]
        if kind == "rect":
            g.rectangle(box, fill=colour)
        elif kind == "rounded":
            g.rounded_rectangle(box, radius=1.5 * s, fill=colour)
        elif kind == "ellipse":
            g.ellipse(box, fill=colour)
        elif kind == "dome":
            x0, y0, x1, y1 = box
            g.pieslice([x0, y0, x1, y0 + 2 * (y1 - y0)], 180, 360, fill=colour)
    return img.resize((size, size), Image.LANCZOS)


def icon_svg():
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">']
    for kind, geo, colour in SHAPES:
        if kind == "polygon":
            pts = " ".join(f"{x:g},{y:g}" for x, y in geo)
            out.append(f'  <polygon points="{pts}" fill="{colour}"/>')
            continue
        x0, y0, x1, y1 = geo
        if kind in ("rect", "rounded"):
            r = ' rx="1.5"' if kind == "rounded" else ""
            out.append(f'  <rect x="{x0:g}" y="{y0:g}" width="{x1 - x0:g}" height="{y1 - y0:g}"{r} fill="{colour}"/>')
        elif kind == "ellipse":
            out.append(f'  <ellipse cx="{(x0 + x1) / 2:g}" cy="{(y0 + y1) / 2:g}" rx="{(x1 - x0) / 2:g}" '
                       f'ry="{(y1 - y0) / 2:g}" fill="{colour}"/>')
        elif kind == "dome":
            rx, ry = (x1 - x0) / 2, y1 - y0
            out.append(f'  <path d="M{x0:g},{y1:g} A{rx:g},{ry:g} 0 0 1 {x1:g},{y1:g} Z" fill="{colour}"/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def write_ico_8bit(img, path):
    """A 32 x 32 icon with a 256-colour palette and a 1-bit transparency mask."""
    size = img.width
    opaque = [a >= 128 for a in img.getchannel("A").getdata()]
    rgb = Image.new("RGB", img.size, (0, 0, 0))
    rgb.paste(img.convert("RGB"), mask=img.getchannel("A").point(lambda a: 255 if a >= 128 else 0))
    pal_img = rgb.quantize(colors=256, method=Image.MEDIANCUT, dither=Image.NONE)
    palette = (pal_img.getpalette() or [])[: 256 * 3]
    palette += [0] * (256 * 3 - len(palette))
    idx = list(pal_img.getdata())

    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    pal = b"".join(bytes((palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0)) for i in range(256))
    xor = b"".join(bytes(idx[y * size:(y + 1) * size]) for y in reversed(range(size)))
    mask_row = (size + 31) // 32 * 4
    andm = b""
    for y in reversed(range(size)):
        row = bytearray(mask_row)
        for x in range(size):
            if not opaque[y * size + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        andm += bytes(row)
    image = header + pal + xor + andm
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8, len(image), 6 + 16)
    Path(path).write_bytes(struct.pack("<HHH", 0, 1, 1) + entry + image)


def main():
    images = ROOT / "form" / "images"
    images.mkdir(parents=True, exist_ok=True)
    (images / "trapezoid.svg").write_text(trapezoid_svg())
    write_ico_8bit(render_icon(32), images / "hamburger.ico")

    hicolor = ROOT / "packaging" / "icons" / "hicolor"
    for size in (16, 32, 48, 64, 128, 256):
        folder = hicolor / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        render_icon(size).save(folder / f"{ICON_NAME}.png", optimize=True)
    scalable = hicolor / "scalable" / "apps"
    scalable.mkdir(parents=True, exist_ok=True)
    (scalable / f"{ICON_NAME}.svg").write_text(icon_svg())


if __name__ == "__main__":
    main()
