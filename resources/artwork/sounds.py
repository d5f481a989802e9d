"""The program's sounds, synthesised: 16-bit mono PCM at 22050 Hz.

Oscillators and envelopes use only +, -, * and /, which IEEE arithmetic
rounds the same way everywhere, so the samples never depend on the machine's
maths library."""

RATE = 22050
PEAK = 16000             # about -6 dB below full scale: clear, never harsh


def sine(cycles):
    """sin(2 pi cycles) from a Taylor polynomial after folding into a quarter wave."""
    x = cycles - int(cycles) if cycles >= 0 else cycles - int(cycles) + 1.0   # 0 <= x < 1
    if x > 0.5:
        return -sine(x - 0.5)
    if x > 0.25:
        x = 0.5 - x
    a = 6.283185307179586 * x                          # 0 <= a <= pi / 2
    a2 = a * a
    return a * (1 - a2 / 6 * (1 - a2 / 20 * (1 - a2 / 42 * (1 - a2 / 72 * (1 - a2 / 110)))))


def _fade(i, n, edge):
    """Linear fade over `edge` samples at both ends, against clicks."""
    return min(1.0, i / edge, (n - 1 - i) / edge) if edge else 1.0


def tone(seconds, partials, decay_power=0, edge_ms=6):
    """A tone of (frequency, level) partials; decay_power > 0 lets it die
    away as (1 - t / length) ** power, a bell-like fall without exp()."""
    n = int(seconds * RATE)
    edge = int(edge_ms * RATE / 1000)
    out = []
    for i in range(n):
        t = i / RATE
        v = sum(level * sine(f * t) for f, level in partials)
        env = _fade(i, n, edge)
        fall = 1.0 - i / n
        for _ in range(decay_power):
            env *= fall
        out.append(v * env)
    return out


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix_at(track, offset_seconds, part):
    """Adds `part` into `track` starting at the offset, growing the track."""
    start = int(offset_seconds * RATE)
    if len(track) < start + len(part):
        track.extend([0.0] * (start + len(part) - len(track)))
    for i, v in enumerate(part):
        track[start + i] += v


def to_pcm(track):
    """Scales the loudest sample to PEAK and rounds to 16-bit integers."""
    loudest = max(abs(v) for v in track) or 1.0
    return [int(v / loudest * PEAK + (0.5 if v >= 0 else -0.5)) for v in track]


# --- the three sounds -----------------------------------------------------------

def alarm():
    """The link is lost: four insistent two-tone beeps, high and low by turns."""
    track = []
    for k in range(4):
        f = 988.0 if k % 2 == 0 else 740.0
        # Odd harmonics give the beep the edge of a buzzer without square-wave clicks.
        track += tone(0.12, [(f, 1.0), (3 * f, 0.28), (5 * f, 0.10)], edge_ms=8)
        track += silence(0.06)
    return to_pcm(track)


def chime():
    """An indicator changed: a soft two-note chime falling a major third."""
    track = []
    for start, f in ((0.0, 1318.5), (0.16, 1046.5)):
        # A partial at 2.76 times the note is what makes a struck bar sound like a bell.
        mix_at(track, start, tone(0.55, [(f, 1.0), (2.0 * f, 0.25), (2.76 * f, 0.12)],
                                  decay_power=3, edge_ms=3))
    return to_pcm(track)


def click():
    """A main list row changed: a short, soft wooden tick."""
    track = tone(0.09, [(1480.0, 1.0), (740.0, 0.6), (2960.0, 0.2)], decay_power=4, edge_ms=1)
    track += silence(0.02)
    return [int(v * 0.7) for v in to_pcm(track)]


def sounds():
    """Resource name -> samples."""
    return {'WAVE0': alarm(), 'WAVE1': chime(), 'WAVE2': click()}
