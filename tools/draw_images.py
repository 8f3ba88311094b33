#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws Navivor's images -- toolbar icons, the two transformer pictures and the
application icon -- and writes them as PNG files into ui/resources/images/; the
application icon also as the scalable packaging/navivor.svg.

Python 3 standard library only. The images are committed; the build only packs them,
so run this by hand after changing a drawing (the test `images` fails until then):

    python3 tools/draw_images.py            # everything
    python3 tools/draw_images.py toolbar    # only the images whose name starts so

Shapes are signed distance functions (negative inside, never steeper than 1), so a
pixel whose centre lies more than a pixel's half-diagonal from an edge is fully in or
out; only edge pixels are supersampled. Edges on whole pixel coordinates therefore
come out perfectly crisp, which matters for the 16 x 16 toolbar icons.
"""

import math
import multiprocessing
import os
import struct
import sys
import zlib

# --------------------------------------------------------------------------------------
# Shapes: d(x, y) is a 1-Lipschitz signed distance (negative inside), bbox bounds the
# inside. Min/max combinations stay 1-Lipschitz, so the in/out shortcut stays valid.


class Shape:
    bbox = (0.0, 0.0, 0.0, 0.0)

    def d(self, x, y):
        raise NotImplementedError


class Rect(Shape):
    """Axis-aligned rectangle from (x0, y0) to (x1, y1), optional corner radius."""

    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hx, self.hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
        self.r = r
        self.bbox = (x0, y0, x1, y1)

    def d(self, x, y):
        qx = abs(x - self.cx) - self.hx
        qy = abs(y - self.cy) - self.hy
        if qx > 0 and qy > 0:
            return math.hypot(qx, qy) - self.r
        return max(qx, qy) - self.r


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def d(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.m = min(rx, ry)
        self.bbox = (cx - rx, cy - ry, cx + rx, cy + ry)

    def d(self, x, y):
        # Scaled so that the slope never exceeds one; exact enough near the edge.
        return (math.hypot((x - self.cx) / self.rx, (y - self.cy) / self.ry) - 1) * self.m


class Polygon(Shape):
    """A closed polygon (even-odd fill)."""

    def __init__(self, pts):
        self.pts = list(pts)
        self.edges = []
        n = len(pts)
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            self.edges.append((ax, ay, bx, by, ex, ey, ex * ex + ey * ey or 1e-12))
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def d(self, px, py):
        best = 1e30
        inside = False
        for ax, ay, bx, by, ex, ey, l2 in self.edges:
            wx, wy = px - ax, py - ay
            t = (wx * ex + wy * ey) / l2
            if t < 0:
                t = 0
            elif t > 1:
                t = 1
            qx, qy = wx - ex * t, wy - ey * t
            dd = qx * qx + qy * qy
            if dd < best:
                best = dd
            if (ay > py) != (by > py):
                if px < ax + (py - ay) * ex / ey:
                    inside = not inside
        dist = math.sqrt(best)
        return -dist if inside else dist


class Stroke(Shape):
    """A polyline of width w with round ends and joins."""

    def __init__(self, pts, w, closed=False):
        self.pts, self.w, self.closed = list(pts), w, closed
        if closed:
            pts = list(pts) + [pts[0]]
        self.segs = []
        for (ax, ay), (bx, by) in zip(pts, pts[1:]):
            ex, ey = bx - ax, by - ay
            self.segs.append((ax, ay, ex, ey, ex * ex + ey * ey or 1e-12))
        self.h = w / 2
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.bbox = (min(xs) - self.h, min(ys) - self.h, max(xs) + self.h, max(ys) + self.h)

    def d(self, px, py):
        best = 1e30
        for ax, ay, ex, ey, l2 in self.segs:
            wx, wy = px - ax, py - ay
            t = (wx * ex + wy * ey) / l2
            if t < 0:
                t = 0
            elif t > 1:
                t = 1
            qx, qy = wx - ex * t, wy - ey * t
            dd = qx * qx + qy * qy
            if dd < best:
                best = dd
        return math.sqrt(best) - self.h


class Bar(Shape):
    """A straight line of width w with square-cut (butt) ends."""

    def __init__(self, ax, ay, bx, by, w):
        self.pts, self.w = [(ax, ay), (bx, by)], w
        length = math.hypot(bx - ax, by - ay)
        self.ux, self.uy = (bx - ax) / length, (by - ay) / length
        self.cx, self.cy = (ax + bx) / 2, (ay + by) / 2
        self.hl, self.hw = length / 2, w / 2
        e = w / 2
        self.bbox = (min(ax, bx) - e, min(ay, by) - e, max(ax, bx) + e, max(ay, by) + e)

    def d(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        u = abs(dx * self.ux + dy * self.uy) - self.hl
        v = abs(-dx * self.uy + dy * self.ux) - self.hw
        if u > 0 and v > 0:
            return math.hypot(u, v)
        return max(u, v)


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        self.bbox = (min(s.bbox[0] for s in shapes), min(s.bbox[1] for s in shapes),
                     max(s.bbox[2] for s in shapes), max(s.bbox[3] for s in shapes))

    def d(self, x, y):
        return min(s.d(x, y) for s in self.shapes)


class Inter(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        self.bbox = (max(s.bbox[0] for s in shapes), max(s.bbox[1] for s in shapes),
                     min(s.bbox[2] for s in shapes), min(s.bbox[3] for s in shapes))

    def d(self, x, y):
        return max(s.d(x, y) for s in self.shapes)


class Sub(Shape):
    """a with b cut out of it."""

    def __init__(self, a, *b):
        self.a, self.b = a, b
        self.bbox = a.bbox

    def d(self, x, y):
        return max([self.a.d(x, y)] + [-s.d(x, y) for s in self.b])


class Grow(Shape):
    """The shape grown outwards by r (shrunk for negative r)."""

    def __init__(self, s, r):
        self.s, self.r = s, r
        b = s.bbox
        self.bbox = (b[0] - r, b[1] - r, b[2] + r, b[3] + r)

    def d(self, x, y):
        return self.s.d(x, y) - self.r


# --------------------------------------------------------------------------------------
# Paints and colours. Colours are (r, g, b) or (r, g, b, a) with channels 0..1.


def hexc(h, a=1.0):
    h = h.lstrip('#')
    return (int(h[0:2], 16) / 255, int(h[2:4], 16) / 255, int(h[4:6], 16) / 255, a)


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def shade(c, f):
    """Scale the colour's brightness; f > 1 lightens towards white."""
    if f <= 1:
        return (c[0] * f, c[1] * f, c[2] * f, c[3])
    t = min(1.0, f - 1)
    return (c[0] + (1 - c[0]) * t, c[1] + (1 - c[1]) * t, c[2] + (1 - c[2]) * t, c[3])


def with_alpha(c, a):
    return (c[0], c[1], c[2], a)


class Linear:
    """A linear gradient from c0 at (x0, y0) to c1 at (x1, y1); the name is its id in
    an SVG."""

    def __init__(self, x0, y0, x1, y1, c0, c1, name=None):
        self.x0, self.y0 = x0, y0
        self.ends, self.name = (x0, y0, x1, y1), name
        dx, dy = x1 - x0, y1 - y0
        l2 = dx * dx + dy * dy or 1e-12
        self.dx, self.dy = dx / l2, dy / l2
        self.c0, self.c1 = c0, c1

    def __call__(self, x, y):
        t = (x - self.x0) * self.dx + (y - self.y0) * self.dy
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        return mix(self.c0, self.c1, t)


def vgrad(y0, y1, c0, c1, name=None):
    return Linear(0, y0, 0, y1, c0, c1, name)


# --------------------------------------------------------------------------------------
# The canvas keeps premultiplied RGBA floats.

SUB = 4  # edge pixels are sampled SUB x SUB times
EDGE = 0.75  # a pixel centre this far from every edge is fully in or out
_OFFSETS = [(i + 0.5) / SUB for i in range(SUB)]


class Canvas:
    def __init__(self, w, h, background=None):
        self.w, self.h = w, h
        n = w * h
        if background:
            r, g, b, a = background
            self.px = [[r * a, g * a, b * a, a] for _ in range(n)]
        else:
            self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(n)]

    def note(self, text):
        """A comment on what comes next; only an SVG keeps it."""

    def fill(self, shape, paint, opacity=1.0):
        x0, y0, x1, y1 = shape.bbox
        ix0 = max(0, int(math.floor(x0)) - 1)
        iy0 = max(0, int(math.floor(y0)) - 1)
        ix1 = min(self.w, int(math.ceil(x1)) + 1)
        iy1 = min(self.h, int(math.ceil(y1)) + 1)
        solid = not callable(paint)
        if solid:
            paint = paint if len(paint) == 4 else tuple(paint) + (1.0,)
        d = shape.d
        for py in range(iy0, iy1):
            row = py * self.w
            for px in range(ix0, ix1):
                dc = d(px + 0.5, py + 0.5)
                if dc >= EDGE:
                    continue
                if dc <= -EDGE:
                    cov = 1.0
                else:
                    cov = 0.0
                    for oy in _OFFSETS:
                        for ox in _OFFSETS:
                            v = 0.5 - d(px + ox, py + oy) * SUB
                            if v >= 1:
                                cov += 1
                            elif v > 0:
                                cov += v
                    cov /= SUB * SUB
                    if cov <= 0:
                        continue
                col = paint if solid else paint(px + 0.5, py + 0.5)
                a = col[3] * cov * opacity
                p = self.px[row + px]
                k = 1 - a
                p[0] = col[0] * a + p[0] * k
                p[1] = col[1] * a + p[1] * k
                p[2] = col[2] * a + p[2] * k
                p[3] = a + p[3] * k

    def png(self):
        raw = bytearray()
        for y in range(self.h):
            raw.append(0)
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a <= 1e-6:
                    raw += b'\0\0\0\0'
                    continue
                raw += bytes((_byte(r / a), _byte(g / a), _byte(b / a), _byte(a)))

        def chunk(tag, data):
            body = tag + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

        header = struct.pack('>IIBBBBB', self.w, self.h, 8, 6, 0, 0, 0)
        return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
                + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def _byte(v):
    v = int(v * 255 + 0.5)
    return 0 if v < 0 else 255 if v > 255 else v


def _num(v):
    text = ('%.2f' % v).rstrip('0').rstrip('.')
    return '0' if text == '-0' else text


def _points(pts):
    return ' '.join('%s,%s' % (_num(x), _num(y)) for x, y in pts)


def _colour(c):
    return '#%02x%02x%02x' % (_byte(c[0]), _byte(c[1]), _byte(c[2]))


class SvgCanvas:
    """Takes the same fills as Canvas and writes them as SVG elements, for the scalable
    application icon. It knows the shapes and paints that icon is drawn with and refuses
    the others."""

    def __init__(self, w, h, header):
        self.w, self.h, self.header = w, h, header
        self.gradients, self.body = [], []

    def note(self, text):
        self.body.append('<!-- %s -->' % text)

    def fill(self, shape, paint, opacity=1.0):
        if opacity != 1.0:
            raise ValueError('no opacity in an SVG fill')
        if isinstance(shape, Inter):
            # Only a clip that cuts nothing is written, as the clipped shape alone: in the
            # icon the clip is a rectangle whose box holds the clipped shape's box.
            first = shape.shapes[0]
            if shape.bbox != first.bbox:
                raise ValueError('a clip that cuts has no SVG form here')
            shape = first
        if isinstance(paint, Linear):
            if paint.name in (g.name for g in self.gradients):
                raise ValueError('two gradients named %s' % paint.name)
            self.gradients.append(paint)
            colour = 'url(#%s)' % paint.name
            alpha = 1.0
        else:
            colour, alpha = _colour(paint), paint[3] if len(paint) == 4 else 1.0
        if isinstance(shape, (Stroke, Bar)):
            closed = getattr(shape, 'closed', False)
            self.add('polygon' if closed else 'polyline', points=_points(shape.pts), fill='none',
                     stroke=colour, stroke_width=shape.w, stroke_opacity=alpha)
        elif isinstance(shape, Grow) and isinstance(shape.s, Polygon) and shape.r > 0:
            self.add('polygon', points=_points(shape.s.pts), fill=colour, fill_opacity=alpha,
                     stroke=colour, stroke_width=2 * shape.r)
        elif isinstance(shape, Polygon):
            self.add('polygon', points=_points(shape.pts), fill=colour, fill_opacity=alpha)
        elif isinstance(shape, Circle):
            self.add('circle', cx=shape.cx, cy=shape.cy, r=shape.r, fill=colour,
                     fill_opacity=alpha)
        else:
            raise TypeError('no SVG form for %s' % type(shape).__name__)

    def add(self, tag, **attributes):
        text = []
        for key, value in attributes.items():
            if key.endswith('opacity') and value == 1.0:
                continue
            text.append('%s="%s"' % (key.replace('_', '-'),
                                     value if isinstance(value, str) else _num(value)))
        self.body.append('<%s %s/>' % (tag, ' '.join(text)))

    def svg(self):
        stops = ''.join(
            '<linearGradient id="%s" gradientUnits="userSpaceOnUse" x1="%s" y1="%s" x2="%s"'
            ' y2="%s"><stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
            '</linearGradient>'
            % ((g.name,) + tuple(_num(v) for v in g.ends) + (_colour(g.c0), _colour(g.c1)))
            for g in self.gradients)
        lines = ['<?xml version="1.0" encoding="UTF-8"?>', '<!-- %s -->' % self.header,
                 '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d"'
                 ' viewBox="0 0 %d %d" stroke-linejoin="round" stroke-linecap="round">'
                 % (self.w, self.h, self.w, self.h)]
        if stops:
            lines.append('<defs>%s</defs>' % stops)
        return ('\n'.join(lines + self.body + ['</svg>']) + '\n').encode()


# --------------------------------------------------------------------------------------
# Toolbar icons. Drawn on a 16-unit grid scaled by s (1 or 2); whole units are pixel
# edges, so a 1-unit outline is one crisp pixel at 1x and two at 2x.

INK = hexc('#262b33')  # the dark outline every icon shares


def outlined(c, shape, fill, s):
    """The house style: a dark one-unit rim around a gradient body."""
    c.fill(shape, INK)
    c.fill(Grow(shape, -s), fill)


def R(s, x0, y0, x1, y1, r=0.0):
    return Rect(x0 * s, y0 * s, x1 * s, y1 * s, r * s)


def P(s, *pts):
    return Polygon([(x * s, y * s) for x, y in pts])


def pixels(c, s, x0, y0, rows, paint):
    """Hand-placed pixels for shapes too small to draw by outline. paint is one paint or
    a dict from character to paint; '+' and '-' put half and a quarter of the single
    paint, and any character without a paint is left empty."""
    keys = paint if isinstance(paint, dict) else {'#': paint, '+': (paint, 0.5),
                                                  '-': (paint, 0.25)}
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            p = keys.get(ch)
            if p is None:
                continue
            p, k = p if isinstance(p, tuple) and len(p) == 2 else (p, 1.0)
            c.fill(R(s, x0 + i, y0 + j, x0 + i + 1, y0 + j + 1), p, k)


def icon_exit(c, s):
    # A wooden door and a green arrow leaving through it.
    wood = vgrad(1 * s, 15 * s, hexc('#d9a066'), hexc('#9c5f27'))
    outlined(c, R(s, 2, 1, 11, 15), wood, s)
    green = vgrad(3 * s, 14 * s, hexc('#8fe07a'), hexc('#2f8f2f'))
    if s == 1:
        c.fill(R(s, 3, 8, 4, 9), hexc('#ffe27a'))
        # the arrow on whole pixels: 45-degree steps stay sharp where an outline would blur
        pixels(c, s, 5, 2, ['....k......',
                            '....kk.....',
                            '....kgk....',
                            '....kggk...',
                            'kkkkkgggk..',
                            'kggggggggk.',
                            'kgggggggggk',
                            'kggggggggk.',
                            'kkkkkgggk..',
                            '....kggk...',
                            '....kgk....',
                            '....kk.....',
                            '....k......'], {'k': INK, 'g': green})
        return
    for y0, y1 in ((3, 7), (10, 13)):  # recessed panels
        c.fill(R(s, 4, y0, 9, y1), with_alpha(hexc('#7a4516'), 0.35))
        c.fill(R(s, 4, y0, 9, y0 + 0.5), with_alpha(hexc('#5e330d'), 0.5))
    c.fill(Circle(4.5 * s, 8.5 * s, 0.9 * s), hexc('#ffe27a'))
    arrow = Union(R(s, 5, 6, 10, 11), P(s, (9, 2), (15.5, 8.5), (9, 15)))
    outlined(c, arrow, green, s)


def icon_save(c, s):
    # A floppy disk: blue body, metal shutter, white label.
    blue = vgrad(1 * s, 15 * s, hexc('#6fa3e6'), hexc('#2858a0'))
    outlined(c, P(s, (1, 1), (13, 1), (15, 3), (15, 15), (1, 15)), blue, s)
    metal = vgrad(1 * s, 7 * s, hexc('#f2f4f7'), hexc('#a9b2bd'))
    outlined(c, R(s, 4, 1, 12, 7), metal, s)
    c.fill(R(s, 9, 2, 11, 6), INK if s == 1 else hexc('#3a4350'))
    outlined(c, R(s, 3, 9, 13, 15), vgrad(9 * s, 15 * s, hexc('#ffffff'), hexc('#dfe3e8')), s)
    line = hexc('#8fb0dc')
    if s == 1:
        c.fill(R(s, 5, 11, 11, 12), line)
    else:
        c.fill(R(s, 5, 11, 11, 11.5), line)
        c.fill(R(s, 5, 12.5, 11, 13), line)


def icon_font(c, s):
    # "Aa": a bold dark capital and a blue small letter.
    dark = vgrad(1 * s, 15 * s, hexc('#3b4352'), hexc('#141820'))
    blue = vgrad(9 * s, 15 * s, hexc('#3d7ce0'), hexc('#1a4fa8'))
    if s == 1:
        pixels(c, s, 0, 2, ['...###...',
                            '..+###+..',
                            '..##.##..',
                            '..##-##..',
                            '.+#+.+#+.',
                            '.##...##.',
                            '.##...##.',
                            '.#######.',
                            '+#######+',
                            '##-...-##',
                            '##.....##',
                            '##.....##',
                            '##.....##'], dark)
        pixels(c, s, 10, 9, ['-####-',
                             '....##',
                             '-#####',
                             '##..##',
                             '##..##',
                             '-#####'], blue)
        return
    cap = Sub(P(s, (0.5, 15), (4.2, 1.5), (6.3, 1.5), (10, 15), (7.4, 15), (6.52, 11.8),
                (3.98, 11.8), (3.1, 15)),
              P(s, (4.47, 10), (5.25, 7.15), (6.03, 10)))
    c.fill(cap, dark)
    arch = [(12.9 + 1.55 * math.cos(math.radians(a)), 10.55 - 1.55 * math.sin(math.radians(a)))
            for a in range(165, -1, -15)]
    small = Union(Stroke([(x * s, y * s) for x, y in arch], 1.4 * s),
                  R(s, 13.75, 10.55, 15.15, 15),
                  Sub(Ellipse(12.35 * s, 13.25 * s, 2.35 * s, 1.8 * s),
                      Ellipse(12.55 * s, 13.25 * s, 1.1 * s, 0.7 * s)))
    c.fill(small, blue)


def icon_page(c, s):
    # A blank sheet with a folded corner.
    paper = vgrad(1 * s, 15 * s, hexc('#ffffff'), hexc('#dde2e8'))
    outlined(c, P(s, (3, 1), (9, 1), (13, 5), (13, 15), (3, 15)), paper, s)
    fold = P(s, (9, 1), (9, 5), (13, 5))
    c.fill(fold, INK)
    c.fill(Grow(fold, -0.7 * s) if s > 1 else P(s, (10, 3), (10, 4), (11, 4)), hexc('#c3cad3'))


def icon_print(c, s):
    # A grey printer with a sheet going in at the top and one coming out at the front.
    white = vgrad(1 * s, 15 * s, hexc('#ffffff'), hexc('#e3e7ec'))
    outlined(c, R(s, 4, 1, 12, 7), white, s)
    body = vgrad(6 * s, 13 * s, hexc('#e6e9ed'), hexc('#8b949f'))
    outlined(c, R(s, 1, 6, 15, 13, 1 if s > 1 else 0), body, s)
    c.fill(R(s, 3, 9, 13, 10), INK)  # the output slot
    outlined(c, R(s, 4, 10, 12, 15), white, s)
    text = hexc('#9aa6b4')
    if s > 1:
        for y in (11.5, 12.75):
            c.fill(R(s, 5, y, 11, y + 0.5), text)
    else:
        c.fill(R(s, 5, 12, 10, 13), text)
    c.fill(R(s, 12, 7, 13.5, 8) if s > 1 else R(s, 12, 7, 13, 8), hexc('#3ad04a'))


def icon_palette(c, s):
    # A painter's palette with four dabs of paint, for the window colour.
    wood = vgrad(2 * s, 15 * s, hexc('#f6e2b8'), hexc('#cf9e58'))
    dabs = {'r': hexc('#e33b2e'), 'y': hexc('#f7c52b'), 'g': hexc('#3cb043'),
            'b': hexc('#2f6fd8')}
    if s == 1:
        pixels(c, s, 0, 2, ['....kkkkkkk.....',
                            '..kkwwwwwwwkk...',
                            '.kwwyywwwggwwk..',
                            '.kwwyywwwggwwwk.',
                            'kwrrwwwwwwwbbwk.',
                            'kwrrwwwwwwwbbwwk',
                            'kwwwwwwwwwwwwwwk',
                            'kwwwwwwwwkkkwwwk',
                            'kwwwwwwwk...kwwk',
                            '.kwwwwwwk...kwk.',
                            '.kwwwwwwwkkkwwk.',
                            '..kkwwwwwwwwkk..',
                            '....kkkkkkkk....'], dict(dabs, k=INK, w=wood))
        return
    body = Sub(Ellipse(8 * s, 8.5 * s, 7 * s, 6.5 * s), Circle(10.5 * s, 11.5 * s, 1.6 * s),
               Circle(15.5 * s, 11.5 * s, 2.6 * s))
    outlined(c, body, wood, s)
    for (x, y, k) in ((4.5, 8.5, 'r'), (5.5, 5.0, 'y'), (9.0, 4.5, 'g'), (12.0, 6.5, 'b')):
        c.fill(Circle(x * s, y * s, 1.55 * s), INK)
        c.fill(Circle(x * s, y * s, 1.55 * s - 1.0), dabs[k])


def icon_table(c, s):
    # A small grid with a coloured header and coloured cells, for the table colour.
    c.fill(R(s, 1, 1, 14, 14), INK)
    header = vgrad(2 * s, 5 * s, hexc('#9cc0ee'), hexc('#4f7fc0'))
    cells = {(0, 0): header, (1, 0): header, (2, 0): header,
             (0, 1): hexc('#c9d3df'), (0, 2): hexc('#c9d3df'),
             (1, 1): hexc('#ffe066'), (2, 1): hexc('#9be07a'),
             (1, 2): hexc('#9be07a'), (2, 2): hexc('#ffe066')}
    for (i, j), col in cells.items():
        x, y = 2 + 4 * i, 2 + 4 * j
        c.fill(R(s, x, y, x + 3, y + 3), col)


def circle_badge(c, s, top, bottom):
    body = Circle(8 * s, 8 * s, 7 * s)
    outlined(c, body, vgrad(1 * s, 15 * s, hexc(top), hexc(bottom)), s)
    if s > 1:  # a soft gloss on the upper half
        c.fill(Inter(Circle(8 * s, 8 * s, 5.5 * s), R(s, 0, 0, 16, 6.5)), (1, 1, 1, 0.18))


def icon_about(c, s):
    circle_badge(c, s, '#7db4f5', '#1f5cb8')
    white = hexc('#ffffff')
    c.fill(R(s, 7, 3, 9, 5), white)
    c.fill(Union(R(s, 7, 6, 9, 12), R(s, 6, 6, 7, 7), R(s, 6, 12, 10, 13)), white)


def icon_question(c, s):
    circle_badge(c, s, '#8fd86a', '#2e8a22')
    white = hexc('#ffffff')
    if s == 1:
        hook = Union(R(s, 5, 4, 7, 6), R(s, 6, 3, 10, 4), R(s, 9, 4, 11, 7), R(s, 8, 7, 10, 8),
                     R(s, 7, 8, 9, 10))
        c.fill(hook, white)
        c.fill(R(s, 7, 11, 9, 13), white)
    else:
        pts = [(8 + 2.2 * math.cos(a), 5.6 - 2.2 * math.sin(a))
               for a in [math.radians(170 - 15 * i) for i in range(15)]]
        pts += [(8.6, 8.0), (8.0, 8.6), (8.0, 9.6)]
        c.fill(Stroke([(x * s, y * s) for x, y in pts], 2 * s), white)
        c.fill(Circle(8 * s, 11.9 * s, 1.1 * s), white)


# in the order of the toolbar's image list
TOOLBAR = [('exit', icon_exit), ('save', icon_save), ('font', icon_font), ('page', icon_page),
           ('print', icon_print), ('background', icon_palette), ('table', icon_table),
           ('about', icon_about), ('question', icon_question)]


# --------------------------------------------------------------------------------------
# The transformer, in an oblique projection: x to the right, y up, z into the picture.
# Faces at constant z are drawn true to shape; depth recedes up and to the right, so the
# front, top and right faces of a block are the visible ones.


class Proj:
    def __init__(self, kx=0.46, ky=0.30):
        self.kx, self.ky = kx, ky
        self.ox, self.oy, self.s = 0.0, 0.0, 1.0

    def fit(self, points, x0, y0, x1, y1):
        """Scale and place so that the 3D points fill the box (x0, y0)-(x1, y1), centred."""
        us = [x + z * self.kx for x, y, z in points]
        vs = [y + z * self.ky for x, y, z in points]
        self.s = min((x1 - x0) / (max(us) - min(us)), (y1 - y0) / (max(vs) - min(vs)))
        self.ox = (x0 + x1) / 2 - (max(us) + min(us)) / 2 * self.s
        self.oy = (y0 + y1) / 2 + (max(vs) + min(vs)) / 2 * self.s
        return self

    def __call__(self, x, y, z):
        return (self.ox + (x + z * self.kx) * self.s, self.oy - (y + z * self.ky) * self.s)

    def poly(self, pts):
        return Polygon([self(*p) for p in pts])

    def facing(self, n):
        """Whether a surface with outward normal n faces the viewer."""
        return n[0] * self.kx + n[1] * self.ky - n[2] > 1e-9


STEEL = hexc('#7d8794')
COPPER = hexc('#c8702f')
BOBBIN = hexc('#3b3e45')
EDGE_INK = hexc('#20242b')
HIGHLIGHT = (-0.42, 0.48, -0.77)  # the normal that catches the light's reflection


def tone(base, n, gloss=0.0):
    """Flat studio lighting: tops bright, fronts as they are, right sides in shade.
    The squared components blend smoothly round curved surfaces."""
    nx, ny, nz = n
    f = (nx * nx * (0.62 if nx > 0 else 1.05) + ny * ny * (1.28 if ny > 0 else 0.55)
         + nz * nz * (1.0 if nz < 0 else 0.55))
    col = shade(base, f)
    if gloss:
        h = max(0.0, nx * HIGHLIGHT[0] + ny * HIGHLIGHT[1] + nz * HIGHLIGHT[2]) ** 14
        col = mix(col, (1.0, 0.9, 0.75, 1.0), min(1.0, gloss * h))
    return col


def edge_normal(a, b, centre):
    """The unit normal of segment a-b in a plane, pointing away from centre."""
    nx, ny = b[1] - a[1], a[0] - b[0]
    n = math.hypot(nx, ny) or 1.0
    nx, ny = nx / n, ny / n
    mx, my = (a[0] + b[0]) / 2 - centre[0], (a[1] + b[1]) / 2 - centre[1]
    if nx * mx + ny * my < 0:
        nx, ny = -nx, -ny
    return nx, ny


def prism(c, pr, outline, z0, z1, base, lw, lam=0.0):
    """A flat outline in the (x, y) plane stacked from z0 to z1: the visible sides, with a
    line every lam for the laminations, then the front. The outline goes counter-clockwise."""
    n = len(outline)
    sides = []
    for i in range(n):
        (ax, ay), (bx, by) = outline[i], outline[(i + 1) % n]
        nx, ny = by - ay, ax - bx
        length = math.hypot(nx, ny)
        nx, ny = nx / length, ny / length
        if pr.facing((nx, ny, 0)):
            sides.append(((ax + bx) / 2 + (ay + by) / 2, (ax, ay), (bx, by), (nx, ny, 0)))
    sides.sort(key=lambda t: t[0])
    for _, (ax, ay), (bx, by), normal in sides:
        quad = [pr(ax, ay, z0), pr(bx, by, z0), pr(bx, by, z1), pr(ax, ay, z1)]
        c.fill(Polygon(quad), tone(base, normal))
        if lam:
            line = with_alpha(EDGE_INK, 0.38)
            z = z0 + lam
            while z < z1 - lam * 0.5:
                c.fill(Bar(*pr(ax, ay, z), *pr(bx, by, z), max(0.45, lw * 0.45)), line)
                z += lam
        c.fill(Stroke(quad, lw, closed=True), EDGE_INK)
    front = [pr(x, y, z0) for x, y in outline]
    ys = [y for _, y in front]
    lit_front = tone(base, (0, 0, -1))
    c.fill(Polygon(front), vgrad(min(ys), max(ys), lit_front, shade(lit_front, 0.86), 'front'))
    c.fill(Stroke(front, lw, closed=True), EDGE_INK)


def box(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def rounded_loop(u0, u1, v0, v1, r, steps=8):
    """A rounded rectangle in a plane, as a closed list of points."""
    pts = []
    for cu, cv, a0 in ((u1 - r, v0 + r, -90), (u1 - r, v1 - r, 0), (u0 + r, v1 - r, 90),
                       (u0 + r, v0 + r, 180)):
        for i in range(steps + 1):
            a = math.radians(a0 + 90 * i / steps)
            pts.append((cu + r * math.cos(a), cv + r * math.sin(a)))
    return pts


def front_outline(u0, u1, vf, vb, r, steps=10):
    """The front half of a rounded rectangle in the (u, v) plane: from (u1, vb) forward
    round the front corners to (u0, vb); v grows away from the viewer."""
    pts = [(u1, vb)]
    for cu, a0 in ((u1 - r, 0), (u0 + r, -90)):
        for i in range(steps + 1):
            a = math.radians(a0 - 90 * i / steps)
            pts.append((cu + r * math.cos(a), vf + r + r * math.sin(a)))
    pts.append((u0, vb))
    return pts


def swept(c, pr, path, at, centre, base, lw, turns=0.0, gloss=0.0, lo=0.0, hi=0.0,
          closed=False):
    """A surface swept along a straight axis: path is its cross-section, at(p, t) turns a
    cross-section point p and a position t along the axis into 3D, lo..hi the axis range.
    Draws the strips that face the viewer, a line every `turns` along the axis for the
    wire, and the outline."""
    pts = list(path) + ([path[0]] if closed else [])
    visible = []
    for p, q in zip(pts, pts[1:]):
        nu, nv = edge_normal(p, q, centre)
        normal = at((nu, nv), None)
        if not pr.facing(normal):
            visible.append(None)
            continue
        strip = [pr(*at(p, lo)), pr(*at(q, lo)), pr(*at(q, hi)), pr(*at(p, hi))]
        c.fill(Grow(Polygon(strip), 0.3), tone(base, normal, gloss))
        visible.append((p, q))
    # the visible stretch of the cross-section, for the turns and the silhouette
    runs, run = [], []
    for seg in visible:
        if seg:
            run = run or [seg[0]]
            run.append(seg[1])
        elif run:
            runs.append(run)
            run = []
    if run:
        if closed and runs and visible[0]:  # the loop's start falls inside a visible run
            run = run + runs.pop(0)[1:]
        runs.append(run)
    if turns:
        line = with_alpha(shade(base, 0.5), 0.7)
        t = lo + turns
        while t < hi - turns * 0.3:
            for r in runs:
                c.fill(Stroke([pr(*at(p, t)) for p in r], max(0.4, lw * 0.4)), line)
            t += turns
    for r in runs:
        for t in (lo, hi):
            c.fill(Stroke([pr(*at(p, t)) for p in r], lw), EDGE_INK)
        for p in (r[0], r[-1]):
            c.fill(Stroke([pr(*at(p, lo)), pr(*at(p, hi))], lw), EDGE_INK)


def upright_coil(c, pr, x0, x1, y0, y1, zf, r, lw, flange, grow, pitch):
    """The front half of a coil on an upright limb, standing out of the core from z = 0 to
    zf: a bobbin flange at top and bottom and the copper winding between them."""

    def slab(ya, yb, g, base, turns, gloss, what):
        c.note(what)
        path = front_outline(x0 - g, x1 + g, zf - g, 0.0, r + g)
        at = lambda p, y: (p[0], 0.0, p[1]) if y is None else (p[0], y, p[1])
        swept(c, pr, path, at, ((x0 + x1) / 2, zf / 2), base, lw, turns, gloss, ya, yb)
        top = [pr(u, yb, v) for u, v in path]
        c.fill(Polygon(top), tone(base, (0, 1, 0)))
        c.fill(Stroke(top, lw, closed=True), EDGE_INK)

    slab(y0, y0 + flange, grow, BOBBIN, 0, 0.0, 'the lower flange of the bobbin')
    slab(y0 + flange, y1 - flange, 0.0, COPPER, pitch, 0.8, 'the winding')
    slab(y1 - flange, y1, grow, BOBBIN, 0, 0.0, 'the upper flange of the bobbin')


def lying_coil(c, pr, x0, x1, y0, y1, zf, zb, r, lw, flange, grow, hole, pitch):
    """A whole coil on a bobbin lying along x, as it sits before it is slid onto the limb:
    flanges at both ends, the winding between, and the hole for the limb (y and z ranges)
    showing in the right-hand flange."""
    fy0, fy1, fz0, fz1 = y0 - grow, y1 + grow, zf - grow, zb + grow
    prism(c, pr, box(x0, fy0, x0 + flange, fy1), fz0, fz1, BOBBIN, lw)
    loop = rounded_loop(y0, y1, zf, zb, r)
    at = lambda p, x: (0.0, p[0], p[1]) if x is None else (x, p[0], p[1])
    swept(c, pr, loop, at, ((y0 + y1) / 2, (zf + zb) / 2), COPPER, lw, pitch, 0.8,
          x0 + flange, x1 - flange, closed=True)
    prism(c, pr, box(x1 - flange, fy0, x1, fy1), fz0, fz1, BOBBIN, lw)
    (hy0, hy1), (hz0, hz1) = hole
    rim = [pr(x1, hy0, hz0), pr(x1, hy0, hz1), pr(x1, hy1, hz1), pr(x1, hy1, hz0)]
    mouth = Polygon(rim)
    c.fill(mouth, hexc('#15171b'))
    floor = pr.poly([(x1, hy0, hz0), (x1, hy0, hz1), (x0, hy0, hz1), (x0, hy0, hz0)])
    c.fill(Inter(floor, mouth), tone(hexc('#2c2f35'), (0, 1, 0)))
    c.fill(Stroke(rim, lw, closed=True), EDGE_INK)


def wire(c, pts, w, colour, tip, ink_w):
    """A flexible lead along a smooth curve through pts, stripped and tinned at the end."""
    path = catmull(pts, 10)
    c.fill(Stroke(path, w + 2 * ink_w), EDGE_INK)
    c.fill(Stroke(path, w), colour)
    total, cut = 0.0, len(path) - 1
    for i in range(len(path) - 1, 0, -1):
        total += math.dist(path[i], path[i - 1])
        if total >= tip:
            cut = i - 1
            break
    bare = path[cut:]
    c.fill(Stroke(bare, w * 0.75 + 2 * ink_w), EDGE_INK)
    c.fill(Stroke(bare, w * 0.75), hexc('#cfd4da'))
    c.fill(Stroke([(x, y - w * 0.18) for x, y in bare], w * 0.25), (1, 1, 1, 0.8))
    c.fill(Stroke([(x, y - w * 0.22) for x, y in path[:cut + 1]], w * 0.28), (1, 1, 1, 0.4))


def catmull(pts, n):
    out = []
    p = [pts[0]] + list(pts) + [pts[-1]]
    for i in range(1, len(p) - 2):
        p0, p1, p2, p3 = p[i - 1], p[i], p[i + 1], p[i + 2]
        for k in range(n):
            t = k / n
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[j]) + (-p0[j] + p2[j]) * t
                                    + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2
                                    + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3)
                            for j in range(2)))
    out.append(pts[-1])
    return out


def soft_shadow(c, cx, cy, rx, ry, alpha):
    for i in range(10):
        k = 1 - i / 10
        c.fill(Ellipse(cx, cy, rx * (0.5 + 0.5 * k), ry * (0.5 + 0.5 * k)), (0, 0, 0, alpha / 10))


class Core:
    """Proportions of the usual E-I lamination: limbs a wide, the centre limb 2a, windows
    a by 3a; the stack is `depth` thick. The coil fills the windows less `inset` at each
    side, stands out `reach` in front of the stack, and sits on a bobbin whose flanges are
    `flange` thick and stand `grow` proud of the winding; `lam` and `pitch` space the drawn
    laminations and turns (0 for none)."""

    def __init__(self, a, depth, **kw):
        self.a, self.depth = a, depth
        self.W, self.H = 6 * a, 5 * a
        self.reach = kw.get('reach', 0.85 * a)
        self.inset = kw.get('inset', 0.06 * a)
        self.flange = kw.get('flange', 0.12 * a)
        self.grow = kw.get('grow', 0.1 * a)
        self.radius = kw.get('radius', 0.35 * a)
        self.lam = kw.get('lam', depth / 9)
        self.pitch = kw.get('pitch', 0.13 * a)
        self.holes = kw.get('holes', True)


# where each lead leaves the coil, its colour and where its end lies on the table (x, z)
LEADS = ((1.85, hexc('#8a4b1f'), (-0.9, -2.4)), (2.3, hexc('#2f63c4'), (-0.6, -1.4)),
         (3.7, hexc('#d8352a'), (8.0, -1.4)), (4.15, hexc('#f2c230'), (8.3, -2.4)))


def assembled(c, pr, core, lw, leads=True, shadow=True):
    """The transformer standing on its lower yoke, the I at the top."""
    a, D, W, H = core.a, core.depth, core.W, core.H
    zf = -core.reach
    if shadow:
        (x0, y0), (x1, _) = pr(-0.3 * a, 0, -0.8 * a), pr(W + 0.8 * a, 0, D * 0.6)
        soft_shadow(c, (x0 + x1) / 2, y0 - 0.1 * a * pr.s, (x1 - x0) / 2,
                    (D + a) * pr.ky * pr.s * 0.55, 0.3)
    c.note('the core: top and right side with the laminations, then the front')
    prism(c, pr, box(0, 0, W, H), 0, D, STEEL, lw, core.lam)
    c.note('where the I meets the limbs of the E, and the bolt holes')
    seam = max(0.5, lw * 0.6)
    for xa, xb in ((0, a), (5 * a, W)):  # where the I meets the limbs of the E
        (ux, uy), (vx, vy) = pr(xa, 4 * a, 0), pr(xb, 4 * a, 0)
        c.fill(Bar(ux + lw / 2, uy, vx - lw / 2, vy, seam), with_alpha(EDGE_INK, 0.85))
    if core.holes:  # the clamping bolt holes
        for hx, hy in ((a / 2, a / 2), (W - a / 2, a / 2), (a / 2, 4.5 * a), (W - a / 2, 4.5 * a)):
            cx, cy = pr(hx, hy, 0)
            rr = 0.19 * a * pr.s
            c.fill(Circle(cx, cy, rr), EDGE_INK)
            c.fill(Circle(cx - 0.25 * rr, cy - 0.25 * rr, rr - lw), hexc('#4e545e'))
    c.note("the coil's shadow on the core")
    cx0, cx1 = a + core.inset, 5 * a - core.inset
    dx, dy = 0.3 * core.reach, -0.35 * core.reach
    hull = pr.poly([(cx0, a, 0), (cx1, a, 0), (cx1 + dx, a + dy, 0), (cx1 + dx, 4 * a + dy, 0),
                    (cx1, 4 * a, 0), (cx0, 4 * a, 0)])
    c.fill(Inter(hull, pr.poly([(x, y, 0) for x, y in box(0, 0, W, H)])), (0, 0, 0, 0.28))
    flange = core.flange
    upright_coil(c, pr, cx0, cx1, a, 4 * a, zf, core.radius, lw, flange, core.grow, core.pitch)
    if leads:
        yl, zl = a + flange, zf - 0.1 * a
        w = max(1.5, 0.15 * a * pr.s)
        for xs, colour, end in LEADS:
            xs, ex, ez = xs * a, end[0] * a, end[1] * a
            side = -1 if ex < W / 2 else 1
            pts = [pr(xs, yl + 0.2 * a, zl + 0.1 * a), pr(xs, yl - 0.3 * a, zl - 0.25 * a),
                   pr(xs + side * 0.2 * a, 0.04 * a, (zl + ez) / 2),
                   pr(xs + side * 1.5 * a, 0, ez * 0.95),
                   pr((xs + ex) / 2 + side * 1.2 * a, 0, ez * 1.02),
                   pr(ex, 0, ez)]
            wire(c, pts, w, colour, 0.45 * a * pr.s, max(0.7, lw * 0.75))


def assembled_extent(core, leads=True):
    a, D, W, H = core.a, core.depth, core.W, core.H
    pts = [(0, 0, 0), (W, H, D), (0, H, D), (W, 0, 0), (a, a, -core.reach - 0.2 * a)]
    if leads:
        pts += [(x * a, 0, z * a) for _, _, (x, z) in LEADS]
    return pts


def draw_main_picture():
    c = Canvas(240, 150)
    core = Core(16, 40)
    pr = Proj().fit(assembled_extent(core), 8, 6, 232, 144)
    assembled(c, pr, core, 1.2)
    return c


def draw_about_picture():
    # The transformer taken apart: the stack of E's with its limbs towards us, the coil on
    # its bobbin, and the stack of I's that closes the core.
    c = Canvas(260, 160)
    a, D = 15, 30
    reach = a - 1
    x_coil = 4 * a + 0.9 * a
    length = 2.6 * a
    x_i = x_coil + length + 1.6 * a  # clear of the back of the coil
    pr = Proj().fit([(0, 0, 0), (0, 6 * a, D), (x_i + a, 0, 0), (x_i + a, 6 * a, D),
                     (x_coil, a, -reach - 1.5)], 8, 8, 252, 152)
    lw = 1.5
    e_shape = [(0, 0), (4 * a, 0), (4 * a, a), (a, a), (a, 2 * a), (4 * a, 2 * a), (4 * a, 4 * a),
               (a, 4 * a), (a, 5 * a), (4 * a, 5 * a), (4 * a, 6 * a), (0, 6 * a)]
    prism(c, pr, e_shape, 0, D, STEEL, lw, D / 8)
    lying_coil(c, pr, x_coil, x_coil + length, a + 0.6, 5 * a - 0.6, -reach, D + reach,
               0.4 * a, lw, 0.16 * a, 0.5, ((2 * a - 0.5, 4 * a + 0.5), (-0.5, D + 0.5)),
               0.14 * a)
    prism(c, pr, box(x_i, 0, x_i + a, 6 * a), 0, D, STEEL, lw, D / 8)
    return c


def draw_app_icon(size, c=None):
    """The assembled transformer, laid out on whole pixels: the limb width is an eighth of
    the icon and every straight edge falls where a line of width lw stays sharp."""
    c = c or Canvas(size, size)
    if size <= 16:
        return draw_small_app_icon(c)
    a = size // 8
    lw = {32: 1, 48: 1, 64: 2, 128: 3, 256: 5}.get(size, max(1, size // 48))
    laminations = {48: 3, 64: 4, 128: 8, 256: 12}.get(size, 0)
    core = Core(a, 3 * a, reach=2 * round(a / 4), inset=0, flange=max(1, round(0.12 * a)),
                grow=round(0.1 * a), lam=3 * a / laminations if laminations else 0,
                pitch={48: 2, 64: 3, 128: 3, 256: 4}.get(size, 0), holes=size >= 48)
    pr = Proj(kx=0.5, ky=0.5)
    off = 0.5 if lw % 2 else 0.0
    pr.ox = (size - 7.5 * a) // 2 + off
    pr.oy = size - (size - 6.5 * a) // 2 - off
    assembled(c, pr, core, lw, leads=False, shadow=False)
    return c


def draw_small_app_icon(c):
    # At 16 pixels the same view is placed pixel by pixel.
    front = tone(STEEL, (0, 0, -1))
    paint = {'k': EDGE_INK, 'T': tone(STEEL, (0, 1, 0)), 'R': tone(STEEL, (1, 0, 0)),
             'F': vgrad(5, 15, front, shade(front, 0.86)),
             'C': tone(COPPER, (0, 0, -1)), 'c': shade(tone(COPPER, (0, 0, -1)), 0.78),
             'D': tone(COPPER, (0.8, 0, -0.6)), 'd': shade(tone(COPPER, (0.8, 0, -0.6)), 0.78)}
    pixels(c, 1, 0, 0, ['................',
                        '...kkkkkkkkkkkkk',
                        '..kTTTTTTTTTTTkk',
                        '.kTTTTTTTTTTTkRk',
                        'kkkkkkkkkkkkkRRk',
                        'kFFFFFFFFFFFkRRk',
                        'kFFFFFFFFFFFkRRk',
                        'kFkkkkkkkkkFkRRk',
                        'kFkCCCCCCDkFkRRk',
                        'kFkccccccdkFkRRk',
                        'kFkCCCCCCDkFkRRk',
                        'kFkccccccdkFkRRk',
                        'kFkCCCCCCDkFkRRk',
                        'kFkkkkkkkkkFkRk.',
                        'kFFFFFFFFFFFkk..',
                        'kkkkkkkkkkkkk...'], paint)
    return c


# --------------------------------------------------------------------------------------

IMAGES = 'ui/resources/images/'
ICON_HEADER = ("Navivor's application icon: a small transformer on an E-shaped laminated core,"
               " as\n     ui/resources/images/app/navivor-*.png draw it, in an oblique view.")


def toolbar_icon(draw, scale):
    c = Canvas(16 * scale, 16 * scale)
    draw(c, scale)
    return c.png()


# Every file drawn, by its path from the top of the repository.
DRAWINGS = {}
for _name, _draw in TOOLBAR:
    for _scale, _suffix in ((1, ''), (2, '@2x')):
        DRAWINGS['%stoolbar/%s%s.png' % (IMAGES, _name, _suffix)] = (
            lambda draw=_draw, scale=_scale: toolbar_icon(draw, scale))
DRAWINGS[IMAGES + 'transformer.png'] = lambda: draw_main_picture().png()
DRAWINGS[IMAGES + 'about.png'] = lambda: draw_about_picture().png()
for _size in (16, 32, 48, 64, 128, 256):
    DRAWINGS['%sapp/navivor-%d.png' % (IMAGES, _size)] = (
        lambda size=_size: draw_app_icon(size).png())
# The scalable icon the desktop's icon theme takes: the 256-pixel drawing as SVG shapes.
DRAWINGS['packaging/navivor.svg'] = (
    lambda: draw_app_icon(256, SvgCanvas(256, 256, ICON_HEADER)).svg())


def _draw(path):
    return path, DRAWINGS[path]()


def main():
    """Usage: draw_images.py [--into FOLDER] [NAME...]. Writes below FOLDER (the top of the
    repository unless given) the files whose path, less ui/resources/images/, starts with
    one of the NAMEs (every file without them)."""
    args = sys.argv[1:]
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    if args[:1] == ['--into']:
        root, args = args[1], args[2:]
    chosen = [path for path in DRAWINGS
              if not args or any(path.removeprefix(IMAGES).startswith(a) for a in args)]
    # The drawings take seconds each in pure Python; draw them side by side.
    with multiprocessing.Pool() as pool:
        for path, data in pool.imap_unordered(_draw, chosen):
            target = os.path.normpath(os.path.join(root, path))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with open(target, 'wb') as f:
                f.write(data)
            print(os.path.relpath(target))


if __name__ == '__main__':
    main()
