"""Currency coins of the exchange-rate rows (32 x 32): one gold coin, the sign drawn as strokes."""

from .svg import circle, document, line, path, radial_gradient, rect

SIZE = 32
INK = "#5b3408"


def _coin(sign):
    defs = radial_gradient("coin", [(0, "#fff3c4"), (0.55, "#fbbf24"), (1, "#b7791f")], cx=0.4, cy=0.35, r=0.7)
    body = circle(16, 16, 14.5, fill="url(#coin)", stroke="#7c4a03", stroke_width=1)
    body += circle(16, 16, 11.8, fill="none", stroke=INK, stroke_opacity=0.35, stroke_width=0.8)
    return document(SIZE, SIZE, body + sign, defs)


def _ink(**extra):
    style = dict(fill="none", stroke=INK, stroke_width=2.4, stroke_linecap="round", stroke_linejoin="round")
    style.update(extra)
    return style


def dollar():
    sign = path("M20.5 11.2 C19.2 9.6 12 9.2 12 13 C12 16.6 20.5 15.4 20.5 19.2 C20.5 23 13.2 22.8 11.5 20.8",
                **_ink())
    sign += line(16, 7.5, 16, 24.5, **_ink(stroke_width=2))
    return _coin(sign)


def euro():
    sign = path("M21.5 10.6 A7 7 0 1 0 21.5 21.4", **_ink())
    sign += line(9.5, 14.4, 18, 14.4, **_ink(stroke_width=2))
    sign += line(9.5, 17.8, 17, 17.8, **_ink(stroke_width=2))
    return _coin(sign)


def yen():
    sign = path("M10.5 8.5 L16 16 L21.5 8.5", **_ink())
    sign += line(16, 16, 16, 24, **_ink())
    sign += line(11.5, 17.2, 20.5, 17.2, **_ink(stroke_width=2))
    sign += line(11.5, 21, 20.5, 21, **_ink(stroke_width=2))
    return _coin(sign)


def pound():
    sign = path("M20.5 11.5 C20.2 8.4 14.2 8 13.8 12 C13.6 14.6 14.6 17.4 14 20 C13.6 22 12.4 23 11 23.6 L21.5 23.6",
                **_ink())
    sign += line(10.8, 16.8, 18.4, 16.8, **_ink(stroke_width=2))
    return _coin(sign)


def swiss_franc():
    # The Swiss cross stands for the franc better than any letters would at this size.
    sign = rect(9, 9, 14, 14, rx=2.5, fill="#d52b1e")
    sign += rect(14.6, 11.4, 2.8, 9.2, fill="#ffffff")
    sign += rect(11.4, 14.6, 9.2, 2.8, fill="#ffffff")
    return _coin(sign)


def pictures():
    return {"dolla": dollar(), "euro": euro(), "jen": yen(), "pound": pound(), "chf": swiss_franc()}
