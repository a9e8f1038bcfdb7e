#!/usr/bin/python3
# Generates the game's artwork: hangman.bmp, banner.bmp, banner_about.bmp, ZelvantoGame.ico.
# Run from the repository root:  /usr/bin/python3 resources/art/make_art.py
# Needs the Debian packages python3-pil and fonts-dejavu-core. The output is deterministic
# (same bytes on every run); the build only uses the committed outputs, so rerun this script
# and commit its output after any change here. Never edit the outputs by hand.

import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

OUT_DIR = os.path.dirname(os.path.abspath(__file__))
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# Shapes are drawn this many times larger and box-filtered down, which gives clean
# anti-aliased edges at 1:1 without depending on PIL's own line smoothing.
SS = 4

# The main form's background; the strip and the main banner are copied opaquely onto it,
# so their outer pixels use exactly this colour.
OLIVE = (190, 189, 127)
# The About box shows its banner on the system face colour: 240,240,240 on Windows, close
# to it under Wine; only the banner's rounded corners show it.
FACE = (240, 240, 240)

CARD = (240, 236, 204)
CARD_EDGE = (128, 126, 72)
SKY_TOP = (206, 226, 230)
GRASS = (128, 158, 76)
GRASS_DARK = (100, 130, 58)
WOOD = (138, 96, 56)
WOOD_DARK = (90, 60, 34)
ROPE = (198, 160, 100)
# Pure black is the toolkit's transparent colour, so the darkest ink stays clearly above it.
INK = (40, 40, 44)
SKIN = (255, 228, 192)
CHEEK = (242, 170, 150)
TITLE = (70, 48, 30)
TITLE_ACCENT = (176, 36, 36)
FLAG_GREEN = (0, 140, 70)
FLAG_WHITE = (250, 250, 250)
FLAG_RED = (206, 43, 55)


# ---------------------------------------------------------------- drawing helpers

class Canvas:
    """An RGB image drawn in 1:1 coordinates but rendered SS times larger."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.image = Image.new("RGB", (width * SS, height * SS), background)
        self.draw = ImageDraw.Draw(self.image)

    @staticmethod
    def _s(v):
        return round(v * SS)

    def rect(self, x0, y0, x1, y1, fill):
        s = self._s
        self.draw.rectangle((s(x0), s(y0), s(x1) - 1, s(y1) - 1), fill=fill)

    def rounded(self, x0, y0, x1, y1, radius, fill, outline=None, width=0):
        s = self._s
        self.draw.rounded_rectangle((s(x0), s(y0), s(x1) - 1, s(y1) - 1), radius=s(radius),
                                    fill=fill, outline=outline, width=s(width))

    def circle(self, cx, cy, r, fill, outline=None, width=0):
        s = self._s
        self.draw.ellipse((s(cx - r), s(cy - r), s(cx + r) - 1, s(cy + r) - 1),
                          fill=fill, outline=outline, width=s(width))

    def ellipse(self, x0, y0, x1, y1, fill):
        s = self._s
        self.draw.ellipse((s(x0), s(y0), s(x1) - 1, s(y1) - 1), fill=fill)

    def polygon(self, points, fill):
        self.draw.polygon([(self._s(x), self._s(y)) for x, y in points], fill=fill)

    def stroke(self, x0, y0, x1, y1, width, fill):
        """A line with round caps."""
        s = self._s
        self.draw.line((s(x0), s(y0), s(x1), s(y1)), fill=fill, width=s(width))
        self.circle(x0, y0, width / 2, fill)
        self.circle(x1, y1, width / 2, fill)

    def arc(self, cx, cy, r, start, end, width, fill):
        s = self._s
        self.draw.arc((s(cx - r), s(cy - r), s(cx + r) - 1, s(cy + r) - 1), start, end,
                      fill=fill, width=s(width))

    def beam(self, x0, y0, x1, y1, fill, edge):
        """A wooden plank: dark edge one pixel wide around the wood colour."""
        self.rect(x0, y0, x1, y1, edge)
        self.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill)

    def result(self):
        return self.image.resize((self.width, self.height), Image.BOX)


def text(image, x, y, string, size, fill, anchor="ls"):
    """Text is drawn at 1:1 so FreeType's hinting keeps it crisp."""
    font = ImageFont.truetype(FONT_BOLD, size)
    ImageDraw.Draw(image).text((x, y), string, font=font, fill=fill, anchor=anchor)


def text_width(string, size):
    return round(ImageFont.truetype(FONT_BOLD, size).getlength(string))


# ---------------------------------------------------------------- palettes and BMP files

def nearest_indices(image, palette):
    """Index of the closest palette colour for every pixel. PIL's own palette mapping
    rounds colours through a coarse cache, which would shift the exact background."""
    best = {}
    for _, colour in image.getcolors(maxcolors=1 << 24):
        best[colour] = min(range(len(palette)),
                           key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))
    return [best[p] for p in image.getdata()]


def to_palette(image, keys, count):
    """At most `count` colours for an RGB image, key colours first and kept exact, and the
    palette index of every pixel."""
    used = image.getcolors(maxcolors=1 << 24)
    if len(used) <= count:
        colours = {c for _, c in used}
    else:
        quantized = image.quantize(colors=count - len(keys), method=Image.Quantize.MEDIANCUT,
                                   dither=Image.Dither.NONE)
        flat = quantized.getpalette()
        colours = {tuple(flat[3 * i:3 * i + 3]) for _, i in quantized.getcolors()}
    palette = list(keys) + sorted(colours - set(keys))
    return nearest_indices(image, palette), palette


def bmp_bytes(image, keys):
    """An 8-bit, 256-colour, uncompressed bottom-up BMP as LoadImageW expects it."""
    indices, palette = to_palette(image, keys, 256)
    width, height = image.size
    # Unused entries repeat the background, so the colour table holds no black at all.
    padded = palette + [palette[0]] * (256 - len(palette))
    stride = (width + 3) & ~3
    pixels = bytes(indices)
    rows = b"".join(pixels[y * width:(y + 1) * width].ljust(stride, b"\0")
                    for y in range(height - 1, -1, -1))
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in padded)
    offset = 14 + 40 + len(colour_table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + colour_table + rows


# ---------------------------------------------------------------- hangman strip

FRAME = 150
STEPS = 6   # head, body, arm, arm, leg, leg

# The figure hangs under the end of the beam; these are its joints.
HEAD_X, HEAD_Y, HEAD_R = 101, 52, 12
NECK_Y = HEAD_Y + HEAD_R
HIP_Y = 98
SHOULDER_Y = 74
LIMB = 4.5


def card_interior(c, inset, radius, paint):
    """Paint a scene with `paint` and keep only the part inside the card's rounded inner edge."""
    inner = Canvas(c.width, c.height, CARD)
    paint(inner)
    mask = Image.new("L", c.image.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        (inset * SS, inset * SS, (c.width - inset) * SS - 1, (c.height - inset) * SS - 1),
        radius=radius * SS, fill=255)
    c.image.paste(inner.image, (0, 0), mask)


def sky_and_hill(c):
    # A pale sky fading into the card colour, and a grassy hill for the gallows to stand on.
    for y in range(0, 112):
        t = y / 111
        colour = tuple(round(a + (b - a) * t) for a, b in zip(SKY_TOP, CARD))
        c.rect(0, y, FRAME, y + 1, colour)
    c.ellipse(-30, 124, 180, 206, GRASS_DARK)
    c.ellipse(-30, 127, 180, 209, GRASS)


def gallows_scene(c):
    c.rounded(2, 2, FRAME - 2, FRAME - 2, 12, CARD_EDGE)
    card_interior(c, 4, 10, sky_and_hill)
    # Base, post, beam and brace.
    c.beam(18, 128, 68, 135, WOOD, WOOD_DARK)
    c.beam(36, 18, 44, 130, WOOD, WOOD_DARK)
    c.beam(32, 16, 110, 24, WOOD, WOOD_DARK)
    c.polygon([(43, 46), (43, 36), (61, 23), (73, 23)], WOOD_DARK)
    c.polygon([(44, 44), (44, 38), (62, 24), (70, 24)], WOOD)
    # Rope with a small loop that the head will cover.
    c.stroke(HEAD_X, 24, HEAD_X, HEAD_Y - HEAD_R + 2, 3, ROPE)
    c.circle(HEAD_X, HEAD_Y - HEAD_R + 3, 3.5, None, ROPE, 2)


def draw_head(c):
    c.circle(HEAD_X, HEAD_Y, HEAD_R, INK)
    c.circle(HEAD_X, HEAD_Y, HEAD_R - 2.5, SKIN)
    c.circle(HEAD_X - 4.5, HEAD_Y - 2, 1.6, INK)
    c.circle(HEAD_X + 4.5, HEAD_Y - 2, 1.6, INK)
    c.circle(HEAD_X - 6.5, HEAD_Y + 3, 2, CHEEK)
    c.circle(HEAD_X + 6.5, HEAD_Y + 3, 2, CHEEK)
    c.arc(HEAD_X, HEAD_Y + 1, 5, 25, 155, 1.6, INK)


def draw_body(c):
    c.stroke(HEAD_X, NECK_Y + 1, HEAD_X, HIP_Y, LIMB, INK)


def draw_arm(side):
    return lambda c: c.stroke(HEAD_X, SHOULDER_Y, HEAD_X + side * 17, SHOULDER_Y + 17, LIMB, INK)


def draw_leg(side):
    return lambda c: c.stroke(HEAD_X, HIP_Y, HEAD_X + side * 13, HIP_Y + 21, LIMB, INK)


# In the order the misses add them.
FIGURE_PARTS = [draw_head, draw_body, draw_arm(-1), draw_arm(+1), draw_leg(-1), draw_leg(+1)]


def hangman_frame(parts):
    c = Canvas(FRAME, FRAME, OLIVE)
    gallows_scene(c)
    # The body goes under the head so the neck joins cleanly.
    order = list(FIGURE_PARTS[1:parts]) + ([draw_head] if parts >= 1 else [])
    for part in order:
        part(c)
    return c.result()


def hangman_strip():
    strip = Image.new("RGB", (FRAME * 7, FRAME), OLIVE)
    for column in range(7):
        # Column 6 is the empty gallows, column 0 the whole figure.
        strip.paste(hangman_frame(STEPS - column), (column * FRAME, 0))
    return strip


# ---------------------------------------------------------------- banners

def small_gallows(c, x, top, bottom):
    """A little gallows, 28 pixels wide, with a tiny hanging stick figure."""
    c.beam(x, bottom - 4, x + 20, bottom, WOOD, WOOD_DARK)
    c.beam(x + 4, top, x + 9, bottom - 2, WOOD, WOOD_DARK)
    c.beam(x + 2, top, x + 28, top + 5, WOOD, WOOD_DARK)
    c.polygon([(x + 8, top + 13), (x + 8, top + 10), (x + 15, top + 5), (x + 19, top + 5)], WOOD_DARK)
    cx = x + 23
    c.stroke(cx, top + 5, cx, top + 8, 1.5, ROPE)
    c.stroke(cx, top + 12, cx, top + 21, 1.7, INK)
    c.stroke(cx, top + 15, cx - 3.5, top + 19, 1.5, INK)
    c.stroke(cx, top + 15, cx + 3.5, top + 19, 1.5, INK)
    c.stroke(cx, top + 21, cx - 3, top + 27, 1.5, INK)
    c.stroke(cx, top + 21, cx + 3, top + 27, 1.5, INK)
    c.circle(cx, top + 11.5, 3.6, INK)
    c.circle(cx, top + 11.5, 2.4, SKIN)


def small_flag(c, x, top, bottom):
    """The Italian tricolour on a pole, for an Italian word game."""
    c.stroke(x, top, x, bottom, 2, WOOD_DARK)
    c.circle(x, top, 1.8, WOOD)
    w, h = 5, 11
    for i, colour in enumerate((FLAG_GREEN, FLAG_WHITE, FLAG_RED)):
        c.rect(x + 1 + i * w, top + 2, x + 1 + (i + 1) * w, top + 2 + h, colour)
    c.draw.rectangle((c._s(x + 1), c._s(top + 2), c._s(x + 1 + 3 * w) - 1, c._s(top + 2 + h) - 1),
                     outline=(150, 150, 140), width=2)


def plaque(width, height, outside):
    c = Canvas(width, height, outside)
    # Full bleed: only the rounded corners show the colour underneath.
    c.rounded(0, 0, width, height, 8, CARD_EDGE)
    card_interior(c, 2, 6, lambda inner: None)
    return c


def title(image, left, right, baseline, size):
    """"Zelvanto" in brown and "Game" in red, centred between left and right."""
    first, second = "Zelvanto", "Game"
    total = text_width(first + second, size)
    x = left + (right - left - total) // 2
    text(image, x, baseline, first, size, TITLE)
    text(image, x + text_width(first, size), baseline, second, size, TITLE_ACCENT)


def main_banner():
    c = plaque(200, 50, OLIVE)
    small_gallows(c, 8, 9, 42)
    small_flag(c, 179, 10, 41)
    image = c.result()
    title(image, 39, 176, 31, 16)
    return image


def about_banner():
    c = plaque(163, 50, FACE)
    small_gallows(c, 7, 9, 42)
    image = c.result()
    title(image, 37, 159, 31, 14)
    return image


# ---------------------------------------------------------------- icon

TILE_EDGE = (96, 94, 50)

ICON_PALETTE = [
    (0, 0, 0),          # only under the AND mask: transparent
    OLIVE,
    (214, 212, 160),
    CARD,
    TILE_EDGE,
    (150, 148, 92),
    WOOD,
    WOOD_DARK,
    (168, 140, 92),
    ROPE,
    INK,
    (110, 108, 96),
    SKIN,
    GRASS,
    TITLE_ACCENT,
    (255, 255, 255),
]


def tile_mask(size, radius):
    """Hard-edged rounded square: 1 inside the icon, 0 where the AND mask shows the desktop."""
    mask = Image.new("1", (size, size), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, size - 1, size - 1), radius=radius, fill=1)
    return [[mask.getpixel((x, y)) for x in range(size)] for y in range(size)]


def ring(mask, x, y, depth):
    """True when (x, y) lies within `depth` pixels of the tile's outline."""
    size = len(mask)
    for dy in range(-depth, depth + 1):
        for dx in range(-depth, depth + 1):
            if abs(dx) + abs(dy) > depth:
                continue
            nx, ny = x + dx, y + dy
            if not (0 <= nx < size and 0 <= ny < size) or not mask[ny][nx]:
                return True
    return False


def icon_scene_small():
    """The 16 x 16 image is placed pixel by pixel: at that size smoothing only blurs it."""
    px = [[OLIVE] * 16 for _ in range(16)]

    def put(colour, *points):
        for x, y in points:
            px[y][x] = colour

    for y in (13, 14):
        put(GRASS, *[(x, y) for x in range(16)])
    put(WOOD_DARK, *[(x, y) for x in range(3, 13) for y in (2, 3)])    # beam
    put(WOOD_DARK, *[(x, y) for x in (3, 4) for y in range(2, 13)])    # post
    put(WOOD_DARK, *[(x, 12) for x in range(1, 8)])                    # base
    put(WOOD_DARK, (5, 5), (6, 4))                                      # brace
    put(ROPE, (11, 4))
    put(INK, (10, 5), (11, 5), (12, 5), (10, 9), (11, 9), (12, 9),
        (9, 6), (9, 7), (9, 8), (13, 6), (13, 7), (13, 8))
    put(SKIN, *[(x, y) for x in (10, 11, 12) for y in (6, 7, 8)])
    put(INK, (11, 10), (11, 11), (11, 12))                              # body
    put(INK, (10, 11), (9, 12), (12, 11), (13, 12))                     # arms
    put(INK, (10, 13), (9, 14), (12, 13), (13, 14))                     # legs
    image = Image.new("RGB", (16, 16))
    image.putdata([c for row in px for c in row])
    return image


def icon_scene(size):
    """Gallows with a hanging stick figure on the olive tile; geometry on a 48-unit grid."""
    k = size / 48
    c = Canvas(size, size, OLIVE)
    c.ellipse(-20 * k, 39 * k, 68 * k, 80 * k, GRASS)
    wood = 5 * k
    c.beam(6 * k, 38 * k, 30 * k, 38 * k + wood, WOOD, WOOD_DARK)
    c.beam(11 * k, 7 * k, 11 * k + wood, 40 * k, WOOD, WOOD_DARK)
    c.beam(9 * k, 7 * k, 40 * k, 7 * k + wood, WOOD, WOOD_DARK)
    c.polygon([(16 * k, 20 * k), (16 * k, 16 * k), (25 * k, 12 * k), (29 * k, 12 * k)], WOOD_DARK)
    cx = 33 * k
    c.stroke(cx, 12 * k, cx, 15 * k, 2 * k, ROPE)
    head_r, head_y = 5.5 * k, 20.5 * k
    limb = 2.6 * k
    c.stroke(cx, head_y, cx, 32 * k, limb, INK)
    c.stroke(cx, 25 * k, cx - 5 * k, 30 * k, limb, INK)
    c.stroke(cx, 25 * k, cx + 5 * k, 30 * k, limb, INK)
    c.stroke(cx, 32 * k, cx - 4 * k, 38 * k, limb, INK)
    c.stroke(cx, 32 * k, cx + 4 * k, 38 * k, limb, INK)
    c.circle(cx, head_y, head_r, INK)
    c.circle(cx, head_y, head_r - 1.7 * k, SKIN)
    return c.result()


def icon_image(size):
    """Palette indices and AND-mask bits of one icon image, top row first."""
    mask = tile_mask(size, 2 if size <= 16 else round(size / 6))
    scene = icon_scene_small() if size <= 16 else icon_scene(size)
    indexed = nearest_indices(scene, ICON_PALETTE[1:])
    edge_index = ICON_PALETTE.index(TILE_EDGE)
    depth = 0 if size <= 16 else size // 24 - 1
    indices, and_bits = [], []
    for y in range(size):
        for x in range(size):
            if not mask[y][x]:
                # Black under a set AND bit leaves the desktop untouched.
                indices.append(0)
                and_bits.append(1)
                continue
            indices.append(edge_index if ring(mask, x, y, depth + 1) else indexed[y * size + x] + 1)
            and_bits.append(0)
    return indices, and_bits


def icon_entry(size):
    indices, and_bits = icon_image(size)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):
        row = indices[y * size:(y + 1) * size]
        packed = bytes((row[x] << 4) | (row[x + 1] if x + 1 < size else 0) for x in range(0, size, 2))
        xor_rows.append(packed.ljust(xor_stride, b"\0"))
        bits = and_bits[y * size:(y + 1) * size]
        packed = bytes(sum(bits[x + b] << (7 - b) for b in range(8) if x + b < size)
                       for x in range(0, size, 8))
        and_rows.append(packed.ljust(and_stride, b"\0"))
    xor_data, and_data = b"".join(xor_rows), b"".join(and_rows)
    # An icon's BITMAPINFOHEADER counts the XOR and AND bitmaps together in its height.
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor_data) + len(and_data),
                       0, 0, 16, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in ICON_PALETTE)
    return info + colours + xor_data + and_data


def ico_bytes(sizes):
    entries = [icon_entry(s) for s in sizes]
    offset = 6 + 16 * len(sizes)
    directory = struct.pack("<HHH", 0, 1, len(sizes))
    for size, data in zip(sizes, entries):
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + b"".join(entries)


# ---------------------------------------------------------------- output

def main():
    outputs = {
        "hangman.bmp": bmp_bytes(hangman_strip(), [OLIVE, CARD, INK]),
        "banner.bmp": bmp_bytes(main_banner(), [OLIVE, CARD, TITLE, TITLE_ACCENT]),
        "banner_about.bmp": bmp_bytes(about_banner(), [FACE, CARD, TITLE, TITLE_ACCENT]),
        "ZelvantoGame.ico": ico_bytes([16, 32, 48]),
    }
    for name, data in outputs.items():
        with open(os.path.join(OUT_DIR, name), "wb") as f:
            f.write(data)
        print("%-18s %7d bytes" % (name, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
