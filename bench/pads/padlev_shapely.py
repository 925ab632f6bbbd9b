"""The peer of bench_padlev: PADLEV's job scripted with shapely and ezdxf on
their fastest paths. iterdxf reads the linework and texts; bulges become
chords by the same flatness rule; shapely nodes the linework (unary_union),
polygonizes it and finds the face of each text through an STRtree; ezdxf's
r12writer writes each lot's boundary as a 3D polyline at the text's level
with its "Lot n Area a" label under the text.

GEOS nodes only exact meetings, so every line is drawn out by a micrometre
at both ends first: a line ending on another (a T-junction) then crosses it
and is noded, and the stub left over is a dangle that polygonize drops.

Usage: /usr/bin/python3 padlev_shapely.py INPUT.dxf OUTPUT.dxf FLATNESS
Prints: "lots N read R node U polygonize P locate L write W" (seconds).
"""
import math
import sys
import time
import warnings

from ezdxf.addons import iterdxf
from ezdxf.addons.r12writer import r12writer
from ezdxf.math import bulge_to_arc
from shapely.geometry import LineString, MultiLineString, Point
from shapely.ops import polygonize, unary_union
from shapely.strtree import STRtree

warnings.filterwarnings("ignore", message="STRtree will be changed")
REACH = 1e-6


def arc_points(p1, p2, bulge, flatness, out):
    centre, start, end, radius = bulge_to_arc(p1, p2, bulge)
    sweep = (end - start) % (2 * math.pi)
    if radius > flatness:
        chord = 2 * math.sqrt(radius * radius - (radius - flatness) ** 2)
        steps = max(1, math.ceil(radius * sweep / chord))
    else:
        steps = 1
    for j in range(1, steps):
        a = start + sweep * j / steps if bulge > 0 else end - sweep * j / steps
        out.append((centre.x + radius * math.cos(a), centre.y + radius * math.sin(a)))


def chain(vertices, closed, flatness):
    points = []
    n = len(vertices)
    for i in range(n if closed else n - 1):
        x1, y1, bulge = vertices[i]
        points.append((x1, y1))
        if bulge:
            x2, y2, _ = vertices[(i + 1) % n]
            arc_points((x1, y1), (x2, y2), bulge, flatness, points)
    points.append(vertices[0][:2] if closed else vertices[-1][:2])
    return points


def beyond(a, b):
    """b moved REACH further from a."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = math.hypot(dx, dy) or 1.0
    return (b[0] + dx / length * REACH, b[1] + dy / length * REACH)


def reach_out(points):
    """The line with both ends drawn out by REACH; a closed one as it is."""
    if points[0] == points[-1]:
        return points
    return [beyond(points[1], points[0])] + points[1:-1] + [beyond(points[-2], points[-1])]


def read(path, flatness):
    lines, texts = [], []
    for e in iterdxf.modelspace(path, types=["LINE", "LWPOLYLINE", "POLYLINE", "TEXT"]):
        kind = e.dxftype()
        if kind == "LINE":
            lines.append([(e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)])
        elif kind == "LWPOLYLINE":
            lines.append(chain([(x, y, b) for x, y, _, _, b in e.get_points()], e.closed, flatness))
        elif kind == "POLYLINE":
            lines.append(chain([(v.dxf.location.x, v.dxf.location.y, v.dxf.bulge) for v in e.vertices],
                               e.is_closed, flatness))
        else:
            texts.append((e.dxf.insert.x, e.dxf.insert.y, e.dxf.text, e.dxf.height, e.dxf.rotation))
    return lines, texts


def label(lot, area):
    decimals = 0 if area > 1000 else 1 if area > 250 else 2
    return "Lot %d Area %.*f" % (lot, decimals, area)


def main(input_path, output_path, flatness):
    times = []
    clock = time.perf_counter()
    cpu = time.process_time()

    def lap():
        nonlocal clock
        now = time.perf_counter()
        times.append(now - clock)
        clock = now

    lines, texts = read(input_path, flatness)
    lap()
    noded = unary_union(MultiLineString([reach_out(line) for line in lines]))
    lap()
    faces = list(polygonize(noded))
    lap()
    tree = STRtree(faces)
    lots = []
    for x, y, text, height, rotation in texts:
        try:
            level = float(text)
        except ValueError:
            continue
        point = Point(x, y)
        face = next((f for f in tree.query(point) if f.contains(point)), None)
        if face is not None and face.area > 0:
            lots.append((face, level, x, y, height, rotation))
    lap()
    with r12writer(output_path) as dxf:
        for number, (face, level, x, y, height, rotation) in enumerate(lots, start=1):
            dxf.add_polyline([(px, py, level) for px, py in face.exterior.coords], layer="mklev_line",
                             color=(number % 24) * 10 + 12)
            down = math.radians(270 + rotation)
            dxf.add_text(label(number, face.area), insert=(x + 1.5 * height * math.cos(down),
                                                           y + 1.5 * height * math.sin(down)),
                         height=height, rotation=rotation, layer="mklev_text")
    lap()
    print("lots %d read %.3f node %.3f polygonize %.3f locate %.3f write %.3f cpu %.3f"
          % (len(lots), *times, time.process_time() - cpu))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], float(sys.argv[3]))
