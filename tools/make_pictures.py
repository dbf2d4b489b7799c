#!/usr/bin/python3
"""Draws every picture of the program into assets/ and writes assets/kavalto.qrc.

Only the standard library is used, and nothing random: running it twice gives
the same bytes. Run from anywhere:  /usr/bin/python3 tools/make_pictures.py

Pictures drawn over the program's own pixels use its key colours: pure red is
transparent, pure green an edge pixel that takes the average of its drawn
neighbours. Shade masks (frame corners) hold the shade factor in every
channel; red 255 leaves the pixel alone.
"""

import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")
PICTURES = os.path.join(ASSETS, "pictures")

RED_KEY = (255, 0, 0)
GREEN_KEY = (0, 255, 0)

# ---------------------------------------------------------------- PNG output


def write_png(path, width, height, rows, alpha=False):
    """rows: list of bytes, each width * (3 or 4) long."""
    channels = 4 if alpha else 3
    raw = bytearray()
    previous = bytes(width * channels)
    for row in rows:
        row = bytes(row)
        up = bytes((a - b) & 0xFF for a, b in zip(row, previous))
        sub = bytes(
            (row[i] - (row[i - channels] if i >= channels else 0)) & 0xFF for i in range(len(row))
        )
        # The filter with the smaller sum of magnitudes compresses better.
        cost_up = sum(b if b < 128 else 256 - b for b in up)
        cost_sub = sum(b if b < 128 else 256 - b for b in sub)
        if cost_up <= cost_sub:
            raw += b"\x02" + up
        else:
            raw += b"\x01" + sub
        previous = row

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- shapes
# A shape is a function (x, y) -> bool on continuous coordinates; pixel
# (i, j) covers [i, i+1) x [j, j+1).


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, inner, outer):
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def ellipse(cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def inside(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0

    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside


def segment(x0, y0, x1, y1, width):
    half = width / 2.0
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-9

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= half * half

    return inside


def polyline(points, width):
    return union(*[segment(*points[i], *points[i + 1], width) for i in range(len(points) - 1)])


def polygon(points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            xa, ya = points[i]
            xb, yb = points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < (xb - xa) * (y - ya) / (yb - ya) + xa:
                result = not result
        return result

    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def grow(shape, d):
    offsets = [(0, 0)] + [
        (d * math.cos(k * math.pi / 6), d * math.sin(k * math.pi / 6)) for k in range(12)
    ]
    return lambda x, y: any(shape(x + ox, y + oy) for ox, oy in offsets)


def moved(shape, scale, ox, oy):
    """The shape drawn `scale` times larger at (ox, oy)."""
    return lambda x, y: shape((x - ox) / scale, (y - oy) / scale)


# ---------------------------------------------------------------- canvas


class Canvas:
    """Premultiplied RGBA floats, drawn with 4 x 4 samples per pixel."""

    SAMPLES = [(i + 0.5) / 4.0 for i in range(4)]

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def fill(self, shape, colour, opacity=1.0):
        """colour: (r, g, b), or a function of the row giving one."""
        row_colour = colour if callable(colour) else (lambda j: colour)
        for j in range(self.height):
            r, g, b = row_colour(j)
            for i in range(self.width):
                hits = 0
                for sy in self.SAMPLES:
                    for sx in self.SAMPLES:
                        if shape(i + sx, j + sy):
                            hits += 1
                if not hits:
                    continue
                a = hits / 16.0 * opacity
                p = self.px[j * self.width + i]
                p[0] = r * a + p[0] * (1 - a)
                p[1] = g * a + p[1] * (1 - a)
                p[2] = b * a + p[2] * (1 - a)
                p[3] = a + p[3] * (1 - a)

    def layers(self, layers, outline=None, outline_width=1.0):
        """Draws (shape, colour) layers, first an outline around all of them."""
        if outline is not None:
            self.fill(grow(union(*[s for s, _ in layers]), outline_width), outline)
        for shape, colour in layers:
            self.fill(shape, colour)

    def colour_at(self, i, j):
        r, g, b, a = self.px[j * self.width + i]
        if a <= 0:
            return (0, 0, 0), 0.0
        return (round(r / a), round(g / a), round(b / a)), a

    def keyed_rows(self):
        """Rows with the program's key colours instead of alpha."""
        rows = []
        for j in range(self.height):
            row = bytearray()
            for i in range(self.width):
                (r, g, b), a = self.colour_at(i, j)
                if a < 0.3:
                    pixel = RED_KEY
                elif a < 0.75:
                    pixel = GREEN_KEY
                else:
                    pixel = avoid_keys((r, g, b))
                row += bytes((pixel[0], pixel[1], pixel[2]))
            rows.append(row)
        return rows

    def rgba_rows(self):
        rows = []
        for j in range(self.height):
            row = bytearray()
            for i in range(self.width):
                (r, g, b), a = self.colour_at(i, j)
                row += bytes((clamp(r), clamp(g), clamp(b), clamp(round(a * 255))))
            rows.append(row)
        return rows


def clamp(v):
    return max(0, min(255, int(v)))


def avoid_keys(colour):
    if colour == RED_KEY:
        return (254, 0, 0)
    if colour == GREEN_KEY:
        return (0, 254, 0)
    return colour


def save_keyed(name, canvas):
    write_png(os.path.join(PICTURES, name + ".png"), canvas.width, canvas.height, canvas.keyed_rows())


def save_plain(name, width, height, pixel):
    rows = [bytes(c for i in range(width) for c in pixel(i, j)) for j in range(height)]
    write_png(os.path.join(PICTURES, name + ".png"), width, height, rows)


# ---------------------------------------------------------------- palette

GLYPH = (242, 245, 250)        # light glyphs on the blue button faces
OUTLINE = (28, 36, 64)
GOLD = (246, 196, 76)
GOLD_DARK = (92, 58, 18)
ACCENT_RED = (214, 58, 52)
ACCENT_GREEN = (70, 170, 90)
ACCENT_BLUE = (120, 170, 235)
PAPER = (250, 250, 246)
INK = (60, 70, 100)

# ---------------------------------------------------------------- logo


def dog_and_hurdle():
    """The emblem on a 128 x 72 frame: a dog in full flight over a hurdle."""
    body = ellipse(60, 30, 23, 8.5, -14)
    chest = ellipse(78, 24.5, 9, 7.5, -30)
    neck = segment(80, 23, 89, 13.5, 8.5)
    head = circle(91.5, 11.5, 6.2)
    snout = segment(94, 12.5, 104, 15.5, 5.2)
    ear = polygon([(86.5, 9.5), (88.5, 2.5), (93.5, 7.5)])
    front_a = polyline([(80, 29), (90, 33), (100, 31)], 4.2)
    front_b = polyline([(77, 31), (86, 38), (95, 38.5)], 3.8)
    hind_a = polyline([(45, 33), (36, 40), (24, 42)], 4.8)
    hind_b = polyline([(42, 30), (31, 35), (20, 34)], 4.4)
    thigh = ellipse(44, 32, 8, 6.5, 30)
    tail = polyline([(38, 26), (30, 20), (24, 17.5), (18, 18)], 3.4)
    dog = union(body, chest, neck, head, snout, ear, front_a, front_b, hind_a, hind_b, thigh, tail)
    eye = circle(93.5, 10.5, 1.1)

    post_left = rounded_rect(30, 44, 35, 70, 1.5)
    post_right = rounded_rect(93, 44, 98, 70, 1.5)
    feet = union(rounded_rect(25, 67, 40, 70.5, 1.5), rounded_rect(88, 67, 103, 70.5, 1.5))
    bar = rounded_rect(29, 50, 99, 55, 2.2)
    stripes = union(*[polygon([(x, 50), (x + 7, 50), (x + 3, 55), (x - 4, 55)]) for x in range(33, 99, 14)])
    return [
        (union(post_left, post_right, feet), (196, 204, 224)),
        (bar, (250, 250, 250)),
        (lambda x, y: bar(x, y) and stripes(x, y), ACCENT_RED),
        (dog, GOLD),
        (eye, GOLD_DARK),
    ]


def make_logo():
    canvas = Canvas(128, 72)
    canvas.layers(dog_and_hurdle(), outline=GOLD_DARK, outline_width=1.2)
    save_keyed("logo", canvas)


def make_application_icon():
    canvas = Canvas(256, 256)
    plate = rounded_rect(8, 8, 248, 248, 44)
    canvas.fill(plate, lambda j: (46 + 50 * j / 255.0, 50 + 56 * j / 255.0, 90 + 46 * j / 255.0))
    canvas.fill(minus(plate, rounded_rect(14, 14, 242, 242, 39)), (194, 201, 220), 0.6)
    scene = [(moved(s, 1.85, 10, 62), c) for s, c in dog_and_hurdle()]
    canvas.layers(scene, outline=GOLD_DARK, outline_width=2.2)
    write_png(os.path.join(ASSETS, "kavalto.png"), 256, 256, canvas.rgba_rows(), alpha=True)


# ---------------------------------------------------------------- button parts


def make_gradient():
    # Sampled per row at its first pixel; a glassy face: light top, a soft
    # break just above the middle, deeper bottom.
    stops = [(0.0, (168, 182, 218)), (0.46, (104, 118, 162)), (0.5, (84, 98, 146)), (1.0, (66, 78, 124))]

    def colour(t):
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                f = (t - t0) / (t1 - t0)
                return tuple(round(a + (b - a) * f) for a, b in zip(c0, c1))
        return stops[-1][1]

    save_plain("button_gradient", 4, 64, lambda i, j: colour(j / 63.0))


def make_check_marks():
    box = rounded_rect(1, 1, 17, 17, 2.5)
    inner = rounded_rect(2.5, 2.5, 15.5, 15.5, 1.5)
    shadow = minus(inner, rounded_rect(3.7, 3.7, 15.5, 15.5, 1.2))
    tick = polyline([(4.6, 9.2), (7.8, 12.6), (13.8, 5.2)], 2.7)
    for name, marked in (("check_off", False), ("check_on", True)):
        canvas = Canvas(18, 18)
        canvas.fill(box, (58, 66, 98))
        canvas.fill(inner, (240, 243, 250))
        canvas.fill(shadow, (196, 202, 220))
        if marked:
            canvas.fill(grow(tick, 0.7), (235, 245, 235))
            canvas.fill(tick, (34, 128, 62))
        save_keyed(name, canvas)


def make_option_marks():
    for name, on, hover in (
        ("option_off", False, False),
        ("option_on", True, False),
        ("option_off_hover", False, True),
        ("option_on_hover", True, True),
    ):
        canvas = Canvas(14, 14)
        canvas.fill(circle(7, 7, 6.6), (120, 140, 205) if hover else (58, 66, 98))
        canvas.fill(circle(7, 7, 5.3), (255, 255, 238) if hover else (240, 243, 250))
        canvas.fill(minus(circle(7, 7, 5.3), circle(7.6, 7.6, 4.8)), (196, 202, 220))
        if on:
            canvas.fill(circle(7, 7, 2.9), (40, 66, 150))
        save_keyed(name, canvas)


def make_menu_marker():
    canvas = Canvas(9, 9)
    canvas.layers([(polygon([(2.2, 1.2), (7.6, 4.5), (2.2, 7.8)]), GLYPH)], outline=OUTLINE, outline_width=0.9)
    save_keyed("menu_marker", canvas)


def make_frame_corners():
    # Factors of the bevel: 125, 100, 75, 50, 25 from the outside inward on the
    # top and left sides, 125, 150, 175, 200, 225 on the right and bottom.
    dark = [125, 100, 75, 50, 25]
    light = [125, 150, 175, 200, 225]

    def corner(name, factor_at):
        def pixel(i, j):
            f = factor_at(i, j)
            return RED_KEY if f is None else (f, f, f)

        save_plain(name, 9, 9, pixel)

    def top_left(i, j):
        d = min(i, j)
        if i + j == 0:
            return None
        return dark[d] if d < 5 else None

    def top_right(i, j):
        top, right = j, 8 - i
        if top == 0 and right == 0:
            return None
        if top <= right:
            return dark[top] if top < 5 else None
        return light[right] if right < 5 else None

    def bottom_left(i, j):
        left, bottom = i, 8 - j
        if left == 0 and bottom == 0:
            return None
        if left <= bottom:
            return dark[left] if left < 5 else None
        return light[bottom] if bottom < 5 else None

    def bottom_right(i, j):
        d = min(8 - i, 8 - j)
        if d == 0 and i == j == 8:
            return None
        return light[d] if d < 5 else None

    corner("corner_top_left", top_left)
    corner("corner_top_right", top_right)
    corner("corner_bottom_left", bottom_left)
    corner("corner_bottom_right", bottom_right)


def make_scroll_pieces():
    # Grey masks around 128 (lighter above, darker below), 22 wide, tinted by
    # the list panel with the shade end colour.
    def grey(v):
        v = max(1, min(250, round(v)))
        return (v, v, v)

    def arrow_piece(name):
        shape = rounded_rect(1, 0.5, 21, 17.5, 3)
        edge = minus(shape, rounded_rect(2.2, 1.7, 19.8, 16.3, 2.2))

        def pixel(i, j):
            c = (i + 0.5, j + 0.5)
            if not shape(*c):
                return RED_KEY
            if edge(*c):
                return grey(84)
            return grey(168 - 50 * j / 17.0)

        save_plain(name, 22, 18, pixel)

    arrow_piece("scroll_up")
    arrow_piece("scroll_down")
    save_plain("scroll_track", 22, 1, lambda i, j: grey(100 + 22 * math.sin(math.pi * (i + 0.5) / 22)))

    def thumb(name, height, top):
        def pixel(i, j):
            y = j if top else height - 1 - j
            dx = min(i, 21 - i)
            if y == 0 and dx < 3 or y == 1 and dx < 1:
                return RED_KEY
            if y == 0 or dx == 0:
                return grey(84)
            return grey(150 + 20 * math.sin(math.pi * (i + 0.5) / 22) - (0 if top else 18))

        save_plain(name, 22, height, pixel)

    thumb("thumb_top", 5, True)
    thumb("thumb_bottom", 5, False)
    save_plain(
        "thumb_middle", 22, 1, lambda i, j: grey(84) if i in (0, 21) else grey(150 + 20 * math.sin(math.pi * (i + 0.5) / 22))
    )
    for name, points in (
        ("glyph_up", [(1, 5.6), (5, 0.6), (9, 5.6)]),
        ("glyph_down", [(1, 0.4), (5, 5.4), (9, 0.4)]),
    ):
        canvas = Canvas(10, 6)
        canvas.fill(polygon(points), (44, 50, 70))
        save_keyed(name, canvas)


# ---------------------------------------------------------------- icons


def icon(name, layers, size=20):
    canvas = Canvas(size, size)
    canvas.layers(layers, outline=OUTLINE, outline_width=1.0)
    save_keyed(name, canvas)


def make_icons():
    page = rounded_rect(4, 2, 15, 18, 1.2)
    lines = union(*[rect(6.5, y, 12.5, y + 0.9) for y in (6, 9, 12)])
    icon("icon_register", [
        (page, PAPER),
        (lambda x, y: lines(x, y), INK),
        (segment(10.5, 15.5, 17.5, 6.5, 2.6), GOLD),
        (segment(10.5, 15.5, 11.6, 14.1, 2.6), GOLD_DARK),
    ])
    icon("icon_meet_day", [
        (circle(10, 11, 7.5), PAPER),
        (rect(8.8, 1.4, 11.2, 3.6), GLYPH),
        (segment(10, 11, 10, 5.6, 1.6), INK),
        (segment(10, 11, 13.6, 12.8, 1.6), ACCENT_RED),
        (circle(10, 11, 1.2), INK),
    ])
    cup = polygon([(4.5, 3), (15.5, 3), (14.5, 9), (12, 11.5), (8, 11.5), (5.5, 9)])
    icon("icon_after_meet", [
        (union(ring(4.6, 6.2, 1.8, 3.2), ring(15.4, 6.2, 1.8, 3.2)), GOLD),
        (cup, GOLD),
        (rect(9, 11, 11, 14.5), GOLD),
        (rounded_rect(5.5, 14.5, 14.5, 17.5, 1), GOLD_DARK),
    ])
    icon("icon_user_guide", [
        (polygon([(2, 4), (10, 5.5), (10, 17.5), (2, 16)]), PAPER),
        (polygon([(18, 4), (10, 5.5), (10, 17.5), (18, 16)]), (226, 232, 246)),
        (rect(9.6, 5.5, 10.4, 17.5), INK),
        (union(*[segment(3.8, y, 8.2, y + 0.8, 0.8) for y in (8, 10.5, 13)]), ACCENT_BLUE),
    ])
    icon("icon_new_meet", [
        (polygon([(4, 2), (12, 2), (16, 6), (16, 18), (4, 18)]), PAPER),
        (polygon([(12, 2), (16, 6), (12, 6)]), (200, 208, 226)),
        (rect(9, 8.5, 11, 15.5), ACCENT_GREEN),
        (rect(6.5, 11, 13.5, 13), ACCENT_GREEN),
    ])
    icon("icon_open_file", [
        (polygon([(2, 4), (8, 4), (9.5, 6), (17, 6), (17, 16), (2, 16)]), (222, 178, 78)),
        (polygon([(4.5, 9), (19, 9), (17, 16), (2, 16)]), GOLD),
    ])
    icon("icon_import", [
        (polyline([(3, 11), (3, 17), (17, 17), (17, 11)], 2.2), GLYPH),
        (rect(9, 2, 11, 10), ACCENT_GREEN),
        (polygon([(5.5, 9), (14.5, 9), (10, 14)]), ACCENT_GREEN),
    ])
    icon("icon_entry_form", [
        (rounded_rect(4, 2, 16, 18, 1.2), PAPER),
        (union(*[rect(6.5, y, 13.5, y + 0.9) for y in (5, 8, 11)]), INK),
        (union(rect(6.5, 13.8, 8.5, 15.8), rect(10, 14.3, 13.5, 15.2)), ACCENT_BLUE),
    ])
    icon("icon_banner", [
        (rounded_rect(1.5, 4, 18.5, 16, 1.2), PAPER),
        (polygon([(3, 14.5), (8, 8.5), (11.5, 12), (13.5, 10), (17, 14.5)]), ACCENT_GREEN),
        (circle(14, 7.3, 1.6), GOLD),
    ])
    dog_head = [
        (union(circle(10, 10.5, 5.6), ellipse(10, 14.5, 3.8, 3)), (214, 168, 98)),
        (union(ellipse(4.6, 8.5, 2.3, 4.6, 18), ellipse(15.4, 8.5, 2.3, 4.6, -18)), (126, 84, 44)),
        (union(circle(7.9, 9.6, 0.9), circle(12.1, 9.6, 0.9)), OUTLINE),
        (ellipse(10, 13.6, 1.6, 1.1), OUTLINE),
    ]
    icon("icon_dog", dog_head)
    icon("icon_team", [
        (union(circle(6, 7, 3), ellipse(6, 15, 4.5, 3.5)), ACCENT_BLUE),
        (union(circle(14, 7, 3), ellipse(14, 15, 4.5, 3.5)), GOLD),
        (union(circle(10, 8.5, 3.2), ellipse(10, 16.5, 4.8, 3.2)), PAPER),
    ])
    icon("icon_draw", [
        (rounded_rect(2.5, 2.5, 17.5, 17.5, 3.2), PAPER),
        (union(*[circle(x, y, 1.45) for x, y in ((6.3, 6.3), (13.7, 6.3), (10, 10), (6.3, 13.7), (13.7, 13.7))]), ACCENT_RED),
    ])
    icon("icon_start_number", [
        (rounded_rect(3, 3, 17, 17, 1.5), PAPER),
        (union(segment(8, 5.5, 7, 14.5, 1.4), segment(12.5, 5.5, 11.5, 14.5, 1.4),
               segment(5.5, 8.3, 14.5, 8.3, 1.4), segment(5, 11.7, 14, 11.7, 1.4)), INK),
    ])
    icon("icon_save", [
        (rounded_rect(2.5, 2.5, 17.5, 17.5, 1.5), (74, 110, 190)),
        (rect(5.5, 2.5, 14.5, 8), PAPER),
        (rect(11.5, 3.5, 13.3, 7), (74, 110, 190)),
        (rounded_rect(5, 11, 15, 17.5, 0.8), (226, 232, 246)),
    ])
    icon("icon_print", [
        (rect(5.5, 2, 14.5, 8), PAPER),
        (rounded_rect(2, 7, 18, 14.5, 1.5), (176, 186, 210)),
        (rect(5.5, 11.5, 14.5, 18), PAPER),
        (union(rect(7, 13.5, 13, 14.3), rect(7, 15.6, 12, 16.4)), INK),
        (circle(15.5, 9.5, 0.9), ACCENT_GREEN),
    ])
    icon("icon_exit", [
        (rect(3, 2.5, 11, 17.5), (176, 130, 82)),
        (circle(9.2, 10.5, 0.9), GOLD),
        (rect(9.5, 9, 15, 11.8), GLYPH),
        (polygon([(14, 5.8), (19, 10.4), (14, 15)]), GLYPH),
    ])
    icon("icon_search", [
        (circle(8, 8, 4.4), (190, 220, 250)),
        (ring(8, 8, 4.4, 6.2), GLYPH),
        (segment(12.3, 12.3, 17.5, 17.5, 3), GOLD),
    ])
    icon("icon_plus_one", [
        (union(rect(2.5, 8.8, 10.5, 11.2), rect(5.3, 6, 7.7, 14)), ACCENT_GREEN),
        (union(polyline([(12.5, 6.5), (15.3, 4), (15.3, 16)], 2.3), rect(12.5, 15, 18, 17)), GLYPH),
    ])
    tri_right = polygon([(7, 4), (15, 10), (7, 16)])
    tri_left = polygon([(13, 4), (5, 10), (13, 16)])
    icon("icon_next", [(tri_right, GLYPH)])
    icon("icon_previous", [(tri_left, GLYPH)])
    icon("icon_last", [(polygon([(4, 4), (12, 10), (4, 16)]), GLYPH), (rect(13, 4, 15.5, 16), GLYPH)])
    icon("icon_first", [(polygon([(16, 4), (8, 10), (16, 16)]), GLYPH), (rect(4.5, 4, 7, 16), GLYPH)])
    icon("icon_next_open", [(polygon([(3, 4), (10, 10), (3, 16)]), GLYPH), (ring(14.5, 10, 2, 3.6), GOLD)])
    icon("icon_add", [(union(rect(8.6, 3, 11.4, 17), rect(3, 8.6, 17, 11.4)), ACCENT_GREEN)])
    icon("icon_clock", [
        (circle(10, 10, 7.8), PAPER),
        (segment(10, 10, 10, 4.6, 1.6), INK),
        (segment(10, 10, 14, 10, 1.6), INK),
        (union(*[circle(10 + 6.2 * math.cos(k * math.pi / 2), 10 + 6.2 * math.sin(k * math.pi / 2), 0.7) for k in range(4)]), INK),
    ])
    icon("icon_mail", [
        (rounded_rect(2, 4.5, 18, 15.5, 1.2), PAPER),
        (polyline([(2.8, 5.5), (10, 11), (17.2, 5.5)], 1.4), INK),
    ])
    icon("icon_big_screen", [
        (rounded_rect(1.5, 2.5, 18.5, 14, 1.2), (176, 186, 210)),
        (rect(3, 4, 17, 12.5), (70, 110, 190)),
        (polygon([(5, 11), (9, 7), (12, 9.5), (15, 6.5), (15, 11)]), ACCENT_GREEN),
        (union(rect(9, 14, 11, 16.5), rounded_rect(5.5, 16, 14.5, 18, 1)), (176, 186, 210)),
    ])
    icon("icon_list", [
        (rounded_rect(3, 2, 17, 18, 1.2), PAPER),
        (union(*[rect(8, y, 15, y + 1.1) for y in (5, 9, 13)]), INK),
        (union(*[circle(5.6, y + 0.55, 0.9) for y in (5, 9, 13)]), ACCENT_BLUE),
    ])
    icon("icon_delete", [(union(segment(4.5, 4.5, 15.5, 15.5, 3.2), segment(15.5, 4.5, 4.5, 15.5, 3.2)), ACCENT_RED)])

    # The in-season symbol (the female sign), on page 5 and the start lists.
    canvas = Canvas(16, 16)
    canvas.layers([
        (union(ring(8, 6, 2.6, 4.9), segment(8, 10.6, 8, 15.2, 2.2), segment(5, 12.9, 11, 12.9, 2.2)), (222, 58, 148)),
    ], outline=(255, 246, 250), outline_width=0.9)
    save_keyed("in_season", canvas)


# ---------------------------------------------------------------- background


def make_background():
    """2000 x 1280, calm: a deep slate-blue field with a soft diagonal light
    and two wide, faint arcs like the line of a course."""
    width, height = 2000, 1280
    step = 8
    gw, gh = width // step + 2, height // step + 2
    arcs = [(1550.0, 1900.0, 1250.0, 90.0, 14.0), (300.0, -700.0, 1500.0, 120.0, 10.0), (2300.0, 300.0, 900.0, 70.0, 9.0)]
    grid = []
    for gy in range(gh):
        y = gy * step
        row = []
        for gx in range(gw):
            x = gx * step
            t = (x / width * 0.55 + y / height * 0.45)
            light = 1.0 - (t - 0.35) ** 2 * 1.4
            r, g, b = 70 + 34 * light, 82 + 36 * light, 118 + 40 * light
            for cx, cy, radius, spread, strength in arcs:
                d = abs(math.hypot(x - cx, y - cy) - radius)
                glow = math.exp(-(d / spread) ** 2) * strength
                r, g, b = r + glow, g + glow * 1.1, b + glow * 1.3
            vignette = ((x / width - 0.5) ** 2 + (y / height - 0.5) ** 2) * 30
            grid_row = (r - vignette, g - vignette, b - vignette)
            row.append(grid_row)
        grid.append(row)

    rows = []
    for y in range(height):
        fy = y / step
        y0 = int(fy)
        wy = fy - y0
        r0, r1 = grid[y0], grid[y0 + 1]
        row = bytearray()
        for x in range(width):
            fx = x / step
            x0 = int(fx)
            wx = fx - x0
            a, b2, c, d = r0[x0], r0[x0 + 1], r1[x0], r1[x0 + 1]
            for k in range(3):
                top = a[k] + (b2[k] - a[k]) * wx
                bottom = c[k] + (d[k] - c[k]) * wx
                row.append(clamp(round(top + (bottom - top) * wy)))
        rows.append(row)
    write_png(os.path.join(PICTURES, "background.png"), width, height, rows)


# ---------------------------------------------------------------- resources


def write_qrc():
    names = sorted(os.listdir(PICTURES))
    lines = ['<!DOCTYPE RCC><RCC version="1.0">', "<qresource>", "    <file>kavalto.png</file>"]
    lines += ["    <file>pictures/%s</file>" % n for n in names if n.endswith(".png")]
    lines += ["</qresource>", "</RCC>", ""]
    with open(os.path.join(ASSETS, "kavalto.qrc"), "w") as f:
        f.write("\n".join(lines))


def main():
    os.makedirs(PICTURES, exist_ok=True)
    make_gradient()
    make_frame_corners()
    make_check_marks()
    make_option_marks()
    make_menu_marker()
    make_scroll_pieces()
    make_icons()
    make_logo()
    make_application_icon()
    make_background()
    write_qrc()


if __name__ == "__main__":
    main()
