"""The oracle of the string export tests, independent of the module.

  export_oracle.py make DRAWING.dxf
      writes a drawing with every kind of entity UROUT and TROUT convert;
  export_oracle.py check DRAWING.dxf FILE.ur1|FILE.tr1
      works out, with ezdxf's own coordinate systems and its reading of the
      drawing, the points the export must write (arcs by quarterly divisions
      of 1, the default layer-name options), decodes the UR or TR file and
      prints OK, or what differs.
"""
import math
import struct
import sys

import ezdxf
from ezdxf.math import OCS, Vec3

DOWN = (0, 0, -1)


def make(path):
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    msp.add_line((0, 0, 1), (10, 0, 2), dxfattribs={"layer": "ROAD"})
    msp.add_point((5, 5, -120), dxfattribs={"layer": "TREE"})
    msp.add_text("12.5", dxfattribs={"layer": "TXT", "insert": (1, 2, 3)})
    msp.add_mtext("note", dxfattribs={"layer": "NOTE", "insert": (4, 5, 6)})
    msp.add_arc((20, 0, 3), 5, 30, 300, dxfattribs={"layer": "KERB"})
    msp.add_circle((40, 0, 12000), 2, dxfattribs={"layer": "MH"})
    msp.add_3dface([(0, 0, 0), (1, 0, 1), (1, 1, 2), (1, 1, 2)], dxfattribs={"layer": "TIN"})
    fence = msp.add_lwpolyline([(0, 0, 0, 0, 0), (10, 0, 0, 0, 0.5), (10, 10, 0, 0, 0), (0, 10, 0, 0, -1)],
                               format="xyseb", dxfattribs={"layer": "FENCE", "elevation": 4})
    fence.closed = True
    msp.add_lwpolyline([(1, 1, 0, 0, 1), (3, 1, 0, 0, 0), (3, 4, 0, 0, 0)], format="xyseb",
                       dxfattribs={"layer": "UNDER", "elevation": 2, "extrusion": DOWN})
    edge = msp.add_polyline2d([(0, 20), (10, 20), (20, 30)], dxfattribs={"layer": "EDGE"})
    for vertex, bulge in zip(edge.vertices, (0.3, 0, -0.7)):
        vertex.dxf.bulge = bulge
    lot = msp.add_polyline2d([(50, 0), (60, 0), (60, 10)], dxfattribs={"layer": "LOT"})
    lot.close(True)
    lot.vertices[2].dxf.bulge = 0.4
    msp.add_polyline3d([(0, 0, 1), (5, 5, 2), (9, 1, 3)], dxfattribs={"layer": "BREAK"})
    msp.add_arc((5, 0, 2), 3, 0, 90, dxfattribs={"layer": "MIRROR", "extrusion": DOWN})
    for name in ("POINT", "TREE"):
        doc.blocks.new(name)
        msp.add_blockref(name, (7, 8, 9), dxfattribs={"layer": "SYM"})
    doc.saveas(path)


def level(z):
    return z > -99.0


def clamp(z):
    return min(max(z, -99.0), 9999.0)


def steps(sweep):
    """Quarterly divisions of 1: a step per quarter turn begun."""
    return max(1, math.ceil(abs(sweep) / (math.pi / 2) - 1e-12))


class Expected:
    def __init__(self):
        self.points = []  # (string, x, y, z, text)
        self.string = 0

    def text(self, layer, tag, has_level):
        return (layer.ljust(14) + tag + ("YSYS" if has_level else "NUYS"))[:20]

    def add(self, string, p, layer, tag, has_level, clamped=True):
        z = clamp(p[2]) if clamped else p[2]
        self.points.append((string, p[0], p[1], z, self.text(layer, tag, has_level)))

    def levelled(self, p, layer, tag, string=None):
        self.add(self.string if string is None else string, p, layer, tag, level(p[2]))

    def new_string(self):
        self.string += 1

    def arc(self, ocs, centre, radius, start, sweep, layer, tag, has_level):
        n = steps(sweep)
        for i in range(n + 1):
            a = start + i * sweep / n
            p = ocs.to_wcs((centre[0] + radius * math.cos(a), centre[1] + radius * math.sin(a), centre[2]))
            self.add(self.string, p, layer, tag, has_level)

    def bulge(self, ocs, p1, p2, bulge, layer, tag):
        """The arc from p1 to p2, walked from p1 by its signed included angle."""
        theta = 4 * math.atan(bulge)
        chord = math.hypot(p2[0] - p1[0], p2[1] - p1[1])
        radius = chord / (2 * abs(math.sin(theta / 2)))
        mid = ((p1[0] + p2[0]) / 2, (p1[1] + p2[1]) / 2)
        # The centre lies off the chord's middle, to the left for a
        # counter-clockwise arc of less than a half turn.
        offset = radius * math.cos(theta / 2) * (1 if bulge > 0 else -1)
        ux, uy = (p2[0] - p1[0]) / chord, (p2[1] - p1[1]) / chord
        centre = (mid[0] - uy * offset, mid[1] + ux * offset, p1[2])
        start = math.atan2(p1[1] - centre[1], p1[0] - centre[0])
        has_level = level(ocs.to_wcs(p1).z) and level(ocs.to_wcs(p2).z)
        self.arc(ocs, centre, radius, start, theta, layer, tag, has_level)


def expected_points(path):
    doc = ezdxf.readfile(path)
    out = Expected()
    for e in doc.modelspace():
        kind, layer = e.dxftype(), e.dxf.layer
        if kind == "LINE":
            out.new_string()
            out.levelled(e.dxf.start, layer, "LS")
            out.levelled(e.dxf.end, layer, "LE")
        elif kind == "POINT":
            out.levelled(e.dxf.location, layer, "ar", 0)
        elif kind == "TEXT":
            out.levelled(e.ocs().to_wcs(e.dxf.insert), layer, "tx", 0)
        elif kind == "MTEXT":
            out.levelled(e.dxf.insert, layer, "tx", 0)
        elif kind in ("ARC", "CIRCLE"):
            out.new_string()
            ocs = e.ocs()
            start, end = (e.dxf.start_angle, e.dxf.end_angle) if kind == "ARC" else (0, 360)
            sweep = math.radians((end - start) % 360 or (360 if kind == "CIRCLE" else 0))
            c = e.dxf.center
            out.arc(ocs, c, e.dxf.radius, math.radians(start), sweep, layer, "as" if kind == "ARC" else "ci",
                    level(ocs.to_wcs(c).z))
        elif kind == "3DFACE":
            out.new_string()
            corners = [e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx2, e.dxf.vtx3]
            if corners[2] == corners[3]:
                corners[3] = corners[0]
            for c in corners:
                out.add(out.string, c, layer, "fc", True, clamped=False)
        elif kind == "LWPOLYLINE":
            out.new_string()
            ocs, z = e.ocs(), e.dxf.elevation
            vs = [(Vec3(x, y, z), b) for x, y, _, _, b in e.get_points("xyseb")]
            i, n = 0, len(vs)
            while i < n:
                p, b = vs[i]
                nxt = vs[i + 1][0] if i + 1 < n else (vs[0][0] if e.closed else None)
                if b == 0 or nxt is None:
                    out.levelled(ocs.to_wcs(p), layer, "pc")
                    i += 1
                    continue
                out.bulge(ocs, p, nxt, b, layer, "lw")
                i += 2 if i + 1 < n and vs[i + 1][1] == 0 else 1
            if e.closed:
                out.levelled(ocs.to_wcs(vs[0][0]), layer, "pp")
        elif kind == "POLYLINE":
            out.new_string()
            ocs = OCS() if e.is_3d_polyline else e.ocs()
            vs = [(Vec3(v.dxf.location), v.dxf.bulge) for v in e.vertices]
            for i, (p, b) in enumerate(vs):
                nxt = vs[i + 1][0] if i + 1 < len(vs) else (vs[0][0] if e.is_closed else None)
                if b == 0 or nxt is None:
                    out.levelled(ocs.to_wcs(p), layer, "pl")
                else:
                    out.bulge(ocs, p, nxt, b, layer, "pl")
            if e.is_closed:
                out.levelled(ocs.to_wcs(vs[0][0]), layer, "pc")
        elif kind == "INSERT" and e.dxf.name == "POINT":
            out.levelled(e.dxf.insert, layer, "ar", 0)
    return out.points


def ur_points(path):
    data = open(path, "rb").read()
    assert data[:20] == b"Version 2.2 and over", "version tag"
    count = struct.unpack_from("<i", data, 56)[0]
    assert count == len(data) // 56 - 4, "count"
    for offset in range(224, len(data), 56):
        s, n, x, y, z, text = struct.unpack_from("<iiddd20s", data, offset)
        yield s, n, x, y, z, text.decode("latin-1")


def tr_points(path):
    lines = open(path, "rb").read().decode("latin-1").split("\r\n")
    assert lines[0] == "Zarvo\tVersion 2.2 and over\tFrom AutoCAD 2000 Interface", "header"
    assert lines[-1] == "", "CRLF after the last line"
    for line in lines[1:-1]:
        yield (int(line[0:6]), int(line[6:12]), float(line[12:25]), float(line[25:38]), float(line[38:48]),
               line[49:53] + line[54:])


def check(drawing, path):
    tr = path[-3:-1].lower() == "tr"
    actual = list(tr_points(path) if tr else ur_points(path))
    expected = expected_points(drawing)
    tolerance = 0.00005 + 1e-9 if tr else 1e-9
    problems = []
    if len(actual) != len(expected):
        problems.append(f"{len(actual)} points written, {len(expected)} expected")
    for i, (a, e) in enumerate(zip(actual, expected)):
        s, n, x, y, z, text = a
        if s != e[0] or n != i or text != e[4] or max(abs(x - e[1]), abs(y - e[2]), abs(z - e[3])) > tolerance:
            problems.append(f"point {i}: {a} but expected {e}")
    print("\n".join(problems[:10]) if problems else "OK")


if __name__ == "__main__":
    if sys.argv[1] == "make":
        make(sys.argv[2])
    else:
        check(sys.argv[2], sys.argv[3])
