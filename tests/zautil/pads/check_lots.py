"""Checks PADLEV's lots against shapely: the input drawing's linework is
noded and polygonized independently (arcs walked in 25 cm steps from
vertex to vertex), and each text's face compared with the boundary PADLEV drew
around that text.

    check_lots.py INPUT.dxf OUTPUT.dxf TOLERANCE

Prints "OK" and then the independent area of each lot, in text order, or
what differs. Every text must lie in a face (the drawings checked are made
so) and PADLEV's boundary around it must be at the text's level.
"""
import math
import sys
import warnings

import ezdxf
from ezdxf.math import bulge_to_arc
from shapely.geometry import MultiLineString, MultiPoint, Point, Polygon
from shapely.ops import polygonize, snap, unary_union
from shapely.strtree import STRtree

STEP = 0.25
# shapely 1.8 warns of the 2.0 STRtree; this script uses what both keep.
warnings.filterwarnings("ignore", message="STRtree will be changed")


def chain(vertices, closed):
    """Points of a polyline of (x, y, bulge) vertices, each vertex itself
    kept, so that lines drawn to it meet it exactly."""
    points = []
    n = len(vertices)
    for i in range(n if closed else n - 1):
        x1, y1, bulge = vertices[i]
        x2, y2, _ = vertices[(i + 1) % n]
        points.append((x1, y1))
        if not bulge:
            continue
        centre, start, end, radius = bulge_to_arc((x1, y1), (x2, y2), bulge)
        sweep = (end - start) % (2 * math.pi)
        steps = max(1, math.ceil(radius * sweep / STEP))
        # A negative bulge runs clockwise: from the arc's end back to its start.
        angles = [start + sweep * j / steps if bulge > 0 else end - sweep * j / steps for j in range(1, steps)]
        points.extend((centre.x + radius * math.cos(a), centre.y + radius * math.sin(a)) for a in angles)
    points.append(vertices[0][:2] if closed else vertices[-1][:2])
    return points


def linework(doc):
    lines = []
    for e in doc.modelspace():
        kind = e.dxftype()
        if kind == "LINE":
            lines.append([(e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)])
        elif kind == "LWPOLYLINE":
            lines.append(chain([(x, y, b) for x, y, _, _, b in e.get_points()], e.closed))
        elif kind == "POLYLINE":
            lines.append(chain([(v.dxf.location.x, v.dxf.location.y, v.dxf.bulge) for v in e.vertices], e.is_closed))
    # An end lying on a line within rounding (a T-junction) is put into it:
    # GEOS nodes only exact meetings.
    ends = MultiPoint([line[0] for line in lines] + [line[-1] for line in lines])
    return snap(MultiLineString(lines), ends, 1e-7)


def texts(doc):
    return [(Point(t.dxf.insert.x, t.dxf.insert.y), t.dxf.text) for t in doc.modelspace().query("TEXT")]


def containing(tree, polygons, point):
    for candidate in tree.query(point):
        if candidate.contains(point):
            return candidate
    return None


def main(input_path, output_path, tolerance):
    source = ezdxf.readfile(input_path)
    faces = list(polygonize(unary_union(linework(source))))
    face_tree = STRtree(faces)

    drawn = ezdxf.readfile(output_path)
    auditor = drawn.audit()
    if auditor.has_errors:
        return "audit: %s" % [e.message for e in auditor.errors][:3]
    ours, levels = [], {}
    for e in drawn.modelspace().query("POLYLINE"):
        if not e.dxf.layer.endswith("_line"):
            continue
        points = [v.dxf.location for v in e.vertices]
        boundary = Polygon([(p.x, p.y) for p in points])
        ours.append(boundary)
        levels[id(boundary)] = {p.z for p in points}
    our_tree = STRtree(ours)

    lots = texts(source)
    areas = []
    for point, text in lots:
        face = containing(face_tree, faces, point)
        if face is None:
            return "no face around the text %r at %s" % (text, point.wkt)
        mine = containing(our_tree, ours, point)
        if mine is None:
            return "no boundary drawn around the text %r at %s" % (text, point.wkt)
        if abs(mine.area - face.area) > tolerance:
            return "lot at %s: area %.4f, shapely %.4f" % (point.wkt, mine.area, face.area)
        if levels[id(mine)] != {float(text)}:
            return "lot at %s: levels %s, text %s" % (point.wkt, levels[id(mine)], text)
        areas.append(face.area)
    if len(ours) != len(lots):
        return "%d boundaries for %d lots" % (len(ours), len(lots))
    labels = [t for t in drawn.modelspace().query("TEXT") if t.dxf.layer.endswith("_text")]
    if len(labels) != len(lots):
        return "%d labels for %d lots" % (len(labels), len(lots))
    return "OK\n" + "\n".join("%.6f" % a for a in areas)


if __name__ == "__main__":
    print(main(sys.argv[1], sys.argv[2], float(sys.argv[3])))
