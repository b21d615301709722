"""Small pictures of one solid colour in every format the program reads, made here so the
screenshot test knows what each must show."""

import struct
import subprocess
import zlib


def bmp(width, height, rgb):
    row = bytes((rgb[2], rgb[1], rgb[0])) * width
    row += b"\0" * (-len(row) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def png(width, height, rgb):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    rows = b"".join(b"\0" + bytes(rgb) * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def ppm(width, height, rgb):
    return b"P6 %d %d 255\n" % (width, height) + bytes(rgb) * (width * height)


def jpeg(width, height, rgb):
    return subprocess.run(["cjpeg", "-quality", "95"], input=ppm(width, height, rgb),
                          capture_output=True, check=True).stdout


def gif(width, height, rgb):
    """A two-colour GIF whose LZW data sends a clear code before every pixel, so that every code
    stays 3 bits wide."""
    clear, end = 4, 5
    codes = []
    for _ in range(width * height):
        codes += [clear, 1]
    codes.append(end)
    bits = value = 0
    data = bytearray()
    for code in codes:
        value |= code << bits
        bits += 3
        while bits >= 8:
            data.append(value & 0xFF)
            value >>= 8
            bits -= 8
    if bits:
        data.append(value)
    blocks = b"".join(bytes((len(data[i:i + 255]),)) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    palette = bytes((0, 0, 0)) + bytes(rgb) + bytes(6)
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x81, 0, 0) + palette
            + b"," + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x02" + blocks + b"\0;")


def _colorref(rgb):
    return rgb[0] | rgb[1] << 8 | rgb[2] << 16


def wmf(width, height, rgb):
    """A placeable metafile that fills its frame with a solid brush."""
    def record(function, *params):
        return struct.pack("<IH", 3 + len(params), function) + struct.pack(f"<{len(params)}h", *params)
    colour = _colorref(rgb)
    records = [record(0x020B, 0, 0), record(0x020C, height, width),
               struct.pack("<IHHIh", 7, 0x02FC, 0, colour, 0), record(0x012D, 0),
               record(0x041B, height, width, 0, 0), record(0x0000)]
    body = b"".join(records)
    largest = max(len(r) for r in records) // 2
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, 1, largest, 0)
    words = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, width, height, 96, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", words):
        checksum ^= word
    return words + struct.pack("<H", checksum) + header + body


def emf(width, height, rgb):
    """An enhanced metafile that fills its frame with a solid brush."""
    device, millimetres = (1000, 1000), (264, 264)
    frame = (0, 0, width * 2640 // 100 - 1, height * 2640 // 100 - 1)
    records = [struct.pack("<IIIIII", 39, 24, 1, 0, _colorref(rgb), 0),
               struct.pack("<III", 37, 12, 1),
               struct.pack("<IIiiii", 43, 24, 0, 0, width, height),
               struct.pack("<IIIII", 14, 20, 0, 16, 20)]
    body = b"".join(records)
    header = struct.pack("<II4i4iIIIIHHIIIii ii".replace(" ", ""), 1, 88, 0, 0, width - 1, height - 1,
                         *frame, 0x464D4520, 0x10000, 88 + len(body), len(records) + 1, 2, 0, 0,
                         0, 0, *device, *millimetres)
    return header + body


MAKERS = {"bmp": bmp, "jpg": jpeg, "gif": gif, "png": png, "wmf": wmf, "emf": emf}
