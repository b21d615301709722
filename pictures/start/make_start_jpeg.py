#!/usr/bin/env python3
"""Draws the built-in start picture: a dusk sky over rolling hills, 1280 x 1024, written as a
progressive JPEG by cjpeg. Usage: make_start_jpeg.py CJPEG OUTPUT.jpg"""
import math
import subprocess
import sys

WIDTH, HEIGHT = 1280, 1024


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def sky(y):
    t = y / (HEIGHT * 0.75)
    top, middle, horizon = (24, 38, 92), (96, 84, 160), (250, 170, 120)
    return mix(top, middle, t / 0.6) if t < 0.6 else mix(middle, horizon, min(1.0, (t - 0.6) / 0.4))


def ridge(x, base, amplitude, period, phase):
    return base + amplitude * math.sin(x / period + phase) + amplitude * 0.4 * math.sin(x / (period * 0.37) + phase * 2)


def main():
    cjpeg, output = sys.argv[1], sys.argv[2]
    sun_x, sun_y = WIDTH * 0.68, HEIGHT * 0.62
    hills = [  # (ridge of each column, colour), far to near
        ([ridge(x, HEIGHT * 0.70, 28, 140, 0.5) for x in range(WIDTH)], (70, 60, 110)),
        ([ridge(x, HEIGHT * 0.80, 36, 210, 2.0) for x in range(WIDTH)], (44, 48, 86)),
        ([ridge(x, HEIGHT * 0.90, 30, 300, 4.1) for x in range(WIDTH)], (22, 30, 52)),
    ]
    rows = bytearray()
    for y in range(HEIGHT):
        base = sky(y)
        for x in range(WIDTH):
            glow = math.exp(-((x - sun_x) ** 2 + (y - sun_y) ** 2) / (2 * 90.0 ** 2))
            r, g, b = mix(base, (255, 236, 190), glow)
            for line, colour in hills:
                if y >= line[x]:
                    shade = min(1.0, (y - line[x]) / 160.0) * 0.35
                    r, g, b = mix(colour, (0, 0, 0), shade)
            rows += bytes((int(r), int(g), int(b)))
    ppm = b"P6\n%d %d\n255\n" % (WIDTH, HEIGHT) + bytes(rows)
    subprocess.run([cjpeg, "-progressive", "-quality", "90", "-outfile", output], input=ppm, check=True)


if __name__ == "__main__":
    main()
