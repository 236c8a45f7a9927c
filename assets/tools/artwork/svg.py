"""Tiny helpers that write SVG Tiny 1.2 text Qt's renderer accepts.

Only basic shapes, paths and gradients are used: no CSS, no filters, no clip paths,
so every picture renders the same in QSvgRenderer as in a browser.
"""

import math


def fmt(value):
    """A number with at most three decimals and no trailing zeros."""
    text = f"{value:.3f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def attrs(**kwargs):
    """Attributes from keyword arguments; '_' becomes '-', None values are left out."""
    parts = []
    for key, value in kwargs.items():
        if value is None:
            continue
        name = key.rstrip("_").replace("_", "-")
        if isinstance(value, float):
            value = fmt(value)
        parts.append(f'{name}="{value}"')
    return " ".join(parts)


def document(width, height, body, defs="", comment=None):
    """A whole SVG file with a viewBox of width x height."""
    head = '<?xml version="1.0" encoding="UTF-8"?>\n'
    if comment:
        head += f"<!-- {comment} -->\n"
    head += (
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{fmt(width)}" height="{fmt(height)}" viewBox="0 0 {fmt(width)} {fmt(height)}">\n'
    )
    if defs:
        head += f"<defs>\n{defs}</defs>\n"
    return head + body + "</svg>\n"


def linear_gradient(gid, stops, x1=0, y1=0, x2=0, y2=1):
    """A gradient in bounding-box units; stops are (offset, colour[, opacity])."""
    text = f'<linearGradient id="{gid}" x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}">\n'
    return text + _stops(stops) + "</linearGradient>\n"


def radial_gradient(gid, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None):
    fx = cx if fx is None else fx
    fy = cy if fy is None else fy
    text = (
        f'<radialGradient id="{gid}" cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" '
        f'fx="{fmt(fx)}" fy="{fmt(fy)}">\n'
    )
    return text + _stops(stops) + "</radialGradient>\n"


def _stops(stops):
    text = ""
    for stop in stops:
        offset, colour = stop[0], stop[1]
        opacity = stop[2] if len(stop) > 2 else 1
        text += f'  <stop offset="{fmt(offset)}" stop-color="{colour}" stop-opacity="{fmt(opacity)}"/>\n'
    return text


def rect(x, y, w, h, rx=None, **style):
    return f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" ' + (
        f'rx="{fmt(rx)}" ry="{fmt(rx)}" ' if rx else ""
    ) + attrs(**style) + "/>\n"


def circle(cx, cy, r, **style):
    return f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" ' + attrs(**style) + "/>\n"


def ellipse(cx, cy, rx, ry, **style):
    return f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx)}" ry="{fmt(ry)}" ' + attrs(**style) + "/>\n"


def line(x1, y1, x2, y2, **style):
    return (
        f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" ' + attrs(**style) + "/>\n"
    )


def polygon(points, **style):
    return f'<polygon points="{_points(points)}" ' + attrs(**style) + "/>\n"


def polyline(points, **style):
    return f'<polyline points="{_points(points)}" ' + attrs(**style) + "/>\n"


def path(d, **style):
    return f'<path d="{d}" ' + attrs(**style) + "/>\n"


def group(body, transform=None, **style):
    opening = "<g"
    if transform:
        opening += f' transform="{transform}"'
    extra = attrs(**style)
    if extra:
        opening += " " + extra
    return opening + ">\n" + body + "</g>\n"


def text(x, y, content, size, colour, anchor="middle", weight=None):
    """Plain text in DejaVu Sans, the font every machine of ours has."""
    return (
        f'<text x="{fmt(x)}" y="{fmt(y)}" font-family="DejaVu Sans" font-size="{fmt(size)}" '
        + attrs(font_weight=weight, text_anchor=anchor, fill=colour)
        + f">{content}</text>\n"
    )


def _points(points):
    return " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)


def star_points(cx, cy, outer, inner, tips=5, rotation=-90.0):
    """Corners of a star with `tips` points; the first tip points at `rotation` degrees."""
    points = []
    for i in range(tips * 2):
        radius = outer if i % 2 == 0 else inner
        angle = math.radians(rotation + i * 180.0 / tips)
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def wedge(cx, cy, r, start_deg, end_deg):
    """Path data of a pie slice from start to end angle (degrees, clockwise on screen)."""
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    x0, y0 = cx + r * math.cos(a0), cy + r * math.sin(a0)
    x1, y1 = cx + r * math.cos(a1), cy + r * math.sin(a1)
    large = 1 if (end_deg - start_deg) % 360 > 180 else 0
    return (
        f"M{fmt(cx)} {fmt(cy)} L{fmt(x0)} {fmt(y0)} "
        f"A{fmt(r)} {fmt(r)} 0 {large} 1 {fmt(x1)} {fmt(y1)} Z"
    )
