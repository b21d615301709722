#!/usr/bin/env python3
"""Writes the small pictures the reader tests load, and expected.txt, what each must give:

    <file> <width> <height> <tolerance> x,y=RRGGBBAA ...   decodes to these pixels
    <file> <width> <height> metafile                        a sound metafile of this frame
    <file> error <kind>                                     refused with this kind of error

Run it from anywhere; it needs python3, cjpeg and convert. Usage: make_fixtures.py [OUT_DIR]"""
import os
import struct
import subprocess
import sys
import zlib

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "fixtures")
RED, GREEN, BLUE, WHITE, BLACK = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (0, 0, 0)
COLOURS = [RED, GREEN, BLUE, WHITE]
expected = []


def index_at(x, y):
    return (x + 2 * y) % 4


def save(name, data):
    path = os.path.join(OUT, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def expect(name, w, h, pixels, tolerance=0):
    checks = " ".join("%d,%d=%02x%02x%02x%02x" % (x, y, *rgba) for (x, y), rgba in pixels.items())
    expected.append("%s %d %d %d %s" % (name, w, h, tolerance, checks))


def expect_error(name, kind):
    expected.append("%s error %s" % (name, kind))


def corners(w, h, colour_of):
    return {(x, y): colour_of(x, y) for x, y in [(0, 0), (1, 0), (w - 1, 0), (2, 1), (0, h - 1), (w - 1, h - 1)]}


def opaque(rgb):
    return (*rgb, 255)


# ---------------------------------------------------------------- BMP
BW, BH = 7, 5


def bmp_file(info, palette, rows, top_down=False, extra=b""):
    """rows: stored rows (bottom-up unless top_down), already packed."""
    pixels = b"".join(r + b"\0" * (-len(r) % 4) for r in rows)
    offset = 14 + len(info) + len(extra) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + extra + palette + pixels


def info_header(w, h, bits, compression=0, colours=0, size=40, masks=()):
    header = struct.pack("<IiiHHIIiiII", size, w, h, 1, bits, compression, 0, 2835, 2835, colours, 0)
    header += b"".join(struct.pack("<I", m) for m in masks)
    return header + b"\0" * (size - len(header))


def pack_indices(indices, bits):
    out, acc, n = bytearray(), 0, 0
    for i in indices:
        acc, n = (acc << bits) | i, n + bits
        if n == 8:
            out.append(acc)
            acc, n = 0, 0
    if n:
        out.append(acc << (8 - n))
    return bytes(out)


def palette4(colours, entry=4):
    return b"".join(bytes((b, g, r)) + b"\0" * (entry - 3) for r, g, b in colours)


def stored_rows(w, h, row_of, top_down=False):
    order = range(h) if top_down else reversed(range(h))
    return [row_of(y) for y in order]


def make_bmps():
    pattern = lambda x, y: opaque(COLOURS[index_at(x, y)])
    indexed = lambda bits: lambda y: pack_indices([index_at(x, y) for x in range(BW)], bits)
    for bits in (4, 8):
        name = "bmp/%dbit_short_palette.bmp" % bits
        save(name, bmp_file(info_header(BW, BH, bits, colours=4), palette4(COLOURS), stored_rows(BW, BH, indexed(bits))))
        expect(name, BW, BH, corners(BW, BH, pattern))
    name = "bmp/8bit_top_down.bmp"
    save(name, bmp_file(info_header(BW, -BH, 8, colours=4), palette4(COLOURS), stored_rows(BW, BH, indexed(8), True)))
    expect(name, BW, BH, corners(BW, BH, pattern))
    two = [RED, GREEN]
    name = "bmp/1bit.bmp"
    save(name, bmp_file(info_header(BW, BH, 1, colours=2), palette4(two), stored_rows(BW, BH, lambda y: pack_indices([index_at(x, y) % 2 for x in range(BW)], 1))))
    expect(name, BW, BH, corners(BW, BH, lambda x, y: opaque(two[index_at(x, y) % 2])))
    name = "bmp/8bit_index_past_palette.bmp"
    save(name, bmp_file(info_header(BW, BH, 8, colours=2), palette4(two), stored_rows(BW, BH, indexed(8))))
    expect(name, BW, BH, corners(BW, BH, lambda x, y: opaque(two[index_at(x, y)] if index_at(x, y) < 2 else BLACK)))

    rgb_row = lambda y: b"".join(bytes(COLOURS[index_at(x, y)][::-1]) for x in range(BW))
    name = "bmp/24bit.bmp"
    save(name, bmp_file(info_header(BW, BH, 24), b"", stored_rows(BW, BH, rgb_row)))
    expect(name, BW, BH, corners(BW, BH, pattern))
    name = "bmp/32bit_alpha_ignored.bmp"
    save(name, bmp_file(info_header(BW, BH, 32), b"", stored_rows(BW, BH, lambda y: b"".join(bytes(COLOURS[index_at(x, y)][::-1]) + b"\0" for x in range(BW)))))
    expect(name, BW, BH, corners(BW, BH, pattern))

    def pack16(rgb, rbits, gbits, bbits):
        r, g, b = (c * ((1 << n) - 1) // 255 for c, n in zip(rgb, (rbits, gbits, bbits)))
        return struct.pack("<H", (r << (gbits + bbits)) | (g << bbits) | b)
    name = "bmp/16bit_555.bmp"
    save(name, bmp_file(info_header(BW, BH, 16), b"", stored_rows(BW, BH, lambda y: b"".join(pack16(COLOURS[index_at(x, y)], 5, 5, 5) for x in range(BW)))))
    expect(name, BW, BH, corners(BW, BH, pattern))
    name = "bmp/16bit_565_bitfields.bmp"
    save(name, bmp_file(info_header(BW, BH, 16, compression=3), b"", stored_rows(BW, BH, lambda y: b"".join(pack16(COLOURS[index_at(x, y)], 5, 6, 5) for x in range(BW))), extra=struct.pack("<III", 0xF800, 0x07E0, 0x001F)))
    expect(name, BW, BH, corners(BW, BH, pattern))

    alpha = lambda i: 128 if i == 3 else 255
    name = "bmp/32bit_v5_alpha.bmp"
    v5 = info_header(BW, BH, 32, compression=3, size=124, masks=(0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000))
    save(name, bmp_file(v5, b"", stored_rows(BW, BH, lambda y: b"".join(bytes(COLOURS[index_at(x, y)][::-1]) + bytes((alpha(index_at(x, y)),)) for x in range(BW)))))
    expect(name, BW, BH, corners(BW, BH, lambda x, y: (*COLOURS[index_at(x, y)], alpha(index_at(x, y)))))

    core = struct.pack("<IHHHH", 12, BW, BH, 1, 8)
    name = "bmp/os2_core_8bit.bmp"
    save(name, bmp_file(core, palette4(COLOURS, 3), stored_rows(BW, BH, indexed(8))))
    expect(name, BW, BH, corners(BW, BH, pattern))
    name = "bmp/os2_core_24bit.bmp"
    save(name, bmp_file(struct.pack("<IHHHH", 12, BW, BH, 1, 24), b"", stored_rows(BW, BH, rgb_row)))
    expect(name, BW, BH, corners(BW, BH, pattern))

    # Bottom-up runs; the delta leaves two pixels at index 0 and the empty row stays index 0.
    rle8 = bytes([7, 2, 0, 0,  0, 3, 0, 1, 2, 0,  4, 3, 0, 0,  2, 1, 0, 2, 2, 0, 3, 1, 0, 0,  0, 0,  7, 3, 0, 1])
    rle4 = bytes([7, 0x22, 0, 0,  0, 3, 0x01, 0x20, 4, 0x33, 0, 0,  2, 0x11, 0, 2, 2, 0, 3, 0x11, 0, 0,  0, 0,  7, 0x33, 0, 1])
    rows = [[WHITE] * 7, [RED] * 7, [GREEN, GREEN, RED, RED, GREEN, GREEN, GREEN], [RED, GREEN, BLUE] + [WHITE] * 4, [BLUE] * 7]
    for bits, data, compression in ((8, rle8, 1), (4, rle4, 2)):
        name = "bmp/rle%d.bmp" % bits
        info = info_header(BW, BH, bits, compression=compression, colours=4)
        offset = 14 + len(info) + 16
        save(name, b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + info + palette4(COLOURS) + data)
        expect(name, BW, BH, {(x, y): opaque(rows[y][x]) for x, y in [(0, 0), (0, 1), (2, 2), (4, 2), (2, 3), (6, 3), (6, 4)]})
    name = "bmp/pixels_cut_short.bmp"
    save(name, bmp_file(info_header(BW, BH, 24), b"", stored_rows(BW, BH, rgb_row))[:-30])
    expect_error(name, "damaged")
    name = "bmp/jpeg_compression.bmp"
    save(name, bmp_file(info_header(BW, BH, 24, compression=4), b"", stored_rows(BW, BH, rgb_row)))
    expect_error(name, "unsupported")


# ---------------------------------------------------------------- PNG
PW, PH = 9, 7


def chunk(kind, data, crc=None):
    crc = zlib.crc32(kind + data) if crc is None else crc
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc & 0xFFFFFFFF)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def filtered(rows, bpp):
    """Each row with filter type (row number % 5), so every filter is exercised."""
    out, above = bytearray(), None
    for n, row in enumerate(rows):
        above = above if above is not None else bytes(len(row))
        kind = n % 5
        line = bytearray()
        for i, v in enumerate(row):
            a = row[i - bpp] if i >= bpp else 0
            b, c = above[i], above[i - bpp] if i >= bpp else 0
            predictor = [0, a, b, (a + b) // 2, paeth(a, b, c)][kind]
            line.append((v - predictor) & 255)
        out += bytes([kind]) + line
        above = row
    return bytes(out)


def png_rows(samples_of, w, h, depth, channels):
    """samples_of(x, y) -> tuple of channel samples; returns packed rows."""
    rows = []
    for y in range(h):
        if depth < 8:
            rows.append(pack_indices([samples_of(x, y)[0] for x in range(w)], depth))
        elif depth == 8:
            rows.append(bytes(s for x in range(w) for s in samples_of(x, y)))
        else:
            rows.append(b"".join(struct.pack(">H", s) for x in range(w) for s in samples_of(x, y)))
    return rows


ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def png_data(samples_of, w, h, depth, channels, interlaced):
    bpp = max(1, depth * channels // 8)
    if not interlaced:
        return filtered(png_rows(samples_of, w, h, depth, channels), bpp)
    data = b""
    for x0, y0, dx, dy in ADAM7:
        pw, ph = len(range(x0, w, dx)), len(range(y0, h, dy))
        if pw and ph:
            data += filtered(png_rows(lambda x, y: samples_of(x0 + x * dx, y0 + y * dy), pw, ph, depth, channels), bpp)
    return data


def png_file(w, h, depth, colour_type, samples_of, extra=b"", interlaced=False, idat_pieces=1):
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]
    ihdr = chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, colour_type, 0, 0, 1 if interlaced else 0))
    compressed = zlib.compress(png_data(samples_of, w, h, depth, channels, interlaced), 9)
    step = -(-len(compressed) // idat_pieces)
    idats = b"".join(chunk(b"IDAT", compressed[i:i + step]) for i in range(0, len(compressed), step))
    return b"\x89PNG\r\n\x1a\n" + ihdr + extra + idats + chunk(b"IEND", b"")


def make_pngs():
    alpha_of = lambda i: 128 if i == 3 else 255
    wide = lambda v, depth: v * 257 if depth == 16 else v
    for depth in (1, 2, 4, 8, 16):
        top = (1 << depth) - 1
        level = lambda i: [0, top // 3, 2 * top // 3, top][i] if depth > 1 else [0, 0, 1, 1][i]
        grey8 = lambda i: (level(i) >> 8) if depth == 16 else level(i) * 255 // top
        for interlaced in (False, True):
            name = "png/grey_%d%s.png" % (depth, "_adam7" if interlaced else "")
            save(name, png_file(PW, PH, depth, 0, lambda x, y: (level(index_at(x, y)),), interlaced=interlaced))
            expect(name, PW, PH, corners(PW, PH, lambda x, y: (grey8(index_at(x, y)),) * 3 + (255,)))
    for depth in (8, 16):
        rgb = lambda x, y: tuple(wide(c, depth) for c in COLOURS[index_at(x, y)])
        for interlaced in (False, True):
            suffix = "_adam7" if interlaced else ""
            name = "png/rgb_%d%s.png" % (depth, suffix)
            save(name, png_file(PW, PH, depth, 2, rgb, interlaced=interlaced))
            expect(name, PW, PH, corners(PW, PH, lambda x, y: opaque(COLOURS[index_at(x, y)])))
            name = "png/rgba_%d%s.png" % (depth, suffix)
            save(name, png_file(PW, PH, depth, 6, lambda x, y: rgb(x, y) + (wide(alpha_of(index_at(x, y)), depth),), interlaced=interlaced))
            expect(name, PW, PH, corners(PW, PH, lambda x, y: (*COLOURS[index_at(x, y)], alpha_of(index_at(x, y)))))
        name = "png/grey_alpha_%d.png" % depth
        save(name, png_file(PW, PH, depth, 4, lambda x, y: (wide(85 * index_at(x, y), depth), wide(alpha_of(index_at(x, y)), depth))))
        expect(name, PW, PH, corners(PW, PH, lambda x, y: (85 * index_at(x, y),) * 3 + (alpha_of(index_at(x, y)),)))
        name = "png/rgb_%d_trns.png" % depth
        key = struct.pack(">HHH", *(wide(c, depth) for c in BLUE))
        save(name, png_file(PW, PH, depth, 2, rgb, extra=chunk(b"tRNS", key)))
        expect(name, PW, PH, corners(PW, PH, lambda x, y: (*COLOURS[index_at(x, y)], 0 if index_at(x, y) == 2 else 255)))
    name = "png/grey_8_trns.png"
    save(name, png_file(PW, PH, 8, 0, lambda x, y: (85 * index_at(x, y),), extra=chunk(b"tRNS", struct.pack(">H", 170))))
    expect(name, PW, PH, corners(PW, PH, lambda x, y: (85 * index_at(x, y),) * 3 + (0 if index_at(x, y) == 2 else 255,)))

    plte = chunk(b"PLTE", b"".join(bytes(c) for c in COLOURS))
    for depth in (1, 2, 4, 8):
        count = 2 if depth == 1 else 4
        index = lambda x, y: index_at(x, y) % count
        for interlaced in (False, True):
            name = "png/palette_%d%s.png" % (depth, "_adam7" if interlaced else "")
            save(name, png_file(PW, PH, depth, 3, lambda x, y: (index(x, y),), extra=plte, interlaced=interlaced))
            expect(name, PW, PH, corners(PW, PH, lambda x, y: opaque(COLOURS[index(x, y)])))
    pattern = lambda x, y: opaque(COLOURS[index_at(x, y)])
    indices = lambda x, y: (index_at(x, y),)
    name = "png/palette_8_trns.png"
    save(name, png_file(PW, PH, 8, 3, indices, extra=plte + chunk(b"tRNS", bytes([255, 200]))))
    expect(name, PW, PH, corners(PW, PH, lambda x, y: (*COLOURS[index_at(x, y)], [255, 200, 255, 255][index_at(x, y)])))
    name = "png/idat_in_pieces.png"
    save(name, png_file(PW, PH, 8, 3, indices, extra=plte, idat_pieces=40))
    expect(name, PW, PH, corners(PW, PH, pattern))
    name = "png/bad_crc_on_text_chunk.png"
    save(name, png_file(PW, PH, 8, 3, indices, extra=plte + chunk(b"tEXt", b"Comment\0hello", crc=1)))
    expect(name, PW, PH, corners(PW, PH, pattern))
    good = png_file(PW, PH, 8, 3, indices, extra=plte)
    name = "png/bytes_after_iend.png"
    save(name, good + b"trailing junk from a download")
    expect(name, PW, PH, corners(PW, PH, pattern))
    name = "png/no_iend.png"
    save(name, good[:-12])
    expect(name, PW, PH, corners(PW, PH, pattern))
    name = "png/bad_crc_on_plte.png"
    save(name, png_file(PW, PH, 8, 3, indices, extra=chunk(b"PLTE", b"".join(bytes(c) for c in COLOURS), crc=1)))
    expect_error(name, "damaged")
    name = "png/image_data_cut_short.png"
    save(name, good[:len(good) - 12 - 20])
    expect_error(name, "damaged")
    name = "png/palette_missing.png"
    save(name, png_file(PW, PH, 8, 3, indices))
    expect_error(name, "damaged")


# ---------------------------------------------------------------- GIF
def lzw_encode(indices, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    bits, nbits, out = 0, 0, bytearray()
    size, next_code, table = min_size + 1, end + 1, {}

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 255)
            bits >>= 8
            nbits -= 8
    emit(clear)
    prefix = None
    for i in indices:
        if prefix is None:
            prefix = i
            continue
        if (prefix, i) in table:
            prefix = table[(prefix, i)]
            continue
        emit(prefix)
        if next_code < 4096:
            table[(prefix, i)] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear)
            table, next_code, size = {}, end + 1, min_size + 1
        prefix = i
    emit(prefix)
    emit(end)
    if nbits:
        out.append(bits & 255)
    return bytes(out)


def sub_blocks(data):
    return b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255)) + b"\0"


def gif_image(x, y, w, h, indices, min_size=2, local=None, interlaced=False):
    flags = (0x40 if interlaced else 0) | ((0x80 | (len(local) // 3).bit_length() - 2) if local else 0)
    if interlaced:
        order = [r for start, step in ((0, 8), (4, 8), (2, 4), (1, 2)) for r in range(start, h, step)]
        indices = [indices[r * w + c] for r in order for c in range(w)]
    return (b"\x2c" + struct.pack("<HHHHB", x, y, w, h, flags) + (local or b"") + bytes([min_size])
            + sub_blocks(lzw_encode(indices, min_size)))


def gif_file(w, h, body, palette=None, version=b"89a", trailer=True):
    flags = (0x80 | (len(palette) // 3).bit_length() - 2) if palette else 0
    return b"GIF" + version + struct.pack("<HHBBB", w, h, flags, 0, 0) + (palette or b"") + body + (b"\x3b" if trailer else b"")


def make_gifs():
    palette = b"".join(bytes(c) for c in COLOURS)
    pattern_indices = [index_at(x, y) for y in range(PH) for x in range(PW)]
    pattern = lambda x, y: opaque(COLOURS[index_at(x, y)])
    name = "gif/87a_global_palette.gif"
    save(name, gif_file(PW, PH, gif_image(0, 0, PW, PH, pattern_indices), palette, b"87a"))
    expect(name, PW, PH, corners(PW, PH, pattern))
    name = "gif/local_palette.gif"
    save(name, gif_file(PW, PH, gif_image(0, 0, PW, PH, pattern_indices, local=palette)))
    expect(name, PW, PH, corners(PW, PH, pattern))
    name = "gif/transparent.gif"
    control = b"\x21\xf9\x04\x01\x00\x00\x03\x00"
    save(name, gif_file(PW, PH, control + gif_image(0, 0, PW, PH, pattern_indices), palette))
    expect(name, PW, PH, corners(PW, PH, lambda x, y: (0, 0, 0, 0) if index_at(x, y) == 3 else pattern(x, y)))
    tall = 19
    tall_indices = [(x + y) % 4 for y in range(tall) for x in range(PW)]
    name = "gif/interlaced.gif"
    save(name, gif_file(PW, tall, gif_image(0, 0, PW, tall, tall_indices, interlaced=True), palette))
    expect(name, PW, tall, {(x, y): opaque(COLOURS[(x + y) % 4]) for x, y in [(0, 0), (0, 1), (3, 2), (0, 3), (5, 4), (0, 8), (8, 18)]})
    name = "gif/no_trailer.gif"
    save(name, gif_file(PW, PH, gif_image(0, 0, PW, PH, pattern_indices), palette, trailer=False))
    expect(name, PW, PH, corners(PW, PH, pattern))
    name = "gif/garbage_after_image.gif"
    save(name, gif_file(PW, PH, gif_image(0, 0, PW, PH, pattern_indices) + b"\x99broken", palette, trailer=False))
    expect(name, PW, PH, corners(PW, PH, pattern))
    name = "gif/frame_inside_screen.gif"
    save(name, gif_file(PW, PH, gif_image(4, 3, 3, 2, [0, 1, 2, 3, 0, 1]), palette))
    expect(name, PW, PH, {(0, 0): (0, 0, 0, 0), (4, 3): opaque(RED), (6, 3): opaque(BLUE), (4, 4): opaque(WHITE), (7, 4): (0, 0, 0, 0)})
    name = "gif/second_image_ignored.gif"
    save(name, gif_file(PW, PH, gif_image(0, 0, PW, PH, pattern_indices) + gif_image(0, 0, PW, PH, [3] * (PW * PH)), palette))
    expect(name, PW, PH, corners(PW, PH, pattern))
    # Enough distinct strings to fill the 4096-entry table and go on after a clear code, with
    # runs for codes that refer to themselves.
    side = 96
    noise = [((x * 7 + y * 13) ^ (x * y)) % 256 if y % 5 else 17 for y in range(side) for x in range(side)]
    grey_palette = b"".join(bytes((i, i, i)) for i in range(256))
    name = "gif/full_code_table.gif"
    save(name, gif_file(side, side, gif_image(0, 0, side, side, noise, min_size=8), grey_palette))
    expect(name, side, side, {(x, y): (noise[y * side + x],) * 3 + (255,) for x, y in [(0, 0), (5, 1), (95, 94), (50, 61), (11, 77), (90, 6)]})
    whole = gif_file(side, side, gif_image(0, 0, side, side, noise, min_size=8), grey_palette)
    name = "gif/data_cut_short.gif"
    save(name, whole[:len(whole) // 2])
    expect(name, side, side, {(0, 0): (noise[0],) * 3 + (255,), (95, 95): (0, 0, 0, 0)})
    # A code the table does not have yet: decoding stops there, the rest stays transparent.
    bits, nbits, codes = 0, 0, bytearray()
    for code, width in ((4, 3), (1, 3), (2, 3), (3, 3), (15, 4), (0, 4), (0, 4), (5, 4)):
        bits |= code << nbits
        nbits += width
    codes = bits.to_bytes((nbits + 7) // 8, "little")
    name = "gif/code_beyond_table.gif"
    image = b"\x2c" + struct.pack("<HHHHB", 0, 0, 4, 2, 0) + b"\x02" + sub_blocks(codes)
    save(name, gif_file(4, 2, image, palette))
    expect(name, 4, 2, {(0, 0): opaque(GREEN), (1, 0): opaque(BLUE), (2, 0): opaque(WHITE), (3, 0): (0, 0, 0, 0), (0, 1): (0, 0, 0, 0)})
    name = "gif/no_image.gif"
    save(name, gif_file(PW, PH, b"", palette))
    expect_error(name, "damaged")


# ---------------------------------------------------------------- JPEG
JW, JH = 32, 24


def quadrants(x, y):
    return [[RED, GREEN], [BLUE, WHITE]][y * 2 // JH][x * 2 // JW]


def make_jpegs():
    ppm = b"P6\n%d %d\n255\n" % (JW, JH) + bytes(c for y in range(JH) for x in range(JW) for c in quadrants(x, y))
    centres = [(8, 6), (24, 6), (8, 18), (24, 18)]

    def cjpeg(*args):
        return subprocess.run(["cjpeg", "-quality", "95", *args], input=ppm, capture_output=True, check=True).stdout
    baseline = cjpeg()
    for name, data in (("jpeg/baseline.jpg", baseline), ("jpeg/progressive.jpg", cjpeg("-progressive"))):
        save(name, data)
        expect(name, JW, JH, {p: opaque(quadrants(*p)) for p in centres}, tolerance=12)
    name = "jpeg/grey.jpg"
    save(name, cjpeg("-grayscale"))
    luma = lambda rgb: round(0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2])
    expect(name, JW, JH, {p: (luma(quadrants(*p)),) * 3 + (255,) for p in centres}, tolerance=12)
    exif = b"Exif\0\0" + b"II*\0\x08\0\0\0" + b"\x01\0" + struct.pack("<HHII", 0x0112, 3, 1, 6) + b"\0\0\0\0"
    name = "jpeg/exif.jpg"
    save(name, baseline[:2] + b"\xff\xe1" + struct.pack(">H", len(exif) + 2) + exif + baseline[2:])
    expect(name, JW, JH, {p: opaque(quadrants(*p)) for p in centres}, tolerance=12)
    name = "jpeg/cmyk_adobe.jpg"
    cmyk = subprocess.run(["convert", "ppm:-", "-colorspace", "CMYK", "-quality", "95", "jpg:-"], input=ppm, capture_output=True, check=True).stdout
    save(name, cmyk)
    expect(name, JW, JH, {p: opaque(quadrants(*p)) for p in centres}, tolerance=12)
    name = "jpeg/cut_short.jpg"
    scan = baseline.index(b"\xff\xda")
    save(name, baseline[:scan + (len(baseline) - scan) // 3])  # libjpeg fills the rest in grey
    expect(name, JW, JH, {(24, 18): (128, 128, 128, 255)}, tolerance=12)
    name = "jpeg/not_a_jpeg.jpg"
    save(name, b"\xff\xd8\xff\xe0 this is no JPEG")
    expect_error(name, "damaged")


# ---------------------------------------------------------------- WMF and EMF
def wmf_record(function, params=b""):
    return struct.pack("<IH", (6 + len(params)) // 2, function) + params


def wmf_file(records, placeable=None):
    body = b"".join(records) + wmf_record(0)
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, 9 + len(body) // 2, 0, 8, 0)
    data = header + body
    if placeable:
        left, top, right, bottom, inch = placeable
        words = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, left, top, right, bottom, inch, 0)
        checksum = 0
        for (w,) in struct.iter_unpack("<H", words):
            checksum ^= w
        data = words + struct.pack("<H", checksum) + data
    return data


def expect_metafile(name, w, h):
    expected.append("%s %d %d metafile" % (name, w, h))


def emf_file(frame, records=(), device=(1024, 768), mm=(270, 203)):
    body = b"".join(records) + struct.pack("<IIIII", 14, 20, 0, 0, 20)
    header = struct.pack("<II4i4iIIIIHHIIIiiii", 1, 88, 0, 0, 100, 50, *frame, 0x464D4520, 0x10000,
                         88 + len(body), 2 + len(records), 1, 0, 0, 0, 0, *device, *mm)
    return header + body


def make_metafiles():
    line = wmf_record(0x0213, struct.pack("<hh", 40, 80))
    save("wmf/placeable.wmf", wmf_file([wmf_record(0x020C, struct.pack("<hh", 720, 1440)), line], (0, 0, 1440, 720, 1440)))
    expect_metafile("wmf/placeable.wmf", 96, 48)
    save("wmf/plain.wmf", wmf_file([line, wmf_record(0x020C, struct.pack("<hh", 100, 200)), line]))
    expect_metafile("wmf/plain.wmf", 200, 100)
    save("wmf/plain_without_extent.wmf", wmf_file([line]))
    expect_metafile("wmf/plain_without_extent.wmf", 0, 0)
    save("wmf/record_of_size_zero.wmf", wmf_file([line, struct.pack("<IH", 0, 0x0213)]))
    expect_error("wmf/record_of_size_zero.wmf", "damaged")
    save("wmf/record_past_end.wmf", wmf_file([line, struct.pack("<IH", 400, 0x0213)]))
    expect_error("wmf/record_past_end.wmf", "damaged")

    set_extent = struct.pack("<IIii", 9, 16, 100, 50)  # EMR_SETWINDOWEXTEX
    save("emf/picture.emf", emf_file((0, 0, 2645, 1322), [set_extent]))
    expect_metafile("emf/picture.emf", 100, 50)
    save("emf/empty.emf", emf_file((0, 0, 0, 0)))
    expect_metafile("emf/empty.emf", 0, 0)
    save("emf/record_of_size_zero.emf", emf_file((0, 0, 2645, 1322), [set_extent, struct.pack("<II", 9, 0)]))
    expect_error("emf/record_of_size_zero.emf", "damaged")
    save("emf/record_past_end.emf", emf_file((0, 0, 2645, 1322), [struct.pack("<IIii", 9, 4000, 1, 1)]))
    expect_error("emf/record_past_end.emf", "damaged")
    save("emf/not_an_emf.emf", b"\x01\0\0\0" + b"\0" * 100)
    expect_error("emf/not_an_emf.emf", "damaged")


def main():
    make_bmps()
    make_pngs()
    make_gifs()
    make_jpegs()
    make_metafiles()
    with open(os.path.join(OUT, "expected.txt"), "w") as f:
        f.write("\n".join(expected) + "\n")


if __name__ == "__main__":
    main()
