#!/usr/bin/env python3
"""Draws the profile chooser's pictures: one icon per category and profile icon id named in the
catalogue tables, the default icons and the back button; and the media-list rows' profile
buttons: each profile icon id in its normal ("_nor") and highlighted ("_on") look. Plain Python (zlib + struct), so it
runs anywhere; the PNGs it writes are committed next to this folder.

Usage: make-icons.py CATALOGUE_TABLE_DIR OUTPUT_DIR
"""
import math
import os
import struct
import sys
import zlib

SS = 4  # subsamples per pixel side


def png(path, width, height, pixels):
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw.extend(pixels[y * width + x])
    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def rrect(x0, y0, x1, y1, r):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r0, r1):
    return lambda x, y: r0 * r0 <= (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1


def poly(points):
    def inside(x, y):
        n = len(points)
        c = False
        j = n - 1
        for i in range(n):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                c = not c
            j = i
        return c
    return inside


def line(x0, y0, x1, y1, w):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= (w / 2) ** 2
    return inside


def render(size, layers):
    """layers: list of (shape, (r, g, b, a)) painted in order, in a 0..1 unit square."""
    pixels = []
    for py in range(size[1]):
        for px in range(size[0]):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SS):
                for sx in range(SS):
                    x = (px + (sx + 0.5) / SS) / size[0]
                    y = (py + (sy + 0.5) / SS) / size[1]
                    col = (0, 0, 0, 0)
                    for shape, c in layers:
                        if shape(x, y):
                            a = c[3] / 255.0
                            col = tuple(c[i] * a + col[i] * (1 - a) for i in range(3)) + (c[3] + col[3] * (1 - a),)
                    for i in range(4):
                        acc[i] += col[i]
            n = SS * SS
            alpha = acc[3] / n
            if alpha <= 0:
                pixels.append(bytes(4))
                continue
            # The samples hold colour weighted by coverage: divide it out again.
            colour = [min(255, int(acc[i] / n * 255 / alpha)) for i in range(3)]
            pixels.append(bytes(colour + [int(alpha)]))
    return pixels


WHITE = (255, 255, 255, 255)

PICTOS = {
    "phone": [(rrect(0.34, 0.18, 0.66, 0.82, 0.06), WHITE), (rrect(0.38, 0.26, 0.62, 0.70, 0.01), (0, 0, 0, 90))],
    "tablet": [(rrect(0.24, 0.22, 0.76, 0.78, 0.06), WHITE), (rrect(0.29, 0.28, 0.71, 0.70, 0.01), (0, 0, 0, 90))],
    "tv": [(rrect(0.18, 0.24, 0.82, 0.66, 0.04), WHITE), (poly([(0.42, 0.66), (0.58, 0.66), (0.64, 0.78), (0.36, 0.78)]), WHITE)],
    "disc": [(ring(0.5, 0.5, 0.09, 0.32), WHITE)],
    "web": [(ring(0.5, 0.5, 0.27, 0.33), WHITE), (line(0.2, 0.5, 0.8, 0.5, 0.05), WHITE),
            (line(0.5, 0.18, 0.5, 0.82, 0.05), WHITE), (ring(0.5, 0.5, 0.0, 0.0), WHITE)],
    "film": [(rrect(0.2, 0.26, 0.8, 0.74, 0.03), WHITE)] +
            [(rrect(0.24 + i * 0.11, 0.29, 0.30 + i * 0.11, 0.34, 0.005), (0, 0, 0, 110)) for i in range(5)] +
            [(rrect(0.24 + i * 0.11, 0.66, 0.30 + i * 0.11, 0.71, 0.005), (0, 0, 0, 110)) for i in range(5)],
    "music": [(circle(0.40, 0.68, 0.11), WHITE), (rrect(0.47, 0.22, 0.53, 0.68, 0.01), WHITE),
              (poly([(0.47, 0.22), (0.72, 0.30), (0.72, 0.40), (0.53, 0.33)]), WHITE)],
    "recent": [(ring(0.5, 0.5, 0.24, 0.31), WHITE), (line(0.5, 0.5, 0.5, 0.30, 0.06), WHITE), (line(0.5, 0.5, 0.64, 0.58, 0.06), WHITE)],
    "popular": [(poly([(0.5 + 0.32 * math.sin(k * math.pi / 5) * (1 if k % 2 == 0 else 0.45),
                        0.53 - 0.32 * math.cos(k * math.pi / 5) * (1 if k % 2 == 0 else 0.45)) for k in range(10)]), WHITE)],
    "play": [(poly([(0.38, 0.28), (0.72, 0.5), (0.38, 0.72)]), WHITE)],
}

COLOURS = [(52, 120, 214), (46, 160, 90), (214, 110, 40), (150, 70, 190), (200, 60, 70), (40, 150, 160),
           (120, 120, 130), (210, 160, 30)]


def pictogram(name):
    n = name.lower()
    rules = [("recent", "recent"), ("popular", "popular"), ("backup", "disc"), ("dvd", "disc"), ("music", "music"),
             ("audio", "music"), ("web", "web"), ("youtube", "web"), ("facebook", "web"), ("vimeo", "web"),
             ("tablet", "tablet"), ("ipad", "tablet"), ("kindle", "tablet"), ("tv", "tv"), ("xbox", "tv"),
             ("playstation", "tv"), ("hd", "film"), ("gen_", "film"), ("common", "film"), ("editing", "film"),
             ("phone", "phone"), ("ipod", "phone"), ("mobile", "phone"), ("nexus", "phone"), ("android", "phone"),
             ("devices", "phone"), ("apple", "phone"), ("samsung", "phone"), ("htc", "phone"), ("nokia", "phone"),
             ("motorola", "phone"), ("huawei", "phone"), ("lenovo", "phone"), ("acer", "phone"), ("asus", "phone"),
             ("amazon", "tablet"), ("microsoft", "phone"), ("blackberry", "phone"), ("sony", "tv")]
    for key, picto in rules:
        if key in n:
            return picto
    return "play"


def lit(colour):
    """The highlighted look: the colour a third of the way to white."""
    return tuple(int(c + (255 - c) / 3) for c in colour)


def icon(path, name, size, highlighted=False):
    colour = COLOURS[zlib.crc32(name.encode()) % len(COLOURS)]
    colour = (lit(colour) if highlighted else colour) + (255,)
    layers = [(rrect(0.06, 0.06, 0.94, 0.94, 0.2), colour)] + PICTOS[pictogram(name)]
    png(path, size, size, render((size, size), layers))


def back_button(path, pressed):
    fill = (90, 110, 140, 255) if pressed else (120, 140, 170, 255)
    layers = [(poly([(0.02, 0.5), (0.22, 0.06), (0.96, 0.06), (0.96, 0.94), (0.22, 0.94)]), fill),
              (line(0.45, 0.5, 0.62, 0.26, 0.09), WHITE), (line(0.45, 0.5, 0.62, 0.74, 0.09), WHITE)]
    png(path, 56, 22, render((56, 22), layers))


def names_in(table, column):
    names = set()
    with open(table, encoding="utf-8") as f:
        lines = [l for l in f if l.strip() and not l.startswith("#")]
        header = lines[0].rstrip("\n").split("\t")
        idx = header.index(column)
        for row in lines[1:]:
            cells = row.rstrip("\n").split("\t")
            if len(cells) > idx and cells[idx]:
                names.add(cells[idx])
    return names


def main():
    tables, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    for name in sorted(names_in(os.path.join(tables, "categories.tsv"), "icon")):
        icon(os.path.join(out, name + ".png"), name, 24)
    for table in ("dvd.tsv", "video.tsv"):
        for name in sorted(names_in(os.path.join(tables, table), "icon")):
            icon(os.path.join(out, name + ".png"), name, 32)
            icon(os.path.join(out, name + "_nor.png"), name, 32)
            icon(os.path.join(out, name + "_on.png"), name, 32, True)
    icon(os.path.join(out, "icon_default_nor.png"), "icon_default_nor", 24)
    icon(os.path.join(out, "icon_default_on.png"), "icon_default_nor", 24, True)
    icon(os.path.join(out, "secondary_default.png"), "secondary_default", 24)
    back_button(os.path.join(out, "profile_back_nor.png"), False)
    back_button(os.path.join(out, "profile_back_down.png"), True)


if __name__ == "__main__":
    main()
