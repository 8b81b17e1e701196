#!/usr/bin/env python3
"""Draws Zelmora's pictures: the windows' pictures as binary PPM, the window
icon as PAM with alpha, the desktop icons as PNG with alpha and as SVG, and the
help page's pictures as JPEG.

Each picture is a scene in unit coordinates (0..1 across and down), so any
size can be rendered; a scene gives None where it is transparent. Every pixel
averages 6 x 6 samples for smooth edges, and is laid over a background colour
where the file has no alpha. Run it from this folder after changing a scene;
the build embeds the PPM, PAM and JPEG files.
"""
import math
import struct
import subprocess
import sys
import zlib

GREY = (192, 192, 192)          # the toolkit's default background
WHITE = (255, 255, 255)         # the exported page's background
GREEN = (7, 137, 48)
YELLOW = (252, 221, 9)
RED = (218, 18, 26)
BLUE = (15, 71, 175)
STAR = (252, 221, 9)
OCEAN = (38, 110, 201)
OCEAN_DARK = (18, 60, 140)
LAND = (64, 160, 70)
GRID = (225, 235, 250)
INK = (40, 40, 40)
PAPER = (252, 252, 248)


def star_points(cx, cy, outer, inner):
    pts = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def in_polygon(x, y, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def in_round_rect(x, y, x0, y0, x1, y1, r):
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


STAR_SHAPE = star_points(0.5, 0.5, 0.17, 0.068)


def flag(x, y):
    """Green, yellow and red bands with a blue disc and a yellow star."""
    if x < 0.03 or x > 0.97 or y < 0.03 or y > 0.97:
        return INK
    if (x - 0.5) ** 2 + (y - 0.5) ** 2 <= 0.22 ** 2:
        return STAR if in_polygon(x, y, STAR_SHAPE) else BLUE
    return GREEN if y < 1 / 3 else YELLOW if y < 2 / 3 else RED


def globe_at(x, y, cx, cy, r):
    """A globe of radius r at (cx, cy): ocean, land, a graticule; None outside."""
    dx, dy = (x - cx) / r, (y - cy) / r
    d2 = dx * dx + dy * dy
    if d2 > 1:
        return None
    if d2 > 0.86:
        return OCEAN_DARK
    lat = math.asin(max(-1.0, min(1.0, dy)))
    lon = math.asin(max(-1.0, min(1.0, dx / math.cos(lat)))) if abs(math.cos(lat)) > 1e-6 else 0
    land = ((dx + 0.35) ** 2 / 0.09 + (dy + 0.25) ** 2 / 0.16 < 1
            or (dx + 0.15) ** 2 / 0.05 + (dy - 0.45) ** 2 / 0.09 < 1
            or (dx - 0.42) ** 2 / 0.07 + (dy + 0.05) ** 2 / 0.22 < 1)
    on_grid = (abs(math.sin(lat * 3)) < 0.12) or (abs(math.sin(lon * 3)) < 0.10)
    shade = 1.0 - 0.35 * max(0.0, dx + dy) / 1.5
    base = LAND if land else OCEAN
    if on_grid:
        base = tuple((b + g) // 2 for b, g in zip(base, GRID))
    return tuple(int(c * shade) for c in base)


def globe(x, y):
    return globe_at(x, y, 0.5, 0.5, 0.46)


def calendar_page(x, y, x0, y0, x1, y1, header_bands, highlight):
    """A page with a coloured header, two binding rings and a 7 x 4 day grid."""
    if not in_round_rect(x, y, x0, y0, x1, y1, 0.06 * (x1 - x0)):
        return None
    w, h = x1 - x0, y1 - y0
    head = y0 + 0.26 * h
    if y < head:
        band = int((y - y0) / (head - y0) * len(header_bands))
        return header_bands[min(band, len(header_bands) - 1)]
    for ring in (0.3, 0.7):
        if abs(x - (x0 + ring * w)) < 0.035 * w and y < head + 0.06 * h:
            return INK
    gx, gy = (x - x0 - 0.06 * w) / (0.88 * w), (y - head - 0.1 * h) / (0.58 * h)
    if 0 <= gx < 1 and 0 <= gy < 1:
        col, row = int(gx * 7), int(gy * 4)
        fx, fy = gx * 7 - col, gy * 4 - row
        if fx < 0.78 and fy < 0.72:
            if (col, row) == highlight:
                return YELLOW
            return RED if col == 0 else (150, 150, 150)
    edge = min(x - x0, x1 - x, y - y0, y1 - y)
    return INK if edge < 0.025 * w else PAPER


def logo(x, y):
    """A globe in a green, yellow and red ring over a calendar page, all of it
    a few pixels inside the frame."""
    cx, cy = 0.38, 0.38
    d = math.hypot(x - cx, y - cy)
    if 0.27 <= d <= 0.34:
        a = (math.degrees(math.atan2(y - cy, x - cx)) + 360 + 90) % 360
        return GREEN if a < 120 else YELLOW if a < 240 else RED
    g = globe_at(x, y, cx, cy, 0.26)
    if g:
        return g
    return calendar_page(x, y, 0.44, 0.40, 0.95, 0.95, [RED], (4, 2))


ICON_PAGE = (0.04, 0.06, 0.96, 0.96)
ICON_BANDS = [GREEN, YELLOW, RED]
ICON_HIGHLIGHT = (3, 1)
ICON_DISC = (0.76, 0.76, 0.2)
ICON_STAR = star_points(0.76, 0.76, 0.15, 0.06)


def icon(x, y):
    """The window icon: a calendar page under the three colours, with the star."""
    cx, cy, r = ICON_DISC
    if (x - cx) ** 2 + (y - cy) ** 2 <= r ** 2:
        return STAR if in_polygon(x, y, ICON_STAR) else BLUE
    return calendar_page(x, y, *ICON_PAGE, ICON_BANDS, ICON_HIGHLIGHT)


def vemra(x, y):
    """The help page's banner: the flag beside the globe over a calendar page."""
    g = globe_at(x, y, 0.72, 0.36, 0.25)
    if g:
        return g
    if 0.06 <= x <= 0.44 and 0.12 <= y <= 0.40:
        return flag((x - 0.06) / 0.38, (y - 0.12) / 0.28)
    return calendar_page(x, y, 0.08, 0.46, 0.92, 0.96, [GREEN, YELLOW, RED], (5, 2))


def render(scene, size, samples=6, background=None):
    """Rows of RGB pixels laid over background, or of RGBA pixels without one."""
    rows = []
    n = samples ** 2
    for py in range(size):
        row = bytearray()
        for px in range(size):
            acc, covered = [0, 0, 0], 0
            for sy in range(samples):
                for sx in range(samples):
                    c = scene((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    if c is not None:
                        covered += 1
                        for i in range(3):
                            acc[i] += c[i]
            if background is not None:
                row += bytes(round((acc[i] + (n - covered) * background[i]) / n) for i in range(3))
            elif covered:
                row += bytes(round(a / covered) for a in acc) + bytes([round(255 * covered / n)])
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def write_ppm(path, rows):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (len(rows[0]) // 3, len(rows)))
        for row in rows:
            f.write(row)


def write_pam(path, rows):
    with open(path, "wb") as f:
        f.write(b"P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
                % (len(rows[0]) // 4, len(rows)))
        for row in rows:
            f.write(row)


def write_png(path, rows):
    """An RGBA PNG."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\x00" + row for row in rows)
    header = struct.pack(">IIBBBBB", len(rows[0]) // 4, len(rows), 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def hex_colour(c):
    return "#%02x%02x%02x" % c


def icon_svg():
    """The icon scene drawn as vectors on a 256 x 256 canvas, shape for shape."""
    k = 256
    x0, y0, x1, y1 = (v * k for v in ICON_PAGE)
    w, h = x1 - x0, y1 - y0
    r, ink = 0.06 * w, 0.025 * w
    head = y0 + 0.26 * h
    band = (head - y0) / len(ICON_BANDS)
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (k, k, k, k),
        '<clipPath id="page"><rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" rx="%.2f"/></clipPath>'
        % (x0, y0, w, h, r),
        '<rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" rx="%.2f" fill="%s"/>' % (x0, y0, w, h, r, hex_colour(INK)),
        '<rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" rx="%.2f" fill="%s"/>'
        % (x0 + ink, y0 + ink, w - 2 * ink, h - 2 * ink, r - ink, hex_colour(PAPER)),
        '<g clip-path="url(#page)">',
    ]
    for i, colour in enumerate(ICON_BANDS):
        parts.append('<rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" fill="%s"/>'
                     % (x0, y0 + i * band, w, band + (0.5 if i + 1 < len(ICON_BANDS) else 0), hex_colour(colour)))
    parts.append("</g>")
    for ring in (0.3, 0.7):
        parts.append('<rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" fill="%s"/>'
                     % (x0 + (ring - 0.035) * w, head, 0.07 * w, 0.06 * h, hex_colour(INK)))
    cell_w, cell_h = 0.88 * w / 7, 0.58 * h / 4
    for row in range(4):
        for col in range(7):
            colour = YELLOW if (col, row) == ICON_HIGHLIGHT else RED if col == 0 else (150, 150, 150)
            parts.append('<rect x="%.2f" y="%.2f" width="%.2f" height="%.2f" fill="%s"/>'
                         % (x0 + 0.06 * w + col * cell_w, head + 0.1 * h + row * cell_h, 0.78 * cell_w,
                            0.72 * cell_h, hex_colour(colour)))
    cx, cy, radius = ICON_DISC
    parts.append('<circle cx="%.2f" cy="%.2f" r="%.2f" fill="%s"/>' % (cx * k, cy * k, radius * k, hex_colour(BLUE)))
    points = " ".join("%.2f,%.2f" % (px * k, py * k) for px, py in ICON_STAR)
    parts.append('<polygon points="%s" fill="%s"/>' % (points, hex_colour(STAR)))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main():
    write_ppm("flag.ppm", render(flag, 32, background=GREY))
    write_ppm("globe.ppm", render(globe, 32, background=GREY))
    write_ppm("logo.ppm", render(logo, 64, background=GREY))
    write_pam("icon.pam", render(icon, 64))
    for size in (48, 64, 256):
        write_png("zelmora-%d.png" % size, render(icon, size, samples=6 if size < 256 else 3))
    with open("zelmora.svg", "w") as f:
        f.write(icon_svg())
    # The help page's pictures, as JPEG through ImageMagick, on the page's white.
    for name, scene, size in (("vemra", vemra, 160), ("tolun", logo, 64)):
        write_ppm("/tmp/%s.ppm" % name, render(scene, size, background=WHITE))
        subprocess.run(["convert", "/tmp/%s.ppm" % name, "-quality", "90", "help/%s.jpg" % name], check=True)


if __name__ == "__main__":
    sys.exit(main())
