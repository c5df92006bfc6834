#!/usr/bin/env python3
"""Draws Parlevo's Windows icons, bitmaps and cursor and writes them next to this script.

The files it writes are committed, so that a build never needs Python; run it again after
changing a drawing here and commit what it wrote. The output depends on nothing but this file.

    python3 make_resources.py                 # rewrite the resource files
    python3 make_resources.py --preview DIR   # also write enlarged PNG pictures to look at
"""

import argparse
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# Tray colours: orange when connected and on, blue when connected and switched off, grey while
# connecting.
ORANGE = (0xF0, 0xAA, 0x00)
BLUE = (0x00, 0xA8, 0xFF)
GREY = (0x80, 0x80, 0x80)
WHITE = (0xFF, 0xFF, 0xFF)

CLOSE_BACK = (0xF0, 0xF0, 0xF0)
CLOSE_CROSS = (0x40, 0x40, 0x40)

# Every drawing is made on a 16 by 16 grid and drawn again for each size; edges that lie on whole
# grid units stay sharp at 16 px, where the tray shows the icon at 100 % scaling.
GRID = 16.0

# The sizes Windows asks for a small icon (tray, floating icon) at 100, 125, 150, 200, 250 and
# 300 % scaling. Each is drawn for its size, so that nothing is stretched on the screen.
SMALL_SIZES = (16, 20, 24, 32, 40, 48)

# Each pixel is the mean of SAMPLES x SAMPLES points, which smooths slanted edges.
SAMPLES = 8

# The glyph: two arrows going opposite ways, one word going over into another language.
# Straight parts are two units thick so that they stay a clean two pixels at 16 px.
ARROW_RIGHT = [(3, 4), (9, 4), (9, 1), (13, 5), (9, 9), (9, 6), (3, 6)]
ARROW_LEFT = [(13, 10), (7, 10), (7, 7), (3, 11), (7, 15), (7, 12), (13, 12)]
GLYPH = [ARROW_RIGHT, ARROW_LEFT]

# The tray and application icons are rounded squares; the corners around them are see-through.
CORNER_RADIUS = 2.5

# The close cross at 16 px, drawn pixel by pixel so that its strokes stay sharp at this small
# size; the larger sizes are drawn from the same two strokes (CLOSE_STROKES, in grid units).
CLOSE = [
    "................",
    "................",
    "................",
    "................",
    "....XX....XX....",
    ".....XX..XX.....",
    "......XXXX......",
    ".......XX.......",
    "......XXXX......",
    ".....XX..XX.....",
    "....XX....XX....",
    "................",
    "................",
    "................",
    "................",
    "................",
]

CLOSE_STROKES = [((4.5, 4.5), (11.5, 11.5)), ((11.5, 4.5), (4.5, 11.5))]
CLOSE_HALF_WIDTH = 0.75

# The pointing hand, drawn pixel by pixel: X outline, o fill, . see-through. The tip of the
# finger is the hot spot, so that the click lands where the finger points.
HAND_HOT_SPOT = (16, 13)
HAND = [
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................XX..............",
    "...............XooX.............",
    "...............XooX.............",
    "...............XooX.............",
    "...............XooXXX...........",
    "...............XooXooXXX........",
    "...............XooXooXooXXX.....",
    "...............XooXooXooXooX....",
    "...........XX..XooXooXooXooX....",
    "..........XooX.XooXooXooXooX....",
    "..........XoooXooooooooooooX....",
    "..........XooooooooooooooooX....",
    "...........XoooooooooooooooX....",
    "............XooooooooooooooX....",
    ".............XoooooooooooooX....",
    "..............XoooooooooooX.....",
    "...............XoooooooooX......",
    "...............XoooooooooX......",
    "...............XXXXXXXXXXX......",
]


# ---------------------------------------------------------------------------------------------
# Drawing. A picture is a list of rows, top row first, of (r, g, b, a) pixels.


def inside_polygon(points, x, y):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def inside_rounded_square(x, y, radius):
    if not (0 <= x <= GRID and 0 <= y <= GRID):
        return False
    cx = min(max(x, radius), GRID - radius)
    cy = min(max(y, radius), GRID - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def coverage(size, test):
    """How much of each pixel of a size x size picture the shape covers, from 0 to 1."""
    scale = GRID / size
    steps = [(k + 0.5) / SAMPLES for k in range(SAMPLES)]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = 0
            for sy in steps:
                y = (py + sy) * scale
                for sx in steps:
                    if test((px + sx) * scale, y):
                        hits += 1
            row.append(hits / (SAMPLES * SAMPLES))
        rows.append(row)
    return rows


def mix(back, front, amount):
    return tuple(round(b + (f - b) * amount) for b, f in zip(back, front))


def glyph_test(x, y):
    return any(inside_polygon(arrow, x, y) for arrow in GLYPH)


def draw_glyph(size, back, rounded):
    """The white glyph on a background of the given colour, as a rounded or a full square."""
    glyph = coverage(size, glyph_test)
    if rounded:
        shape = coverage(size, lambda x, y: inside_rounded_square(x, y, CORNER_RADIUS))
    else:
        shape = [[1.0] * size for _ in range(size)]
    picture = []
    for py in range(size):
        row = []
        for px in range(size):
            alpha = round(255 * shape[py][px])
            colour = mix(back, WHITE, glyph[py][px]) if alpha else (0, 0, 0)
            row.append(colour + (alpha,))
        picture.append(row)
    return picture


def near_stroke(x, y):
    for (x1, y1), (x2, y2) in CLOSE_STROKES:
        dx, dy = x2 - x1, y2 - y1
        t = ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)
        if 0 <= t <= 1 and abs((x - x1) * dy - (y - y1) * dx) / (dx * dx + dy * dy) ** 0.5 <= CLOSE_HALF_WIDTH:
            return True
    return False


def draw_close(size):
    if size == 16:
        colours = {".": CLOSE_BACK + (255,), "X": CLOSE_CROSS + (255,)}
        assert len(CLOSE) == 16 and all(len(line) == 16 for line in CLOSE)
        return [[colours[c] for c in line] for line in CLOSE]
    cross = coverage(size, near_stroke)
    return [[mix(CLOSE_BACK, CLOSE_CROSS, cross[py][px]) + (255,) for px in range(size)] for py in range(size)]


def draw_hand():
    colours = {".": (0, 0, 0, 0), "X": (0, 0, 0, 255), "o": (255, 255, 255, 255)}
    assert len(HAND) == 32 and all(len(line) == 32 for line in HAND)
    return [[colours[c] for c in line] for line in HAND]


# ---------------------------------------------------------------------------------------------
# File formats.


def dib_with_mask(picture):
    """A 32-bit bottom-up DIB followed by its AND mask, as icon and cursor images store them.

    Windows draws with the alpha; the mask only serves whatever draws without it, so a pixel
    counts as see-through there when it is less than half opaque."""
    size = len(picture)
    colour = bytearray()
    for row in reversed(picture):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(picture):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # The height counts the colour image and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + bytes(colour) + bytes(mask)


def icon_file(pictures, hot_spot=None):
    """An .ico file, or a .cur file when a hot spot is given, holding one image per picture."""
    kind = 1 if hot_spot is None else 2
    images = [dib_with_mask(p) for p in pictures]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for picture, image in zip(pictures, images):
        side = len(picture)
        # An icon's entry gives planes and bits per pixel here, a cursor's its hot spot.
        field1, field2 = (1, 32) if hot_spot is None else hot_spot
        out += struct.pack("<BBBBHHII", side, side, 0, 0, field1, field2, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def bmp_file(picture):
    """A 24-bit bottom-up .bmp file; pictures here are opaque, so alpha is dropped."""
    height, width = len(picture), len(picture[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(picture):
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def png_file(picture, zoom):
    """An RGBA .png of the picture, each pixel made zoom x zoom, for looking at the drawings."""
    raw = bytearray()
    for row in picture:
        line = bytearray()
        for pixel in row:
            line += bytes(pixel) * zoom
        raw += (b"\0" + line) * zoom

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    height, width = len(picture) * zoom, len(picture[0]) * zoom
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
        + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + chunk(b"IEND", b"")
    )


# ---------------------------------------------------------------------------------------------
# Writing the files.


def write(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNG pictures here")
    args = parser.parse_args()

    tray = {}
    for name, colour in (("orange", ORANGE), ("blue", BLUE), ("grey", GREY)):
        tray[name] = [draw_glyph(size, colour, rounded=True) for size in SMALL_SIZES]
        write(HERE, f"tray_{name}.ico", icon_file(tray[name]))
    app = tray["orange"] + [draw_glyph(64, ORANGE, rounded=True)]
    write(HERE, "plv.ico", icon_file(app))

    # The floating icon's emblem and close cross fill the icon's window: opaque squares.
    emblem = [draw_glyph(size, ORANGE, rounded=False) for size in SMALL_SIZES]
    close = [draw_close(size) for size in SMALL_SIZES]
    logo = draw_glyph(144, ORANGE, rounded=False)
    write(HERE, "emblem.ico", icon_file(emblem))
    write(HERE, "close.ico", icon_file(close))
    write(HERE, "logo.bmp", bmp_file(logo))

    hand = draw_hand()
    write(HERE, "hand.cur", icon_file([hand], hot_spot=HAND_HOT_SPOT))

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for name, pictures in tray.items():
            for picture in pictures:
                write(args.preview, f"tray_{name}_{len(picture)}.png", png_file(picture, 256 // len(picture)))
        write(args.preview, "plv_48.png", png_file(app[SMALL_SIZES.index(48)], 4))
        for kind, pictures in (("emblem", emblem), ("close", close)):
            for picture in pictures:
                write(args.preview, f"{kind}_{len(picture)}.png", png_file(picture, 192 // len(picture)))
        write(args.preview, "logo.png", png_file(logo, 1))
        write(args.preview, "hand.png", png_file(hand, 8))


if __name__ == "__main__":
    main()
