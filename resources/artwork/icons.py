"""The program's icons. Each is drawn once on a 32-unit grid and painted at
32 and 16 pixels; outlines are 2 units wide so that they stay one whole pixel
at the small size."""

import math

from .canvas import Canvas, circle, inset, minus, mix, polygon, ramp, rect, rgb, round_rect, union

ICON_SIZES = (16, 32)
EDGE = rgb('#26303C')


def _stroked(c, shape, fill, edge=EDGE, width=2.0):
    """The shape in the edge colour with its inside, `width` in, in the fill."""
    c.paint(shape, edge)
    c.paint(inset(shape, width), fill)


def _vertical(top, bottom, y0, y1):
    return lambda x, y: mix(rgb(top), rgb(bottom), (y - y0) / (y1 - y0))


def _bar(ax, ay, bx, by, width):
    """A rectangle of the given width along the segment a-b."""
    length = math.sqrt((bx - ax) ** 2 + (by - ay) ** 2)
    nx, ny = -(by - ay) / length * width / 2, (bx - ax) / length * width / 2
    return polygon([(ax + nx, ay + ny), (bx + nx, by + ny), (bx - nx, by - ny), (ax - nx, ay - ny)])


# --- families -----------------------------------------------------------------

def controller(c, badge=None):
    """The controller module: a housing with a blue label strip, three lamps
    and a row of terminals. badge 'live' or 'lost' adds the link state."""
    _stroked(c, round_rect(2, 4, 30, 28, 4), _vertical('#F2F5F8', '#B9C4D0', 4, 28))
    c.paint(round_rect(4, 6, 28, 12, 1.5), _vertical('#4F8FE0', '#2A5FB0', 6, 12))
    # Lamps as small squares in a dark window: whole pixels even at 16.
    c.paint(rect(6, 14, 26, 20), rgb('#3A4654'))
    for x, colour in ((8, '#38D048'), (14, '#FFC21A'), (20, '#8D98A4')):
        c.paint(rect(x, 16, x + 4, 18) if c.width <= 16 else round_rect(x, 15, x + 4, 19, 1),
                rgb(colour))
    for x in range(6, 27, 4):
        c.paint(rect(x, 22, x + 2, 26), rgb('#5B6775'))
    if badge == 'live':
        _badge(c, '#22B03A', tick=True)
    elif badge == 'lost':
        _badge(c, '#D8342A', tick=False)


def _badge(c, colour, tick):
    c.paint(circle(24, 24, 8), rgb('#FFFFFF'))
    c.paint(circle(24, 24, 6.6), rgb(colour))
    white = rgb('#FFFFFF')
    if c.width <= 16:
        # Four pixels across: drawn pixel by pixel, a smooth mark would be a blur.
        cells = ([(10, 12), (11, 13), (12, 12), (13, 11), (14, 10)] if tick else
                 [(10 + i, 10 + i) for i in range(4)] + [(13 - i, 10 + i) for i in range(4)])
        for x, y in cells:
            c.paint(rect(2 * x, 2 * y, 2 * x + 2, 2 * y + 2), white)
    elif tick:
        c.paint(polygon([(19.4, 24.2), (21.4, 22.2), (23.2, 24.0), (27.0, 20.2), (29.0, 22.2),
                         (23.2, 28.0)]), white)
    else:
        c.paint(union(_bar(20.5, 20.5, 27.5, 27.5, 2.8), _bar(27.5, 20.5, 20.5, 27.5, 2.8)), white)


def gear(c):
    """Connection settings: a steel gear."""
    teeth = [_bar(16 + 9 * math.cos(a), 16 + 9 * math.sin(a),
                  16 + 15 * math.cos(a), 16 + 15 * math.sin(a), 6.0)
             for a in (math.radians(22.5 + 45 * i) for i in range(8))]
    body = minus(union(circle(16, 16, 10.5), *teeth), circle(16, 16, 4.2))
    _stroked(c, body, _vertical('#D9E1EA', '#7F8FA1', 2, 30))
    c.paint(minus(circle(16, 16, 6.4), circle(16, 16, 4.2)), rgb('#5F6F82'), 0.5)


def lamp(c):
    """An indicator lamp, lit."""
    glow = rgb('#FFB020')
    c.paint(circle(14, 14, 14), lambda x, y: glow + (
        0.55 * max(0.0, 1.0 - (math.sqrt((x - 14) ** 2 + (y - 14) ** 2) - 10) / 4),))
    _stroked(c, circle(14, 14, 10.5), rgb('#8A949F'))
    c.paint(circle(14, 14, 7.5), lambda x, y: ramp(
        [(0.0, rgb('#FFF6C0')), (0.5, rgb('#FFC935')), (1.0, rgb('#F08A00'))],
        math.sqrt((x - 12) ** 2 + (y - 12) ** 2) / 9))
    c.paint(circle(11.5, 11, 2.2), rgb('#FFFFFF'), 0.8)


def push_button(c):
    """A push button of the button window."""
    _stroked(c, round_rect(2, 6, 28, 26, 4), _vertical('#8CC0FF', '#2D6FD0', 6, 26))
    c.paint(round_rect(4, 8, 26, 14, 2), rgb('#FFFFFF'), 0.35)
    c.paint(rect(8, 18, 20, 20), rgb('#FFFFFF'), 0.9)


def journal(c, rows=True):
    """The event log: a page with a folded corner and coloured entries."""
    page = polygon([(4, 2), (20, 2), (28, 10), (28, 30), (4, 30)])
    _stroked(c, page, rgb('#FFFFFF'))
    _stroked(c, polygon([(19, 2), (28, 11), (19, 11)]), rgb('#DCE3EA'))
    if rows:
        # Whole pixels at 16: even units only.
        for y, colour in ((14, '#D8342A'), (18, '#2A7BE0'), (22, '#22B03A')):
            c.paint(rect(8, y, 12, y + 2), rgb(colour))
            c.paint(rect(14, y, 24, y + 2), rgb('#8A96A4'))


def clock(c):
    _stroked(c, circle(23, 23, 8.5), rgb('#FFFFFF'))
    c.paint(union(_bar(23, 23, 23, 17.5, 2.0), _bar(23, 23, 27, 23, 2.0)), EDGE)


def pencil(c):
    """Editing: a pencil lying across the lower right corner."""
    ax, ay, bx, by = 30.5, 13.5, 19.5, 24.5       # eraser end to the start of the tip
    body = _bar(ax, ay, bx, by, 6.4)
    nx, ny = 2.26, 2.26                          # half the width, across the pencil
    tip = polygon([(bx - nx, by - ny), (bx + nx, by + ny), (15.0, 29.0)])
    c.paint(union(inset(body, -1), inset(tip, -1)), EDGE)
    c.paint(body, _vertical('#FFE27A', '#F0A800', 14, 25))
    c.paint(_bar(ax, ay, ax - 2.4, ay + 2.4, 6.4), rgb('#F28BA0'))
    c.paint(tip, rgb('#F5DDB0'))
    c.paint(polygon([(16.0, 26.2), (17.8, 28.0), (15.0, 29.0)]), EDGE)


def emblem(c):
    """The program's emblem, on its tool windows: a white chevron on a disc
    of dawn sky, deep blue above, warm light at the horizon."""
    _stroked(c, circle(16, 16, 14.5), lambda x, y: ramp(
        [(0.0, rgb('#17428A')), (0.5, rgb('#2F86D2')), (0.72, rgb('#9FD4F2')),
         (0.8, rgb('#FFD77A')), (1.0, rgb('#F08A1C'))], (y - 2) / 28))
    chevron = polygon([(7, 8), (12.2, 8), (16, 18), (19.8, 8), (25, 8), (18.6, 25), (13.4, 25)])
    c.paint(inset(chevron, -1.2), rgb('#0E2F66'), 0.45)
    c.paint(chevron, rgb('#FFFFFF'))


# --- the set ------------------------------------------------------------------

def _draw(*steps):
    """Icon painted at each size by the given steps."""
    images = []
    for size in ICON_SIZES:
        c = Canvas(size, size, units=32)
        for step in steps:
            step(c)
        images.append(c)
    return images


def icons():
    """Resource name -> [16-pixel canvas, 32-pixel canvas]."""
    return {
        'ICON0': _draw(controller),                                # main window
        'ICON1': _draw(gear),                                      # connection settings
        'ICON2': _draw(lamp, pencil),                              # indicator editor
        'ICON3': _draw(push_button, pencil),                       # button editor
        'ICON4': _draw(lambda c: controller(c, 'lost')),           # tray: link not live
        'ICON5': _draw(lambda c: controller(c, 'live')),           # tray: link live
        'ICON6': _draw(journal, pencil),                           # event editor
        'ICON7': _draw(journal, clock),                            # event log
        'VORA': _draw(emblem),                                     # tool windows
    }
