"""The contact sheet: every bitmap and icon on one PNG, at their own size and
enlarged, labelled, with the state pictures carrying sample text in the
colours the program writes on them."""

# A 5 by 7 pixel font for the labels; '#' is ink.
GLYPHS = {
    'A': ' ### |#   #|#   #|#####|#   #|#   #|#   #',
    'B': '#### |#   #|#   #|#### |#   #|#   #|#### ',
    'C': ' ### |#   #|#    |#    |#    |#   #| ### ',
    'D': '#### |#   #|#   #|#   #|#   #|#   #|#### ',
    'E': '#####|#    |#    |#### |#    |#    |#####',
    'F': '#####|#    |#    |#### |#    |#    |#    ',
    'G': ' ### |#   #|#    |# ###|#   #|#   #| ####',
    'H': '#   #|#   #|#   #|#####|#   #|#   #|#   #',
    'I': ' ### |  #  |  #  |  #  |  #  |  #  | ### ',
    'K': '#   #|#  # |# #  |##   |# #  |#  # |#   #',
    'L': '#    |#    |#    |#    |#    |#    |#####',
    'M': '#   #|## ##|# # #|# # #|#   #|#   #|#   #',
    'N': '#   #|##  #|# # #|#  ##|#   #|#   #|#   #',
    'O': ' ### |#   #|#   #|#   #|#   #|#   #| ### ',
    'P': '#### |#   #|#   #|#### |#    |#    |#    ',
    'R': '#### |#   #|#   #|#### |# #  |#  # |#   #',
    'S': ' ####|#    |#    | ### |    #|    #|#### ',
    'T': '#####|  #  |  #  |  #  |  #  |  #  |  #  ',
    'U': '#   #|#   #|#   #|#   #|#   #|#   #| ### ',
    'V': '#   #|#   #|#   #|#   #|#   #| # # |  #  ',
    'W': '#   #|#   #|#   #|# # #|# # #|# # #| # # ',
    'X': '#   #|#   #| # # |  #  | # # |#   #|#   #',
    'Y': '#   #|#   #| # # |  #  |  #  |  #  |  #  ',
    'Z': '#####|    #|   # |  #  | #   |#    |#####',
    '0': ' ### |#   #|#  ##|# # #|##  #|#   #| ### ',
    '1': '  #  | ##  |  #  |  #  |  #  |  #  | ### ',
    '2': ' ### |#   #|    #|   # |  #  | #   |#####',
    '3': '#####|   # |  #  |   # |    #|#   #| ### ',
    '4': '   # |  ## | # # |#  # |#####|   # |   # ',
    '5': '#####|#    |#### |    #|    #|#   #| ### ',
    '6': '  ## | #   |#    |#### |#   #|#   #| ### ',
    '7': '#####|    #|   # |  #  | #   | #   | #   ',
    '8': ' ### |#   #|#   #| ### |#   #|#   #| ### ',
    '9': ' ### |#   #|#   #| ####|    #|   # | ##  ',
    ' ': '     |     |     |     |     |     |     ',
    ':': '     | ##  | ##  |     | ##  | ##  |     ',
    '-': '     |     |     | ### |     |     |     ',
}

PAPER = (236, 238, 241, 255)
INK = (40, 46, 54, 255)


class Sheet:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rows = [[PAPER] * width for _ in range(height)]

    def text(self, x, y, s, colour=INK, zoom=1):
        for ch in s.upper():
            g = GLYPHS.get(ch, GLYPHS[' ']).replace('|', '')
            for i, cell in enumerate(g):
                if cell == '#':
                    for dy in range(zoom):
                        for dx in range(zoom):
                            self._put(x + (i % 5) * zoom + dx, y + (i // 5) * zoom + dy, colour)
            x += 6 * zoom
        return x

    def image(self, x, y, rows, zoom=1, checker=False):
        """Blits rows of RGBA bytes, enlarged by whole pixels; transparency
        shows over a checkerboard when asked."""
        for iy, row in enumerate(rows):
            for ix, p in enumerate(row):
                for dy in range(zoom):
                    for dx in range(zoom):
                        px, py = x + ix * zoom + dx, y + iy * zoom + dy
                        under = self._checker(px, py) if checker else self._get(px, py)
                        self._put(px, py, _over(p, under))
        return x + len(rows[0]) * zoom, y + len(rows) * zoom

    def _checker(self, x, y):
        return (255, 255, 255, 255) if (x // 4 + y // 4) % 2 else (204, 208, 214, 255)

    def _get(self, x, y):
        return self.rows[y][x] if 0 <= x < self.width and 0 <= y < self.height else PAPER

    def _put(self, x, y, p):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = p


def _over(p, under):
    a = p[3] / 255
    return tuple(int(p[i] * a + under[i] * (1 - a) + 0.5) for i in range(3)) + (255,)


def contact_sheet(bitmaps, icons):
    """bitmaps: name -> rows; icons: name -> [rows at 16, rows at 32]."""
    s = Sheet(1180, 1180)
    y = 10
    s.text(10, y, 'STATUS PICTURES 25 X 25 - ON THE TOOL BAR AND ENLARGED 4 TIMES', zoom=2)
    y += 26
    x = 10
    for name in ('BITMAP0', 'BITMAP6', 'BITMAP7', 'BITMAP4', 'BITMAP3', 'BITMAP2', 'BITMAP5',
                 'BITMAP8'):
        s.text(x, y, name)
        s.image(x, y + 12, bitmaps[name])
        s.image(x, y + 44, bitmaps[name], zoom=4)
        x += 130
    y += 44 + 100 + 12

    s.text(10, y, 'ICONS 16 AND 32 - OWN SIZE AND ENLARGED 4 TIMES', zoom=2)
    y += 26
    x = 10
    for name, (small, large) in icons.items():
        s.text(x, y, name)
        s.image(x, y + 12, small, checker=True)
        s.image(x + 24, y + 12, large, checker=True)
        s.image(x, y + 52, large, zoom=4, checker=True)
        s.image(x, y + 190, small, zoom=4, checker=True)
        x += 130
    y += 190 + 64 + 14

    s.text(10, y, 'STATE PICTURES - WITH THE TEXT COLOURS OF THEIR WINDOWS', zoom=2)
    y += 26
    samples = (('BITMAP11', [(0, 255, 255, 255)]), ('BITMAP12', [(255, 0, 0, 255)]),
               ('BITMAP13', [(0, 255, 255, 255)]),
               ('BITMAP14', [(255, 0, 0, 255), (0, 255, 255, 255)]))
    for name, colours in samples:
        for colour in colours:
            s.text(10, y + 4, name)
            x, _ = s.image(70, y, bitmaps[name])
            s.image(x + 20, y, bitmaps[name])
            s.text(x + 26, y + (len(bitmaps[name]) - 7) // 2, 'SPEED 40', colour)
            y += len(bitmaps[name]) + 8
    s.text(10, y + 8, 'BITMAP11 AND 12 ENLARGED 3 TIMES')
    _, bottom = s.image(10, y + 20, bitmaps['BITMAP11'], zoom=3)
    s.image(370, y + 20, bitmaps['BITMAP12'], zoom=3)
    y = bottom + 14

    s.text(10, y, 'TOOL BAR BITMAP1 WITH BITMAP7 AT ITS RIGHT END, BUTTON FACE BITMAP10', zoom=2)
    y += 26
    s.image(10, y, bitmaps['BITMAP1'])
    bar = bitmaps['BITMAP1']
    s.image(10 + len(bar[0]) - 26, y + 1, bitmaps['BITMAP7'])
    s.image(480, y, bitmaps['BITMAP10'])
    s.image(620, y, bitmaps['BITMAP10'], zoom=3)
    y += 90

    s.text(10, y, 'MAIN BACKGROUND BITMAP9', zoom=2)
    s.image(10, y + 24, bitmaps['BITMAP9'])
    return s.rows
