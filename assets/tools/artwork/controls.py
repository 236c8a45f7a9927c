"""Small pieces of the screens: the disclosure button, the news-row icon, the pressed look
of the bar buttons, the Asia-Pacific group marker and the application icon."""

from .svg import circle, document, ellipse, line, linear_gradient, path, polygon, polyline, rect

WHITE = "#ffffff"


def disclosure():
    # A round blue button with a chevron, 20 x 20.
    defs = linear_gradient("button", [(0, "#3b82f6"), (1, "#1d4ed8")])
    body = circle(10, 10, 9, fill="url(#button)", stroke="#93c5fd", stroke_opacity=0.6, stroke_width=0.8)
    body += polyline([(8.2, 5.8), (12.4, 10), (8.2, 14.2)], fill="none", stroke=WHITE, stroke_width=2.3,
                     stroke_linecap="round", stroke_linejoin="round")
    return document(20, 20, body, defs)


def news_icon():
    # A small amber page with a headline and lines, 24 x 24.
    defs = linear_gradient("page", [(0, "#fbbf24"), (1, "#d97706")])
    body = rect(2.5, 3, 19, 18, rx=3, fill="url(#page)")
    body += rect(5.5, 6, 13, 3, rx=0.8, fill=WHITE)
    body += rect(5.5, 11, 5.5, 6.5, rx=0.8, fill=WHITE, fill_opacity=0.85)
    for y in (11, 13.7, 16.4):
        body += rect(12.5, y, 6, 1.3, rx=0.6, fill=WHITE, fill_opacity=0.85)
    return document(24, 24, body, defs)


def bar_highlight():
    # Stretched over a pressed bar button: a soft blue glow with a lighter rim (64 x 32).
    defs = linear_gradient("glow", [(0, "#60a5fa", 0.65), (1, "#1e40af", 0.55)])
    body = rect(1, 1, 62, 30, rx=5, fill="url(#glow)", stroke="#bfdbfe", stroke_opacity=0.7, stroke_width=1)
    return document(64, 32, body, defs)


def asia_pacific_marker():
    # A globe turned to the east under the morning sun: the Asia-Pacific group, 24 x 24.
    body = circle(12, 12.5, 9.5, fill="#0c4a6e", stroke="#38bdf8", stroke_width=1.3)
    body += ellipse(12, 12.5, 4, 9.5, fill="none", stroke="#38bdf8", stroke_opacity=0.7, stroke_width=0.9)
    body += line(2.5, 12.5, 21.5, 12.5, stroke="#38bdf8", stroke_opacity=0.7, stroke_width=0.9)
    body += path("M13 7 C16 6.5 19 8.5 19.5 11 C18 12 17.5 14.5 15.5 15.5 C14 14 12.5 12 13.5 10 Z",
                 fill="#4ade80")
    body += circle(19.5, 4.5, 2.8, fill="#fbbf24", stroke="#f59e0b", stroke_width=0.8)
    return document(24, 24, body)


def app_icon():
    # A black raven against a golden moon, perched on a rising market line, on a dark rounded
    # tile, 64 x 64. Three big shapes in three contrasting colours, so it still reads at 16 pixels.
    defs = linear_gradient("tile", [(0, "#1e293b"), (1, "#020617")])
    defs += linear_gradient("moon", [(0, "#fde68a"), (1, "#f59e0b")])
    market = [(7, 54), (15, 49.5), (21, 51), (38, 47), (44, 40), (49, 42.5), (57, 16)]
    body = rect(2, 2, 60, 60, rx=13, fill="url(#tile)", stroke="#334155", stroke_width=1.5)
    body += circle(31, 30, 21, fill="url(#moon)")
    body += _raven()
    body += polyline(market, fill="none", stroke="#22c55e", stroke_width=5, stroke_linecap="round",
                     stroke_linejoin="round")
    return document(64, 64, body, defs)


def _raven():
    # Facing the line's rise: a heavy beak, shaggy throat, wedge tail, feet on the line.
    silhouette = (
        "M52.5 24.5 C49 20.5 45.5 17.5 41 16.5 C39 12.5 33 12.5 31 17 C28 23 24 28 21 34 L14 46 L19 45.5 "
        "L23 44 C28 46 34 45 38 40 C41.5 35.5 42.5 31 42 28 L44 26.5 L42.5 26 Z"
    )
    bird = path(silhouette, fill="#0b1120")
    for x in (28.5, 33):
        bird += line(x, 44, x, 49, stroke="#0b1120", stroke_width=2, stroke_linecap="round")
    bird += circle(38, 19, 1.3, fill="#fde68a")
    return bird


def pictures():
    return {
        "AccDisclosure": disclosure(),
        "news_icon": news_icon(),
        "bar_hl": bar_highlight(),
        "ck_ca": asia_pacific_marker(),
        "corvastel": app_icon(),
    }
