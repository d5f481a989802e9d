"""A small raster canvas that paints shapes given as signed distance functions.

A shape is a function (x, y) -> distance in design units, negative inside.
Painting a shape covers each pixel by how far its centre lies inside the
edge, which gives one-pixel anti-aliasing on any outline and crisp edges on
whole-pixel coordinates. Nothing depends on time, hashing or chance: the same
drawing gives the same pixels on every run.
"""

import math


def rgb(text):
    """'#RRGGBB' -> (r, g, b) in 0..1."""
    v = int(text.lstrip('#'), 16)
    return ((v >> 16 & 255) / 255.0, (v >> 8 & 255) / 255.0, (v & 255) / 255.0)


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    t = min(max(t, 0.0), 1.0)
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def ramp(stops, t):
    """Colour at t of a gradient given as [(position, colour), ...]."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


# --- shapes -----------------------------------------------------------------

def rect(x0, y0, x1, y1):
    return round_rect(x0, y0, x1, y1, 0)


def round_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.sqrt(max(qx, 0.0) ** 2 + max(qy, 0.0) ** 2)
        return outside + min(max(qx, qy), 0.0) - r
    return d


def circle(cx, cy, r):
    return lambda x, y: math.sqrt((x - cx) ** 2 + (y - cy) ** 2) - r


def polygon(points):
    """Exact distance to a closed polygon; inside by the even-odd rule."""
    edges = list(zip(points, points[1:] + points[:1]))

    def d(x, y):
        best = 1e18
        inside = False
        for (ax, ay), (bx, by) in edges:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = min(max((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0), 1.0)
            dx, dy = wx - ex * t, wy - ey * t
            best = min(best, dx * dx + dy * dy)
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        dist = math.sqrt(best)
        return -dist if inside else dist
    return d


def segment(ax, ay, bx, by, width):
    """A stroke of the given width with round ends."""
    ex, ey = bx - ax, by - ay
    ll = ex * ex + ey * ey

    def d(x, y):
        wx, wy = x - ax, y - ay
        t = min(max((wx * ex + wy * ey) / ll, 0.0), 1.0) if ll else 0.0
        return math.sqrt((wx - ex * t) ** 2 + (wy - ey * t) ** 2) - width / 2
    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def inset(shape, by):
    """The shape shrunk by `by` units (grown when negative)."""
    return lambda x, y: shape(x, y) + by


def outline(shape, width):
    """A band of `width` units just inside the shape's edge."""
    return lambda x, y: max(shape(x, y), -(shape(x, y) + width))


def arc(cx, cy, r, width, start, end):
    """Part of a ring, between angles in degrees (0 = right, 90 = down),
    running clockwise on the screen from start to end; flat ends."""
    ring = lambda x, y: abs(math.sqrt((x - cx) ** 2 + (y - cy) ** 2) - r) - width / 2
    span = (end - start) % 360

    def d(x, y):
        a = math.degrees(math.atan2(y - cy, x - cx))
        if (a - start) % 360 <= span:
            return ring(x, y)
        # Outside the angles: the distance to the nearer flat end.
        ends = []
        for ang in (start, end):
            ux, uy = math.cos(math.radians(ang)), math.sin(math.radians(ang))
            ends.append(segment(cx + ux * (r - width / 2), cy + uy * (r - width / 2),
                                cx + ux * (r + width / 2), cy + uy * (r + width / 2), 0)(x, y))
        return max(min(ends), ring(x, y))
    return d


# --- canvas -----------------------------------------------------------------

class Canvas:
    """Straight (not premultiplied) RGBA pixels in 0..1, row 0 at the top.

    `units` is the width in design units: an icon is drawn once in a 32-unit
    design and painted at 16 and 32 pixels.
    """

    def __init__(self, width, height, background=None, units=None):
        self.width, self.height = width, height
        self.scale = width / (units or width)
        fill = (background + (1.0,)) if background else (0.0, 0.0, 0.0, 0.0)
        self.pixels = [list(fill) for _ in range(width * height)]

    def shade(self, colour_at):
        """Paints every pixel opaque with colour_at(x, y) at its centre."""
        for y in range(self.height):
            for x in range(self.width):
                self.pixels[y * self.width + x] = list(colour_at(x + 0.5, y + 0.5)) + [1.0]

    def paint(self, shape, colour, opacity=1.0):
        """Paints the shape; colour is a tuple or a function of (x, y) in design
        units, either (r, g, b) or (r, g, b, alpha)."""
        s = self.scale
        for y in range(self.height):
            for x in range(self.width):
                ux, uy = (x + 0.5) / s, (y + 0.5) / s
                cover = min(max(0.5 - shape(ux, uy) * s, 0.0), 1.0) * opacity
                if cover > 0.0:
                    c = colour(ux, uy) if callable(colour) else colour
                    self._blend(x, y, c, cover * (c[3] if len(c) > 3 else 1.0))

    def _blend(self, x, y, c, alpha):
        p = self.pixels[y * self.width + x]
        out = alpha + p[3] * (1.0 - alpha)
        if out <= 0.0:
            return
        for i in range(3):
            p[i] = (c[i] * alpha + p[i] * p[3] * (1.0 - alpha)) / out
        p[3] = out

    def rgba8(self):
        """Rows of (r, g, b, a) bytes, top row first; transparent pixels are black."""
        rows = []
        for y in range(self.height):
            row = []
            for p in self.pixels[y * self.width:(y + 1) * self.width]:
                a = int(p[3] * 255 + 0.5)
                row.append((0, 0, 0, 0) if a == 0 else
                           tuple(int(min(max(v, 0.0), 1.0) * 255 + 0.5) for v in p[:3]) + (a,))
            rows.append(row)
        return rows
