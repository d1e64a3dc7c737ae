"""Draws Quernel's desktop icons from the window's own pixel art in window/icon/.

Writes quernel-<size>.png for every size of the hicolor theme that the package installs, and
quernel.svg, the 32-pixel picture as squares of a 32-unit grid. The 16-pixel icon is the 16-pixel
art as drawn; the others are the 32-pixel art, each output pixel the average of the art's pixels
that it covers, so whole multiples of 32 stay sharp. The output depends on the art alone: run it
again after changing the art, and commit what it writes.

Usage: script/draw-icons
"""
import pathlib
import re
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent
ART = HERE.parent.parent / "window" / "icon"
SIZES = (16, 24, 32, 48, 64, 128, 256)


def read_xpm(path):
    """The art as rows of (red, green, blue, alpha) tuples."""
    strings = re.findall(r'"([^"]*)"', path.read_text())
    width, height, colour_count, chars = map(int, strings[0].split()[:4])
    palette = {}
    for entry in strings[1 : 1 + colour_count]:
        key, value = entry[:chars], entry[chars:].split()[-1]
        palette[key] = (0, 0, 0, 0) if value == "None" else (
            int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)
    rows = strings[1 + colour_count : 1 + colour_count + height]
    return [[palette[row[x * chars : (x + 1) * chars]] for x in range(width)] for row in rows]


def scale(art, size):
    """Area-weighted resampling with premultiplied alpha, so transparent pixels add no colour."""
    source = len(art)
    step = source / size
    image = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(int(y * step), min(source, int((y + 1) * step + 0.999999))):
                cover_y = min(sy + 1, (y + 1) * step) - max(sy, y * step)
                for sx in range(int(x * step), min(source, int((x + 1) * step + 0.999999))):
                    cover = cover_y * (min(sx + 1, (x + 1) * step) - max(sx, x * step))
                    red, green, blue, alpha = art[sy][sx]
                    weight = cover * alpha / 255
                    total[0] += red * weight
                    total[1] += green * weight
                    total[2] += blue * weight
                    total[3] += weight
            area = step * step
            alpha = total[3] / area
            if total[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(channel / total[3]) for channel in total[:3])
                           + (round(alpha * 255),))
        image.append(row)
    return image


def png(image):
    """An 8-bit RGBA PNG with no time or text chunks, so the bytes depend on the pixels alone."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    height, width = len(image), len(image[0])
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in image)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg(art):
    """The art as squares: each run of one colour along a row, grown down over equal runs."""
    size = len(art)
    taken = [[False] * size for _ in range(size)]
    shapes = []
    for y in range(size):
        x = 0
        while x < size:
            colour = art[y][x]
            if taken[y][x] or colour[3] == 0:
                x += 1
                continue
            end = x
            while end < size and art[y][end] == colour and not taken[y][end]:
                end += 1
            bottom = y + 1
            while bottom < size and all(
                    art[bottom][i] == colour and not taken[bottom][i] for i in range(x, end)):
                bottom += 1
            for row in range(y, bottom):
                for i in range(x, end):
                    taken[row][i] = True
            fill = "#%02x%02x%02x" % colour[:3]
            shapes.append(f'  <rect x="{x}" y="{y}" width="{end - x}" height="{bottom - y}" '
                          f'fill="{fill}"/>\n')
            x = end
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{size * 8}" height="{size * 8}" '
            f'viewBox="0 0 {size} {size}" shape-rendering="crispEdges">\n'
            '  <title>Quernel</title>\n' + "".join(shapes) + "</svg>\n")


def main():
    large = read_xpm(ART / "quernel-32.xpm")
    small = read_xpm(ART / "quernel-16.xpm")
    for size in SIZES:
        art = small if size == len(small) else large
        (HERE / f"quernel-{size}.png").write_bytes(png(scale(art, size)))
    (HERE / "quernel.svg").write_text(svg(large))


if __name__ == "__main__":
    main()
