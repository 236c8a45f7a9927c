"""Trading-hours axes drawn under the company and market intraday charts.

The charts place market minute m (minutes since 08:30) at screen x
  HoSE: 199 + (m - 30) * 248 / 75   (09:00 .. 10:15)
  HNX:  199 + m * 248 / 150          (08:30 .. 11:00)
Each picture is AXIS_WIDTH x AXIS_HEIGHT and is meant to sit with its left edge at screen
x AXIS_LEFT (for the company chart: frame (184, 124, 280, 18), right under the bars' base line
at y 122), so its ticks fall exactly on those x positions.
"""

from .svg import document, line, text

AXIS_LEFT = 184
AXIS_WIDTH = 280
AXIS_HEIGHT = 18
LABEL_GREY = "#8c8c8c"  # the charts' own 0.55 grey
TICK_GREY = "#6b6b6b"
LABEL_SIZE = 8
LABEL_BASELINE = 13.5


def hose_x(minute):
    return 199 + (minute - 30) * 248 / 75


def hnx_x(minute):
    return 199 + minute * 248 / 150


def clock(minute):
    total = 8 * 60 + 30 + minute
    return f"{total // 60:02d}:{total % 60:02d}"


def _axis(first, last, step, label_every, to_x, name):
    left = to_x(first) - AXIS_LEFT
    right = to_x(last) - AXIS_LEFT
    body = line(left, 0.5, right, 0.5, stroke=TICK_GREY, stroke_width=1)
    for minute in range(first, last + 1, step):
        x = to_x(minute) - AXIS_LEFT
        labelled = (minute - first) % label_every == 0
        body += line(x, 0, x, 4.5 if labelled else 2.5, stroke=LABEL_GREY if labelled else TICK_GREY, stroke_width=1)
        if labelled:
            body += text(x, LABEL_BASELINE, clock(minute), LABEL_SIZE, LABEL_GREY)
    comment = f"{name} trading hours; left edge at screen x {AXIS_LEFT}"
    return document(AXIS_WIDTH, AXIS_HEIGHT, body, comment=comment)


def hose_axis():
    return _axis(30, 105, 5, 15, hose_x, "HoSE")


def hnx_axis():
    return _axis(0, 150, 15, 30, hnx_x, "HNX")


def pictures():
    return {"hotimeChart": hose_axis(), "hatimeChart": hnx_axis()}
