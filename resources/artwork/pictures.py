"""The program's bitmaps: status pictures of the tool bar, state pictures of
indicators and list rows, backgrounds and the button face."""

import math

from .canvas import (Canvas, arc, circle, inset, mix, outline, polygon, ramp, rect, rgb,
                     round_rect, union)

STATUS_SIZE = 25

# --- backgrounds --------------------------------------------------------------

# The tool bar across the top of the main window: light steel, brighter at the
# top edge, closed by a darker line. Its status picture sits on rows 1 to 25.
TOOLBAR_HEIGHT = 27


def toolbar_shade(y):
    t = y / TOOLBAR_HEIGHT
    if y < 1:
        return rgb('#FFFFFF')
    if y >= TOOLBAR_HEIGHT - 1:
        return rgb('#8E9CAC')
    return ramp([(0.0, rgb('#F6F9FC')), (0.45, rgb('#E3EAF1')), (1.0, rgb('#C4D0DC'))], t)


def toolbar_background(width=440):
    c = Canvas(width, TOOLBAR_HEIGHT)
    c.shade(lambda x, y: toolbar_shade(y))
    return c


def main_background(width=430, height=300):
    """Behind the main window, its list header and the dialogs: pale blue-grey,
    darker towards the bottom, with a faint drafting grid. Light enough for the
    dialogs' black labels."""
    top, bottom = rgb('#EEF3F8'), rgb('#C8D5E2')
    minor, major = rgb('#9FB2C6'), rgb('#8096AD')

    def at(x, y):
        c = mix(top, bottom, y / height)
        # A soft light sweep from the upper left keeps the surface from looking flat.
        c = mix(c, (1.0, 1.0, 1.0), 0.22 * max(0.0, 1.0 - (x + y) / (0.9 * (width + height))))
        ix, iy = int(x), int(y)
        if ix % 40 == 0 or iy % 40 == 0:
            c = mix(c, major, 0.16)
        elif ix % 8 == 0 or iy % 8 == 0:
            c = mix(c, minor, 0.07)
        return c
    c = Canvas(width, height)
    c.shade(at)
    return c


def button_face(width=117, height=25):
    """Background of a button panel: a raised, slightly glossy face."""
    c = Canvas(width, height)
    c.shade(lambda x, y: ramp([(0.0, rgb('#FFFFFF')), (0.5, rgb('#E8EEF4')),
                               (0.52, rgb('#D9E2EB')), (1.0, rgb('#C7D3DF'))], y / height))
    c.paint(outline(rect(0, 0, width, height), 1), rgb('#7D8B9B'))
    c.paint(outline(rect(1, 1, width - 1, height - 1), 1), rgb('#FFFFFF'), 0.8)
    c.paint(rect(1, height - 2, width - 1, height - 1), rgb('#A9B7C5'))
    return c


# --- state pictures -----------------------------------------------------------

def _vertical_field(width, height, stops):
    c = Canvas(width, height)
    c.shade(lambda x, y: ramp([(p, rgb(v)) for p, v in stops], y / height))
    return c


def state_off(width, height):
    """Inactive indicator or list row: a dark slate field under the cyan text."""
    c = _vertical_field(width, height, [(0.0, '#2C3B50'), (0.55, '#1A2535'), (1.0, '#111923')])
    c.paint(outline(rect(0, 0, width, height), 1), rgb('#4A5E78'))
    c.paint(rect(1, 1, width - 1, 2), rgb('#3E5068'))
    return c


def state_lamp_lit(width, height):
    """Active indicator: a lit amber lamp field under the red text."""
    c = _vertical_field(width, height, [(0.0, '#FFF9D8'), (0.5, '#FFE98A'), (1.0, '#FFC93C')])
    c.paint(outline(rect(0, 0, width, height), 1), rgb('#C86E00'))
    c.paint(outline(rect(1, 1, width - 1, height - 1), 1), rgb('#FFFFFF'), 0.55)
    return c


def state_row_alert(width, height):
    """Active list row, whose text blinks red and cyan: a near-black field,
    dark enough for both colours, inside a glowing orange frame."""
    c = _vertical_field(width, height, [(0.0, '#2A221C'), (0.55, '#15110E'), (1.0, '#0B0907')])
    for i, strength in enumerate((1.0, 0.75, 0.35, 0.15)):     # the glow fades inwards
        c.paint(outline(rect(i, i, width - i, height - i), 1), rgb('#FF7A1A'), strength)
    return c


# --- status pictures ----------------------------------------------------------

BAR_COLOURS = {
    # name: (fill, outline)
    'grey': ('#AEB4BB', '#6E757D'),
    'white': ('#FFFFFF', '#5C6570'),
    'yellow': ('#FFD21A', '#9A7000'),
    'green': ('#3CC73C', '#1B711B'),
    'blue': ('#3F8FF5', '#1C4A98'),
}


def status_canvas():
    # Same rows as the tool bar behind it, so the picture has no visible edge.
    c = Canvas(STATUS_SIZE, STATUS_SIZE)
    c.shade(lambda x, y: toolbar_shade(y + 1))
    return c


def _stroked(c, shape, fill, edge, width=1.0):
    """The shape in the edge colour with its inside, `width` in, in the fill."""
    c.paint(shape, edge)
    c.paint(inset(shape, width), fill)


def _pixel_stroked(c, cells, fill, edge):
    """Paints a shape given as a set of whole pixels: its border pixels (those
    with a side open) in the edge colour, the rest in the fill. At 25 pixels
    an arrow drawn pixel by pixel stays sharp where a smooth one would blur."""
    for x, y in cells:
        open_side = any((x + dx, y + dy) not in cells
                        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        c.paint(rect(x, y, x + 1, y + 1), edge if open_side else fill)


def _arrow(centre, top, bottom, up):
    """Pixels of a vertical arrow, as wide as a bar: a head 5 pixels wide
    over 3 rows, then a shaft 3 pixels wide, between the rows top and bottom
    (inclusive)."""
    cells = set()
    rows = range(top, bottom + 1) if up else range(bottom, top - 1, -1)
    for i, y in enumerate(rows):
        half = i if i < 3 else 1
        cells.update((x, y) for x in range(centre - half, centre + half + 1))
    return cells


def signal_bars(colour, send=False, receive=False):
    """Four rising bars; an up arrow (sending) and a down arrow (receiving)
    stand in the free corner above the short bars. The bars keep their place
    in every state so that only the colour and the arrows change."""
    fill, edge = (rgb(v) for v in BAR_COLOURS[colour])
    c = status_canvas()
    for i, top in enumerate((16, 12, 7, 2)):
        x = 1 + 6 * i
        # A lighter stripe down the left side gives the bar some body.
        sheen = lambda px, py, left=x: mix(fill, (1.0, 1.0, 1.0), 0.35 if px < left + 2 else 0.0)
        _stroked(c, rect(x, top, x + 5, 23), sheen, edge)
    if send:
        _pixel_stroked(c, _arrow(3, 1, 14, up=True), fill, edge)
    if receive:
        _pixel_stroked(c, _arrow(9, 0, 10, up=False), fill, edge)
    return c


def warning_triangle():
    """Write error: a yellow warning triangle with an exclamation mark."""
    c = status_canvas()
    tri = inset(polygon([(12.5, 3.2), (22.3, 21.0), (2.7, 21.0)]), -1.3)
    c.paint(tri, rgb('#7A4E00'))
    c.paint(inset(tri, 1.2), lambda x, y: ramp([(0.0, rgb('#FFEE80')), (1.0, rgb('#F7B500'))],
                                                (y - 2) / 21))
    ink = rgb('#1E1E1E')
    c.paint(round_rect(11.2, 8.2, 13.8, 16.6, 1.2), ink)
    c.paint(circle(12.5, 19.0, 1.45), ink)
    return c


def circling_arrows():
    """Waiting to reconnect: two green arrows chasing each other round a circle."""
    c = status_canvas()
    cx = cy = 12.5
    r, w = 7.6, 3.6
    parts = []
    for start, end in ((205, 320), (25, 140)):
        parts.append(arc(cx, cy, r, w, start, end))
        # Arrow head at the clockwise end: base across the ring, tip along it.
        a = math.radians(end)
        ux, uy = math.cos(a), math.sin(a)          # outwards
        tx, ty = -uy, ux                           # clockwise tangent
        bx, by = cx + ux * r, cy + uy * r
        half, length = 5.0, 5.6
        parts.append(polygon([(bx + ux * half, by + uy * half), (bx - ux * half, by - uy * half),
                              (bx + tx * length, by + ty * length)]))
    shape = union(*parts)
    c.paint(inset(shape, -1.0), rgb('#14601C'))
    c.paint(shape, lambda x, y: ramp([(0.0, rgb('#7BE07F')), (1.0, rgb('#23A22F'))], y / 25))
    return c


def bitmaps():
    """Resource name -> canvas, for BITMAP0 to BITMAP14."""
    return {
        'BITMAP0': signal_bars('grey'),                          # at start
        'BITMAP1': toolbar_background(),                         # behind the main panel
        'BITMAP2': signal_bars('blue', send=True, receive=True),  # sending and receiving
        'BITMAP3': signal_bars('green', receive=True),           # receiving
        'BITMAP4': signal_bars('yellow', send=True),             # sending
        'BITMAP5': warning_triangle(),                           # write error
        'BITMAP6': signal_bars('grey'),                          # not connected
        'BITMAP7': signal_bars('white'),                         # connected, idle
        'BITMAP8': circling_arrows(),                            # waiting to reconnect
        'BITMAP9': main_background(),                            # main window and dialogs
        'BITMAP10': button_face(),                               # button panels
        'BITMAP11': state_off(115, 17),                          # indicator, inactive
        'BITMAP12': state_lamp_lit(115, 17),                     # indicator, active
        'BITMAP13': state_off(382, 21),                          # main list row, inactive
        'BITMAP14': state_row_alert(382, 21),                    # main list row, active
    }
