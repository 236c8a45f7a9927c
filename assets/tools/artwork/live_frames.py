"""The 37 frames of the live-mode button (32 x 32): a radar sweep turning once per loop.

Everything in a frame is a function of its phase k / 37, so frame 36 leads back into frame 0
as smoothly as any other pair: the sweep advances by 360/37 degrees per frame and each blip
fades by the same amount of 'time since the sweep passed it'.
"""

import math

from .svg import circle, document, line, path, radial_gradient, wedge

SIZE = 32
FRAME_COUNT = 37
CENTRE = 16
RADIUS = 14.5
GREEN = "#22c55e"
BRIGHT = "#86efac"
TRAIL_STEPS = 7
TRAIL_DEGREES = 12
# Targets on the scope: (distance from the centre, bearing in degrees from the top, clockwise).
BLIPS = ((9.5, 40), (6, 165), (11.5, 250), (4, 305))


def sweep_bearing(index):
    """Bearing of the sweep line in frame `index`, degrees clockwise from straight up."""
    return (index % FRAME_COUNT) * 360.0 / FRAME_COUNT


def _screen_angle(bearing):
    return bearing - 90.0


def _scope():
    defs = radial_gradient("scope", [(0, "#0f3d26"), (1, "#031108")])
    body = circle(CENTRE, CENTRE, RADIUS, fill="url(#scope)", stroke=GREEN, stroke_width=1.1)
    for r in (4.8, 9.6):
        body += circle(CENTRE, CENTRE, r, fill="none", stroke=GREEN, stroke_opacity=0.35, stroke_width=0.6)
    faint = dict(stroke=GREEN, stroke_opacity=0.25, stroke_width=0.6)
    body += line(CENTRE - RADIUS + 1, CENTRE, CENTRE + RADIUS - 1, CENTRE, **faint)
    body += line(CENTRE, CENTRE - RADIUS + 1, CENTRE, CENTRE + RADIUS - 1, **faint)
    return defs, body


def _trail(bearing):
    body = ""
    for step in range(TRAIL_STEPS):
        end = _screen_angle(bearing) - step * TRAIL_DEGREES
        opacity = 0.6 * (1 - step / TRAIL_STEPS)
        body += path(wedge(CENTRE, CENTRE, RADIUS - 0.6, end - TRAIL_DEGREES, end), fill=GREEN, fill_opacity=opacity)
    return body


def _blips(bearing):
    body = ""
    for distance, blip_bearing in BLIPS:
        age = (bearing - blip_bearing) % 360.0  # degrees since the sweep last crossed it
        glow = max(0.12, 1.0 - age / 300.0)
        angle = math.radians(_screen_angle(blip_bearing))
        x, y = CENTRE + distance * math.cos(angle), CENTRE + distance * math.sin(angle)
        body += circle(x, y, 1.1 + 0.7 * glow, fill=BRIGHT, fill_opacity=glow)
    return body


def frame(index):
    bearing = sweep_bearing(index)
    defs, body = _scope()
    body += _trail(bearing)
    body += _blips(bearing)
    angle = math.radians(_screen_angle(bearing))
    tip = (CENTRE + (RADIUS - 0.6) * math.cos(angle), CENTRE + (RADIUS - 0.6) * math.sin(angle))
    body += line(CENTRE, CENTRE, tip[0], tip[1], stroke=BRIGHT, stroke_width=1.4, stroke_linecap="round")
    body += circle(CENTRE, CENTRE, 1.4, fill=BRIGHT)
    return document(SIZE, SIZE, body, defs)


def pictures():
    return {f"Frame{i}": frame(i) for i in range(FRAME_COUNT)}
