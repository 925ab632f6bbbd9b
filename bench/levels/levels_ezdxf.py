"""The peer of bench_levels: ezdxf doing PT2LEV and LEV2PT.

Makes 100,000 POINTs as bench_levels does, then times a TEXT of each
point's level (three decimals) and a POINT at each text that reads as a
level (it must start with a digit; the number is its longest prefix).

Usage: /usr/bin/python3 levels_ezdxf.py [N]
"""
import re
import sys
import time

import ezdxf

LEVEL = re.compile(r"\s*(\d+(?:\.\d*)?(?:[eE][+-]?\d+)?)")

count = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
doc = ezdxf.new("R12")
msp = doc.modelspace()
for i in range(count):
    msp.add_point((1000.0 + i % 300, 2000.0 + i // 300, 50.0 + (i % 977) * 0.0371), dxfattribs={"layer": "SURVEY"})

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
print(f"ezdxf PT2LEV {count} points: {pt2lev * 1000:.0f} ms; LEV2PT {made} texts: {lev2pt * 1000:.0f} ms")
