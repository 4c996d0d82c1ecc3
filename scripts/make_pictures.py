#!/usr/bin/env python3
"""Regenerates the information window's pictures, its link cursor and the program icon.

Needs nothing beyond Python 3's standard library; every encoder is written out here
so the files come out byte for byte the same on every machine. The outputs are
committed, so a build never runs this script:

  src/info_window/pictures/banner.gif  Image1: 405 x 94 GIF89a, 64 colours, 21 frames
  src/info_window/pictures/strip.jpg   Image2: 55 x 171 JFIF JPEG
  src/info_window/pictures/hand.cur    Label1's pointer: 32 x 32, 16 colours, hot spot 12,1
  packaging/icons/dorvantix.ico        16..128 px, each at 4, 24 and 32 bits
  packaging/icons/dorvantix.icns       the same picture for a macOS bundle
  packaging/icons/hicolor/NxN/apps/dorvantix.png   the desktop's icon theme sizes

Usage: python3 scripts/make_pictures.py
"""

import heapq
import math
import struct
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
PICTURES = ROOT / "src" / "info_window" / "pictures"
ICONS = ROOT / "packaging" / "icons"


def write(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    print(f"{path.relative_to(ROOT)}: {len(data)} bytes")


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(x, y, t) for x, y in zip(c1, c2))


# --- The banner: a discounting chart, the highlight stepping from bar to bar ---

BANNER_W, BANNER_H = 405, 94
BANNER_FRAMES = 21
BARS = 21


def banner_palette():
    """64 entries: 0 transparent black, then ramps of teal, gold, grey and green."""
    palette = [(0, 0, 0)]
    ramps = [((8, 40, 60), (90, 210, 230), 16),     # 1..16 teal, dark to bright
             ((90, 60, 0), (255, 220, 90), 16),     # 17..32 gold
             ((40, 40, 40), (255, 255, 255), 16),   # 33..48 grey to white
             ((0, 50, 20), (120, 240, 140), 15)]    # 49..63 green
    for dark, bright, count in ramps:
        for i in range(count):
            palette.append(tuple(round(v) for v in mix(dark, bright, i / (count - 1))))
    assert len(palette) == 64
    return palette


TEAL, GOLD, GREY, GREEN = 1, 17, 33, 49


def bar_box(k):
    """Left, top, right (exclusive) of bar k; heights fall as a sum discounted at 8 %."""
    left = 4 + k * 19
    height = round(82 / 1.08 ** k)
    return left, BANNER_H - 6 - height, left + 14


def banner_frame(frame):
    pixels = bytearray(BANNER_W * BANNER_H)

    def put(x, y, index):
        if 0 <= x < BANNER_W and 0 <= y < BANNER_H:
            pixels[y * BANNER_W + x] = index

    baseline = BANNER_H - 5
    for x in range(BANNER_W):
        put(x, baseline, GREY + 8)
    for k in range(BARS):
        left, top, right = bar_box(k)
        ramp = GOLD if k == frame else TEAL
        for y in range(top, baseline):
            shade = 15 - round(11 * (y - top) / max(1, baseline - top))
            for x in range(left, right):
                put(x, y, ramp + (15 if x == left else shade))
    # The curve through the tops of the bars, a thin green line.
    tops = [(bar_box(k)[0] + 7, bar_box(k)[1] - 3) for k in range(BARS)]
    for (x0, y0), (x1, y1) in zip(tops, tops[1:]):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for s in range(steps + 1):
            x = round(lerp(x0, x1, s / steps))
            y = round(lerp(y0, y1, s / steps))
            put(x, y, GREEN + 14)
            put(x, y - 1, GREEN + 8)
    # A marker over the highlighted bar.
    cx, cy = tops[frame]
    for dy in range(-3, 4):
        for dx in range(-3, 4):
            if dx * dx + dy * dy <= 10:
                put(cx + dx, cy + dy, GREY + 15 if dx * dx + dy * dy <= 2 else GOLD + 12)
    return bytes(pixels)


class LsbBits:
    """Bit packer for GIF's LZW codes: least significant bit first."""

    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, code, width):
        self.acc |= code << self.count
        self.count += width
        while self.count >= 8:
            self.out.append(self.acc & 0xFF)
            self.acc >>= 8
            self.count -= 8

    def flush(self):
        if self.count:
            self.out.append(self.acc & 0xFF)
        return bytes(self.out)


def lzw(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    bits = LsbBits()

    def reset():
        return {bytes([i]): i for i in range(clear)}, min_code_size + 1, end + 1

    table, width, next_code = reset()
    bits.put(clear, width)
    run = bytes([indices[0]])
    for index in indices[1:]:
        longer = run + bytes([index])
        if longer in table:
            run = longer
            continue
        bits.put(table[run], width)
        if next_code < 4096:
            table[longer] = next_code
            # The decoder, one code behind, widens once this code exists.
            if next_code == 1 << width and width < 12:
                width += 1
            next_code += 1
        else:
            bits.put(clear, width)
            table, width, next_code = reset()
        run = bytes([index])
    bits.put(table[run], width)
    if next_code == 1 << width and width < 12:
        width += 1
    bits.put(end, width)
    return bits.flush()


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    return bytes(out + b"\0")


def make_banner():
    palette = banner_palette()
    out = bytearray(b"GIF89a")
    # Global colour table of 2^(5+1) = 64 entries, 6 bits of colour resolution.
    out += struct.pack("<HHBBB", BANNER_W, BANNER_H, 0x80 | (5 << 4) | 5, 0, 0)
    for rgb in palette:
        out += bytes(rgb)
    out += b"\x21\xff\x0bNETSCAPE2.0" + struct.pack("<BBHB", 3, 1, 999, 0)
    for frame in range(BANNER_FRAMES):
        # Disposal 2 (restore to background), transparent index 0, 7/100 s.
        out += b"\x21\xf9\x04" + struct.pack("<BHBB", (2 << 2) | 1, 7, 0, 0)
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, BANNER_W, BANNER_H, 0)
        out += bytes([6]) + sub_blocks(lzw(banner_frame(frame), 6))
    out += b"\x3b"
    return bytes(out)


# --- The strip: a stack of coins on a dark gradient ---

STRIP_W, STRIP_H = 55, 171


def strip_pixel(x, y):
    """Colour at a point of the strip, in pixel units."""
    colour = mix((14, 30, 70), (0, 0, 0), y / STRIP_H)
    cx, rx, ry, thick, step = STRIP_W / 2, 22.0, 6.0, 4.0, 9.5
    bottom = STRIP_H - 10
    count = 16
    for i in range(count):  # bottom coin first, so upper coins cover it
        top = bottom - i * step - thick
        u = (x - cx) / rx
        if abs(u) > 1:
            continue
        half = ry * math.sqrt(1 - u * u)
        if top <= y <= top + thick + half and (y >= top or (y - top) ** 2 <= half * half):
            colour = mix((120, 80, 8), (200, 140, 20), 1 - abs(u))
        if abs(y - top) <= half:
            inner = ((x - cx) / (rx - 4)) ** 2 + ((y - top) / (ry - 1.5)) ** 2
            colour = (250, 205, 70) if inner <= 1 else (215, 160, 30)
            if inner <= 1 and (x - cx) < -6 and (y - top) < 0:
                colour = (255, 235, 150)
    return colour


def supersample(width, height, pixel, n=3):
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            acc = [0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    c = pixel(x + (sx + 0.5) / n, y + (sy + 0.5) / n)
                    for i in range(3):
                        acc[i] += c[i]
            row.append(tuple(min(255, max(0, round(v / (n * n)))) for v in acc))
        rows.append(row)
    return rows


class MsbBits:
    """Bit packer for JPEG entropy data: most significant bit first, 0xFF stuffed."""

    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, value, width):
        for i in range(width - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)
                self.acc = 0
                self.count = 0

    def flush(self):
        if self.count:
            self.put((1 << (8 - self.count)) - 1, 8 - self.count)
        return bytes(self.out)


def zigzag():
    order = []
    for s in range(15):
        rows = range(min(s, 7), max(0, s - 7) - 1, -1) if s % 2 == 0 else range(max(0, s - 7), min(s, 7) + 1)
        order += [r * 8 + (s - r) for r in rows]
    return order


BASE_QUANT = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
              14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
              18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
              49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]


def quant_table(quality):
    scale = 200 - 2 * quality
    return [min(255, max(1, (q * scale + 50) // 100)) for q in BASE_QUANT]


def fdct(block):
    """8 x 8 forward DCT of level-shifted samples, row-major in and out."""
    c = [[(math.sqrt(0.125) if u == 0 else 0.5) * math.cos((2 * x + 1) * u * math.pi / 16)
          for x in range(8)] for u in range(8)]
    rows = [[sum(c[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)] for y in range(8)]
    return [sum(c[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


def magnitude(value):
    """JPEG's size category and the extra bits that follow the Huffman code."""
    size = abs(value).bit_length()
    return size, (value if value >= 0 else value + (1 << size) - 1)


def huffman_table(frequencies):
    """BITS and HUFFVAL of an optimal code of at most 16 bits with no all-ones code."""
    freq = dict(frequencies)
    freq[256] = 1  # reserves the all-ones code, dropped again below
    heap = [(f, s, [s]) for s, f in sorted(freq.items())]
    heapq.heapify(heap)
    length = {s: 0 for s in freq}
    tie = 1000
    while len(heap) > 1:
        f1, _, a = heapq.heappop(heap)
        f2, _, b = heapq.heappop(heap)
        for s in a + b:
            length[s] += 1
        heapq.heappush(heap, (f1 + f2, tie, a + b))
        tie += 1
    bits = [0] * 33
    for s in freq:
        bits[length[s]] += 1
    for i in range(32, 16, -1):  # limit to 16 bits as the standard's annex does
        while bits[i] > 0:
            j = i - 2
            while bits[j] == 0:
                j -= 1
            bits[i] -= 2
            bits[i - 1] += 1
            bits[j + 1] += 2
            bits[j] -= 1
    i = 16
    while bits[i] == 0:
        i -= 1
    bits[i] -= 1
    values = [s for s in sorted(freq, key=lambda s: (length[s], s)) if s != 256]
    codes = {}
    code = 0
    k = 0
    for n in range(1, 17):
        for _ in range(bits[n]):
            codes[values[k]] = (code, n)
            code += 1
            k += 1
        code <<= 1
    return bits[1:17], values, codes


def make_strip():
    rgb = supersample(STRIP_W, STRIP_H, strip_pixel)
    quant = quant_table(92)
    order = zigzag()
    blocks_w, blocks_h = (STRIP_W + 7) // 8, (STRIP_H + 7) // 8

    def sample(component, x, y):
        r, g, b = rgb[min(y, STRIP_H - 1)][min(x, STRIP_W - 1)]
        if component == 0:
            return 0.299 * r + 0.587 * g + 0.114 * b
        if component == 1:
            return -0.168736 * r - 0.331264 * g + 0.5 * b + 128
        return 0.5 * r - 0.418688 * g - 0.081312 * b + 128

    # Quantised coefficients of every block, in scan order (Y, Cb, Cr per MCU).
    blocks = []
    for by in range(blocks_h):
        for bx in range(blocks_w):
            for component in range(3):
                samples = [sample(component, bx * 8 + i % 8, by * 8 + i // 8) - 128 for i in range(64)]
                coefficients = fdct(samples)
                blocks.append((component, [round(coefficients[order[i]] / quant[order[i]]) for i in range(64)]))

    # Symbols first, so the Huffman tables can be fitted to them.
    symbols = []
    previous_dc = [0, 0, 0]
    for component, zz in blocks:
        size, extra = magnitude(zz[0] - previous_dc[component])
        previous_dc[component] = zz[0]
        symbols.append(("dc", size, size, extra))
        run = 0
        for value in zz[1:]:
            if value == 0:
                run += 1
                continue
            while run > 15:
                symbols.append(("ac", 0xF0, 0, 0))
                run -= 16
            size, extra = magnitude(value)
            symbols.append(("ac", (run << 4) | size, size, extra))
            run = 0
        if run:
            symbols.append(("ac", 0x00, 0, 0))

    tables = {}
    for kind in ("dc", "ac"):
        counts = {}
        for k, symbol, _, _ in symbols:
            if k == kind:
                counts[symbol] = counts.get(symbol, 0) + 1
        tables[kind] = huffman_table(counts)

    bits = MsbBits()
    for kind, symbol, size, extra in symbols:
        code, length = tables[kind][2][symbol]
        bits.put(code, length)
        if size:
            bits.put(extra, size)
    scan = bits.flush()

    def segment(marker, payload):
        return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload

    out = bytearray(b"\xff\xd8")
    out += segment(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 0, 1, 1, 0, 0))
    out += segment(0xDB, bytes([0]) + bytes(quant[order[i]] for i in range(64)))
    out += segment(0xC0, struct.pack(">BHHB", 8, STRIP_H, STRIP_W, 3) + bytes([1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0]))
    for table_class, kind in ((0, "dc"), (1, "ac")):
        counts, values, _ = tables[kind]
        out += segment(0xC4, bytes([table_class << 4]) + bytes(counts) + bytes(values))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0]))
    out += scan + b"\xff\xd9"
    return bytes(out)


# --- Label1's pointer: a hand, index finger up ---

# X outline, . white, o light grey shading, b blue cuff, space transparent.
HAND = [
    "                                ",
    "           XXX                  ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...XXX               ",
    "          X...X..XX             ",
    "          X...X...oXXX          ",
    "          X...X...oX..XX        ",
    "          X...X...oX...oX       ",
    "   XXX    X...X...oX...oXX      ",
    "  X...X   X...............X     ",
    "  X....X  X...............X     ",
    "   X....X X...............X     ",
    "    X....XX...............X     ",
    "    X.....................X     ",
    "     X....................X     ",
    "     X...................X      ",
    "      X..................X      ",
    "      X.................oX      ",
    "       X...............oX       ",
    "        X.............ooX       ",
    "        X............ooX        ",
    "         X...........ooX        ",
    "         XXXXXXXXXXXXXXX        ",
    "         XbbbbbbbbbbbbbX        ",
    "         XbbbbbbbbbbbbbX        ",
    "         XbbbbbbbbbbbbbX        ",
    "         XXXXXXXXXXXXXXX        ",
    "                                ",
]
HAND_HOT_SPOT = (12, 1)

# The sixteen colours of the classic 4-bit palette.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
HAND_INDEX = {"X": 0, ".": 15, "o": 7, "b": 12}


def row_bytes(bits_per_pixel, width):
    return ((bits_per_pixel * width + 31) // 32) * 4


def and_mask(opaque, size):
    """1-bit mask, rows bottom-up: 1 where the pixel is transparent."""
    stride = row_bytes(1, size)
    out = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        for x in range(size):
            if not opaque[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def dib(size, bit_count, xor_rows, opaque):
    """A device-independent bitmap as an icon or cursor stores it: height doubled."""
    mask = and_mask(opaque, size)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA16) if bit_count == 4 else b""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bit_count, 0,
                         len(xor_rows) + len(mask), 0, 0, 16 if bit_count == 4 else 0, 0)
    return header + palette + xor_rows + mask


def pack_indices(indices, size):
    stride = row_bytes(4, size)
    out = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        for x in range(size):
            row[x // 2] |= indices[y][x] << (4 if x % 2 == 0 else 0)
        out += row
    return bytes(out)


def make_hand():
    assert len(HAND) == 32 and all(len(row) == 32 for row in HAND)
    indices = [[HAND_INDEX.get(ch, 0) for ch in row] for row in HAND]
    opaque = [[ch != " " for ch in row] for row in HAND]
    image = dib(32, 4, pack_indices(indices, 32), opaque)
    x, y = HAND_HOT_SPOT
    # Type 2 is a cursor; where an icon keeps planes and bit count, a cursor keeps its hot spot.
    return struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, x, y, len(image), 22) + image


# --- The program icon: rising bars on a navy tile ---

def icon_sample(u, v):
    """RGBA of the icon at a point of the unit square (alpha 0..1)."""
    inset, radius = 0.04, 0.2
    dx = max(inset + radius - u, 0, u - (1 - inset - radius))
    dy = max(inset + radius - v, 0, v - (1 - inset - radius))
    if dx * dx + dy * dy > radius * radius:
        return (0, 0, 0, 0.0)
    border = radius - math.sqrt(dx * dx + dy * dy) < 0.035 or min(u - inset, 1 - inset - u, v - inset, 1 - inset - v) < 0.035
    colour = (70, 120, 190) if border else mix((30, 64, 120), (10, 26, 60), v)
    for left, top in ((0.18, 0.56), (0.42, 0.40), (0.66, 0.20)):
        if left <= u <= left + 0.17 and top <= v <= 0.82:
            colour = (255, 236, 140) if u < left + 0.04 else (245, 185, 10)
    return colour + (1.0,)


def render_icon(size, n=4):
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    r, g, b, a = icon_sample((x + (sx + 0.5) / n) / size, (y + (sy + 0.5) / n) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3] / (n * n)
            if acc[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(acc[i] / acc[3]) for i in range(3)) + (round(alpha * 255),))
        pixels.append(row)
    return pixels


def nearest_vga(rgb):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(rgb, VGA16[i])))


def icon_dib(pixels, bit_count):
    size = len(pixels)
    opaque = [[p[3] >= 128 for p in row] for row in pixels]
    if bit_count == 4:
        indices = [[nearest_vga(p[:3]) if p[3] >= 128 else 0 for p in row] for row in pixels]
        return dib(size, 4, pack_indices(indices, size), opaque)
    stride = row_bytes(bit_count, size)
    out = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for r, g, b, a in pixels[y]:
            if bit_count == 32:
                row += bytes((b, g, r, a))
            else:
                row += bytes((b, g, r)) if a >= 128 else bytes(3)
        out += row + bytes(stride - len(row))
    if bit_count == 32:
        opaque = [[p[3] > 0 for p in row] for row in pixels]
    return dib(size, bit_count, bytes(out), opaque)


def make_ico(renders):
    images = []
    for size in (16, 32, 48, 64, 128):
        for bit_count in (4, 24, 32):
            images.append((size, bit_count, icon_dib(renders[size], bit_count)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bit_count, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16 if bit_count == 4 else 0, 0, 1, bit_count, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


def png(pixels):
    size = len(pixels)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def make_icns(renders):
    entries = [(b"icp4", 16), (b"icp5", 32), (b"icp6", 64), (b"ic07", 128), (b"ic08", 256),
               (b"ic11", 32), (b"ic12", 64), (b"ic13", 256)]
    body = b"".join(kind + struct.pack(">I", 8 + len(png(renders[s]))) + png(renders[s]) for kind, s in entries)
    return b"icns" + struct.pack(">I", 8 + len(body)) + body


def main():
    write(PICTURES / "banner.gif", make_banner())
    write(PICTURES / "strip.jpg", make_strip())
    write(PICTURES / "hand.cur", make_hand())
    renders = {size: render_icon(size) for size in (16, 22, 24, 32, 48, 64, 128, 256)}
    write(ICONS / "dorvantix.ico", make_ico(renders))
    write(ICONS / "dorvantix.icns", make_icns(renders))
    for size, pixels in renders.items():
        write(ICONS / "hicolor" / f"{size}x{size}" / "apps" / "dorvantix.png", png(pixels))


if __name__ == "__main__":
    main()
