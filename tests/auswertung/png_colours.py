"""png_colours.py <picture.png> <rrggbb>...: checks that a screenshot is not blank and shows
every given colour. Decodes the PNG with zlib alone (8-bit RGB or RGBA, not interlaced)."""
import struct
import sys
import zlib


def pixels(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0, f"unsupported PNG {header}"
    step = 3 if colour == 2 else 4
    raw, stride = zlib.decompress(idat), width * step
    previous, rows = bytearray(stride), []
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - step] if x >= step else 0
            b, c = previous[x], previous[x - step] if x >= step else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line))
        previous = line
    return [tuple(row[x:x + 3]) for row in rows for x in range(0, stride, step)]


def main():
    found = pixels(sys.argv[1])
    counts = {}
    for pixel in found:
        counts[pixel] = counts.get(pixel, 0) + 1
    inked = sum(n for p, n in counts.items() if p != (255, 255, 255))
    print(f"{len(found)} pixels, {inked} not white, {len(counts)} colours")
    if inked < len(found) // 50:
        sys.exit("the picture is (nearly) blank")
    for hex_colour in sys.argv[2:]:
        wanted = tuple(int(hex_colour[i:i + 2], 16) for i in (0, 2, 4))
        if counts.get(wanted, 0) < 200:
            sys.exit(f"colour {hex_colour} is missing or nearly so")


main()
