#!/usr/bin/env python3
"""Writes every picture of Corvastel into assets/images/ as SVG.

Run it again after changing a drawing: python3 assets/tools/make_artwork.py
Pictures are named after the image names the screens ask for, with the .svg extension;
the program's loader tries ".png" first, then ".svg" of the same base name.
"""

import pathlib
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))

from artwork import chart_axes, controls, currencies, flags, live_frames, menu_icons  # noqa: E402

FAMILIES = (menu_icons, flags, currencies, live_frames, chart_axes, controls)


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / "images"
    out.mkdir(exist_ok=True)
    written = 0
    for family in FAMILIES:
        for name, svg in family.pictures().items():
            (out / f"{name}.svg").write_text(svg, encoding="utf-8")
            written += 1
    print(f"{written} pictures written to {out}")


if __name__ == "__main__":
    main()
