"""Country flags of the world index rows, 30 x 20 (3:2), simplified but true to their colours.

SVG Tiny has no clip paths, so every shape is computed to stay inside the flag.
"""

import math

from .svg import circle, document, group, path, polygon, rect, star_points

W, H = 30, 20
WHITE = "#ffffff"


def _flag(body):
    # A faint rim keeps dark and white flags apart from the black rows.
    rim = rect(0.25, 0.25, W - 0.5, H - 0.5, fill="none", stroke=WHITE, stroke_opacity=0.35, stroke_width=0.5)
    return document(W, H, body + rim)


def _diagonal_band(w, h, half, rising):
    """The band of half-width `half` along a diagonal of a w x h rectangle, cut to the rectangle."""
    diagonal = math.hypot(w, h)
    dx = half * diagonal / h  # horizontal reach of the band along an edge
    dy = half * diagonal / w  # vertical reach of the band along an edge
    band = [(0, 0), (dx, 0), (w, h - dy), (w, h), (w - dx, h), (0, dy)]
    if rising:
        band = [(x, h - y) for x, y in band]
    return band


def _union_jack(w, h):
    body = rect(0, 0, w, h, fill="#012169")
    for rising in (False, True):
        body += polygon(_diagonal_band(w, h, h * 0.1, rising), fill=WHITE)
    for rising in (False, True):
        body += polygon(_diagonal_band(w, h, h * 0.035, rising), fill="#c8102e")
    body += rect(w / 2 - h / 6, 0, h / 3, h, fill=WHITE)
    body += rect(0, h / 2 - h / 6, w, h / 3, fill=WHITE)
    body += rect(w / 2 - h / 10, 0, h / 5, h, fill="#c8102e")
    body += rect(0, h / 2 - h / 10, w, h / 5, fill="#c8102e")
    return body


def united_states():
    stripe = H / 13
    body = rect(0, 0, W, H, fill="#b22234")
    for i in range(1, 13, 2):
        body += rect(0, i * stripe, W, stripe, fill=WHITE)
    canton_w, canton_h = 12, stripe * 7
    body += rect(0, 0, canton_w, canton_h, fill="#3c3b6e")
    for row in range(4):
        for col in range(5 if row % 2 == 0 else 4):
            x = 1.4 + col * 2.3 + (1.15 if row % 2 else 0)
            body += circle(x, 1.5 + row * 2.3, 0.55, fill=WHITE)
    return _flag(body)


def united_kingdom():
    return _flag(_union_jack(W, H))


def germany():
    body = rect(0, 0, W, H / 3, fill="#000000")
    body += rect(0, H / 3, W, H / 3, fill="#dd0000")
    body += rect(0, 2 * H / 3, W, H / 3, fill="#ffce00")
    return _flag(body)


def japan():
    return _flag(rect(0, 0, W, H, fill=WHITE) + circle(W / 2, H / 2, 6, fill="#bc002d"))


def hong_kong():
    # Five white bauhinia petals turning around the centre, each with a red stroke.
    body = rect(0, 0, W, H, fill="#de2910")
    petal = "M0 0 C-3.2 -2.2 -3.1 -6.6 0 -7.6 C1.3 -6.6 1.6 -4.4 0.6 -3 C0.2 -2 0.1 -1 0 0 Z"
    vein = "M-0.4 -1.6 C-1.6 -3 -1.6 -4.8 -0.2 -5.8"
    for i in range(5):
        transform = f"translate(15 10) rotate({i * 72})"
        body += group(path(petal, fill=WHITE) + path(vein, fill="none", stroke="#de2910", stroke_width=0.45),
                      transform=transform)
    return _flag(body)


def singapore():
    red = "#ef3340"
    body = rect(0, 0, W, H / 2, fill=red) + rect(0, H / 2, W, H / 2, fill=WHITE)
    body += circle(7.2, 5, 3.6, fill=WHITE) + circle(8.6, 5, 3.4, fill=red)
    for i in range(5):
        angle = math.radians(-90 + i * 72)
        x, y = 10.4 + 1.9 * math.cos(angle), 5.1 + 1.9 * math.sin(angle)
        body += polygon(star_points(x, y, 0.75, 0.3), fill=WHITE)
    return _flag(body)


def australia():
    body = rect(0, 0, W, H, fill="#00008b")
    body += _union_jack(W / 2, H / 2)
    body += polygon(star_points(7.5, 15, 2.6, 1.15, tips=7), fill=WHITE)
    for x, y, r in ((22.5, 16.6, 1.3), (18.2, 9.4, 1.2), (22.5, 4, 1.2), (26.2, 8.4, 1.2)):
        body += polygon(star_points(x, y, r, r * 0.45, tips=7), fill=WHITE)
    body += polygon(star_points(24.4, 11.6, 0.7, 0.32), fill=WHITE)
    return _flag(body)


def china():
    yellow = "#ffde00"
    body = rect(0, 0, W, H, fill="#de2910")
    body += polygon(star_points(5, 5, 3, 1.15), fill=yellow)
    for x, y in ((10, 2), (12, 4), (12, 7), (10, 9)):
        towards = math.degrees(math.atan2(5 - y, 5 - x))
        body += polygon(star_points(x, y, 1, 0.38, rotation=towards), fill=yellow)
    return _flag(body)


def pictures():
    return {
        "Flag_US": united_states(),
        "Flag_UK": united_kingdom(),
        "Flag_DE": germany(),
        "Flag_JA": japan(),
        "Flag_HA": hong_kong(),
        "Flag_ST": singapore(),
        "Flag_AO": australia(),
        "Flag_CN": china(),
    }
