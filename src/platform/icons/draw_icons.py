#!/usr/bin/env python3
"""Draws the toolbar and about-box pictures as small PNG files.

Run it in this folder after changing a picture; the PNG files are kept in the
repository and built into the program as Qt resources. Standard library only.
"""
import math
import struct
import zlib

SAMPLES = 4  # per pixel side, for smooth edges


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r0, r1):
    return lambda x, y: r0 * r0 <= (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1


def polygon(points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y):
                if x < xa + (y - ya) * (xb - xa) / (yb - ya):
                    hit = not hit
        return hit
    return inside


def line(xa, ya, xb, yb, width):
    dx, dy = xb - xa, yb - ya
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return polygon([(xa + nx, ya + ny), (xb + nx, yb + ny), (xb - nx, yb - ny), (xa - nx, ya - ny)])


def render(size, shapes):
    """shapes: list of (inside, (r, g, b, a)); later shapes paint over earlier."""
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    colour = (0, 0, 0, 0)
                    for inside, c in shapes:
                        if inside(x, y):
                            colour = c
                    a = colour[3] / 255.0
                    acc[0] += colour[0] * a
                    acc[1] += colour[1] * a
                    acc[2] += colour[2] * a
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha > 0:
                rgb = [int(round(acc[i] / acc[3])) for i in range(3)]
            else:
                rgb = [0, 0, 0]
            row.append((rgb[0], rgb[1], rgb[2], int(round(alpha * 255))))
        pixels.append(row)
    return pixels


def write_png(path, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


INK = (40, 40, 48, 255)
WHITE = (250, 250, 250, 255)
BLUE = (46, 104, 176, 255)
LIGHT_BLUE = (150, 190, 235, 255)
YELLOW = (236, 188, 64, 255)
DARK_YELLOW = (190, 140, 40, 255)
GREEN = (52, 150, 70, 255)
RED = (200, 56, 48, 255)
GREY = (150, 150, 160, 255)
DARK_GREY = (90, 90, 100, 255)


def open_icon():
    return [
        (polygon([(2, 6), (9, 6), (11, 8), (20, 8), (20, 19), (2, 19)]), DARK_YELLOW),
        (polygon([(5, 11), (23, 11), (19, 20), (1, 20)]), YELLOW),
    ]


def save_icon():
    return [
        (polygon([(3, 3), (19, 3), (21, 5), (21, 21), (3, 21)]), BLUE),
        (rect(7, 3, 17, 9), WHITE),
        (rect(13, 4, 15, 8), DARK_GREY),
        (rect(6, 13, 18, 21), LIGHT_BLUE),
        (rect(8, 15, 16, 16), BLUE),
        (rect(8, 18, 16, 19), BLUE),
    ]


def option_icon():
    shapes = []
    for y, knob in ((6, 15), (12, 8), (18, 13)):
        shapes.append((rect(3, y - 1, 21, y + 1), DARK_GREY))
        shapes.append((circle(knob, y, 3), BLUE))
        shapes.append((circle(knob, y, 1.3), WHITE))
    return shapes


def channel_icon():
    shapes = [(rect(2, 3, 22, 21), INK), (rect(3, 4, 21, 20), WHITE), (rect(3, 4, 21, 8), LIGHT_BLUE)]
    for y in (8, 12, 16):
        shapes.append((rect(3, y, 21, y + 1), GREY))
    shapes.append((rect(8, 4, 9, 20), GREY))
    return shapes


def dtmf_icon():
    shapes = [(rect(4, 1, 20, 23), DARK_GREY), (rect(5, 2, 19, 22), (225, 225, 230, 255))]
    for row in range(4):
        for col in range(3):
            shapes.append((circle(8 + 4 * col, 6 + 4.5 * row, 1.5), BLUE if row < 3 else RED))
    return shapes


def tray(colour):
    return [
        (rect(3, 17, 21, 21), DARK_GREY),
        (rect(4, 17, 20, 19), colour),
    ]


def read_icon():
    return tray(LIGHT_BLUE) + [
        (rect(10, 2, 14, 10), GREEN),
        (polygon([(6, 9), (18, 9), (12, 16)]), GREEN),
    ]


def write_icon():
    return tray(LIGHT_BLUE) + [
        (polygon([(6, 9), (18, 9), (12, 2)]), RED),
        (rect(10, 9, 14, 16), RED),
    ]


def exit_icon():
    return [
        (rect(4, 2, 14, 22), DARK_YELLOW),
        (rect(5, 3, 13, 21), YELLOW),
        (circle(11, 12, 1), INK),
        (rect(13, 10, 19, 14), RED),
        (polygon([(18, 7), (23, 12), (18, 17)]), RED),
    ]


def radio_icon():
    # A mobile radio: a body with a display, a knob and an antenna (32 x 32).
    return [
        (line(25, 3, 25, 12, 2), INK),
        (rect(3, 11, 29, 26), DARK_GREY),
        (rect(4, 12, 28, 25), (70, 70, 80, 255)),
        (rect(6, 14, 18, 19), (120, 200, 140, 255)),
        (circle(23, 18, 3), GREY),
        (rect(6, 21, 9, 23), LIGHT_BLUE),
        (rect(10, 21, 13, 23), LIGHT_BLUE),
        (rect(14, 21, 17, 23), LIGHT_BLUE),
    ]


ICONS = {
    "open": (24, open_icon),
    "save": (24, save_icon),
    "edit_option": (24, option_icon),
    "edit_chann": (24, channel_icon),
    "edit_dtmf": (24, dtmf_icon),
    "read": (24, read_icon),
    "write": (24, write_icon),
    "exit": (24, exit_icon),
    "radio": (32, radio_icon),
}

if __name__ == "__main__":
    for name, (size, shapes) in ICONS.items():
        write_png(name + ".png", render(size, shapes()))
