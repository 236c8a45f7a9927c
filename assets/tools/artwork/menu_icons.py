"""The eight section buttons of the main menu: flat white glyphs on coloured tiles (64 x 64)."""

import math

from .svg import circle, document, ellipse, line, linear_gradient, path, polygon, polyline, rect, star_points

SIZE = 64
WHITE = "#ffffff"


def _tile(top, bottom, glyph, extra_defs=""):
    defs = linear_gradient("tile", [(0, top), (1, bottom)]) + extra_defs
    body = rect(4, 4, 56, 56, rx=13, fill="url(#tile)")
    body += rect(4.75, 4.75, 54.5, 54.5, rx=12.4, fill="none", stroke=WHITE, stroke_opacity=0.18, stroke_width=1.5)
    return document(SIZE, SIZE, body + glyph, defs)


def arrow_head(tip, direction, size):
    """A filled triangle whose point is at tip, pointing along direction."""
    dx, dy = direction
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    bx, by = tip[0] - ux * size, tip[1] - uy * size
    half = size * 0.62
    return [tip, (bx - uy * half, by + ux * half), (bx + uy * half, by - ux * half)]


def market_overview():
    # Candlesticks under a rising trend line: the home market at a glance.
    dark = "#14532d"
    glyph = line(12, 51, 52, 51, stroke=WHITE, stroke_opacity=0.55, stroke_width=2, stroke_linecap="round")
    for x, wick, body in ((19, (24, 47), (30, 42)), (32, (18, 44), (23, 37)), (45, (13, 38), (17, 30))):
        glyph += line(x, wick[0], x, wick[1], stroke=WHITE, stroke_width=2, stroke_linecap="round")
        glyph += rect(x - 4, body[0], 8, body[1] - body[0], rx=1.5, fill=WHITE)
    trend = [(12, 44), (22, 35), (31, 39), (47, 20)]
    glyph += polyline(trend, fill="none", stroke=dark, stroke_width=6, stroke_linecap="round", stroke_linejoin="round")
    glyph += polyline(trend, fill="none", stroke="#fde047", stroke_width=3.2, stroke_linecap="round",
                      stroke_linejoin="round")
    glyph += polygon(arrow_head((52, 14), (47 - 31, 20 - 39), 9), fill="#fde047")
    return _tile("#22c55e", "#15803d", glyph)


def world_stocks():
    # A globe: meridian, equator and two parallels.
    stroke = dict(fill="none", stroke=WHITE, stroke_width=2.6, stroke_linecap="round")
    glyph = circle(32, 32, 18, fill="none", stroke=WHITE, stroke_width=3.2)
    glyph += ellipse(32, 32, 8, 18, **stroke)
    glyph += line(32, 14, 32, 50, **stroke)
    glyph += line(14, 32, 50, 32, **stroke)
    for y in (23, 41):
        half = math.sqrt(18 ** 2 - (y - 32) ** 2)
        glyph += line(32 - half + 1, y, 32 + half - 1, y, **stroke)
    return _tile("#0ea5e9", "#0369a1", glyph)


def gold():
    # Three stacked ingots with a sparkle.
    defs = linear_gradient("ingot", [(0, "#fef3c7"), (0.45, "#fcd34d"), (1, "#d97706")])
    style = dict(fill="url(#ingot)", stroke="#78350f", stroke_width=1.4, stroke_linejoin="round")
    glyph = polygon([(8, 51), (12.5, 40), (28.5, 40), (33, 51)], **style)
    glyph += polygon([(31, 51), (35.5, 40), (51.5, 40), (56, 51)], **style)
    glyph += polygon([(19.5, 38.5), (24, 27.5), (40, 27.5), (44.5, 38.5)], **style)
    glyph += polygon(star_points(47, 17, 6.5, 1.6, tips=4, rotation=-90), fill=WHITE)
    glyph += polygon(star_points(17, 20, 3.5, 0.9, tips=4, rotation=-90), fill=WHITE, fill_opacity=0.8)
    return _tile("#d97706", "#78350f", glyph, defs)


def exchange_rates():
    # Two opposite arrows between two coins: money changing hands.
    stroke = dict(stroke=WHITE, stroke_width=4, stroke_linecap="round")
    glyph = line(14, 24, 43, 24, **stroke)
    glyph += polygon(arrow_head((52, 24), (1, 0), 10), fill=WHITE)
    glyph += line(50, 40, 21, 40, **stroke)
    glyph += polygon(arrow_head((12, 40), (-1, 0), 10), fill=WHITE)
    glyph += circle(15, 14.5, 5, fill="#fde047", stroke="#6b21a8", stroke_width=1.2)
    glyph += circle(49, 49.5, 5, fill="#fde047", stroke="#6b21a8", stroke_width=1.2)
    return _tile("#a855f7", "#6b21a8", glyph)


def commodities():
    # An oil barrel with a drop on it.
    band = "#9a3412"
    glyph = rect(18, 13, 28, 39, rx=5, fill=WHITE)
    glyph += rect(18, 21, 28, 2.6, fill=band)
    glyph += rect(18, 42, 28, 2.6, fill=band)
    glyph += path("M32 25.5 C32 25.5 25.5 32.5 25.5 36 A6.5 6.5 0 0 0 38.5 36 C38.5 32.5 32 25.5 32 25.5 Z",
                  fill="#f97316")
    return _tile("#f97316", "#9a3412", glyph)


def news():
    # A newspaper page: headline, picture and columns of text.
    dark = "#115e59"
    glyph = rect(12, 15, 40, 35, rx=3.5, fill=WHITE)
    glyph += rect(17, 20, 30, 5, rx=1, fill=dark)
    glyph += rect(17, 29, 12, 11, rx=1, fill="#5eead4")
    for y in (29, 33.5, 38):
        glyph += rect(32, y, 15, 2.2, rx=1, fill=dark, fill_opacity=0.7)
    glyph += rect(17, 43, 30, 2.2, rx=1, fill=dark, fill_opacity=0.7)
    return _tile("#14b8a6", "#0f766e", glyph)


def watch_list():
    # An eye: the stocks kept in sight.
    glyph = path("M9 32 Q32 8 55 32 Q32 56 9 32 Z", fill="none", stroke=WHITE, stroke_width=3.6,
                 stroke_linejoin="round")
    glyph += circle(32, 32, 9.5, fill=WHITE)
    glyph += circle(32, 32, 4.2, fill="#3730a3")
    glyph += circle(35, 29, 1.6, fill=WHITE)
    return _tile("#6366f1", "#3730a3", glyph)


def portfolios():
    # A briefcase: the investor's holdings.
    dark = "#9f1239"
    glyph = rect(24.5, 13.5, 15, 11, rx=3, fill="none", stroke=WHITE, stroke_width=3.4)
    glyph += rect(11, 21, 42, 29, rx=5, fill=WHITE)
    glyph += rect(11, 32, 42, 3, fill=dark)
    glyph += rect(28, 29.5, 8, 8, rx=1.8, fill=WHITE, stroke=dark, stroke_width=1.8)
    return _tile("#f43f5e", "#9f1239", glyph)


def pictures():
    return {
        "ckvn_ico": market_overview(),
        "cktg_ico": world_stocks(),
        "vang_ico": gold(),
        "tigia_ico": exchange_rates(),
        "hh_ico": commodities(),
        "tt_ico": news(),
        "tdck_ico": watch_list(),
        "dm_ico": portfolios(),
    }
