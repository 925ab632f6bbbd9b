"""The peer of bench_levels: ezdxf doing PT2LEV, LEV2PT and PELEV.

Makes N POINTs (a million unless said) as bench_levels does, then times a
TEXT of each point's level (three decimals), a POINT at each text that
reads as a level (it must start with a digit; the number is its longest
prefix), and, on a drawing of the points alone, every point raised by 1.5.

Usage: /usr/bin/python3 levels_ezdxf.py [N]
"""
import re
import sys
import time

import ezdxf

LEVEL = re.compile(r"\s*(\d+(?:\.\d*)?(?:[eE][+-]?\d+)?)")

count = int(sys.argv[1]) if len(sys.argv) > 1 else 1000000


def draw_points():
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    for i in range(count):
        msp.add_point((1000.0 + i % 300, 2000.0 + i // 300, 50.0 + (i % 977) * 0.0371), dxfattribs={"layer": "SURVEY"})
    return msp


msp = draw_points()

start = time.perf_counter()
for point in msp.query("POINT"):
    x, y, z = point.dxf.location
    msp.add_text(f"{z:.3f}", dxfattribs={"layer": "mk_lev", "height": 3.0, "insert": (x, y, z)})
pt2lev = time.perf_counter() - start

start = time.perf_counter()
made = 0
for text in msp.query("TEXT"):
    match = LEVEL.match(text.dxf.text)
    if not match:
        continue
    x, y, _ = text.dxf.insert
    msp.add_point((x, y, float(match.group(1))), dxfattribs={"layer": "mk_pt"})
    made += 1
lev2pt = time.perf_counter() - start

msp = draw_points()
start = time.perf_counter()
raised = 0
for entity in msp.query("*"):
    entity.translate(0, 0, 1.5)
    raised += 1
pelev = time.perf_counter() - start
print(
    f"ezdxf PT2LEV {count} points: {pt2lev * 1000:.0f} ms; LEV2PT {made} texts: {lev2pt * 1000:.0f} ms; "
    f"PELEV {raised} points: {pelev * 1000:.0f} ms"
)
