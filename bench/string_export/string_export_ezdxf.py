"""The peer of bench_string_export: ezdxf reading a drawing with its iterdxf
add-on (its fastest reader, one entity at a time) and writing the points
UROUT or TROUT write, by the same rules: lines, points, texts, arcs and
lightweight polylines with bulges, arcs in quarterly divisions of 2, point
texts from the layer name (14 characters, the last 8 of a longer one), the
entity tag and the level code.

Usage: /usr/bin/python3 string_export_ezdxf.py ur|tr DRAWING.dxf OUTPUT
"""
import math
import struct
import sys

from ezdxf.addons import iterdxf

PI = 3.141592653589793
FULL_TURN = 6.283185307179586
QUARTER = 90.0 / 180.0 * PI
DIVISIONS = 2.0


def angle(c, p):
    a = math.atan2(p[1] - c[1], p[0] - c[0])
    if a == 0:
        return 0.0
    if a > 0:
        return a
    wrapped = a + 2 * math.pi
    return wrapped if wrapped < 2 * math.pi else 0.0


def arc_points(cx, cy, cz, r, a, e, d):
    s = e - a
    n = max(1, math.ceil(s / (QUARTER / DIVISIONS)))
    t = d * s / n
    a0 = a if d > 0 else e
    return [(math.cos(i * t + a0) * r + cx, math.sin(i * t + a0) * r + cy, cz) for i in range(n + 1)]


def bulge_points(p1, p2, b):
    h = 2 * math.atan(b)
    dx, dy = p2[0] - p1[0], p2[1] - p1[1]
    k = math.cos(h) / (2 * math.sin(h))
    cx, cy = (p1[0] + p2[0]) * 0.5 - k * dy, (p1[1] + p2[1]) * 0.5 + k * dx
    r = math.hypot(dx, dy) / abs(2 * math.sin(h))
    a, e = (angle((cx, cy), p1), angle((cx, cy), p2)) if b > 0 else (angle((cx, cy), p2), angle((cx, cy), p1))
    if e < a:
        e += FULL_TURN
    return arc_points(cx, cy, p1[2], r, a, e, 1 if b > 0 else -1)


def name_part(layer):
    layer = layer.rstrip(" ")
    return layer[:6] + layer[-8:] if len(layer) >= 14 else layer.ljust(14)


class Writer:
    def __init__(self, kind):
        self.kind = kind
        self.parts = []
        self.count = 0
        self.string = 0
        self.name = ""

    def put(self, string, p, tag, level):
        x, y, z = p
        text = (self.name + tag + ("YSYS" if level else "NUYS"))[:20]
        if self.kind == "ur":
            self.parts.append(struct.pack("<iiddd20s4x", string, self.count, x, y, z, text.encode("latin-1")))
        else:
            # The point number keeps its 6 columns by counting on from 0.
            self.parts.append("%6d%6d%13.4f%13.4f%10.4f %-4.4s %.16s\r\n" % (string, self.count % 1000000, x, y, z,
                                                                           text[:4], text[4:]))
        self.count += 1

    def levelled(self, string, p, tag):
        self.put(string, (p[0], p[1], min(max(p[2], -99.0), 9999.0)), tag, p[2] > -99.0)

    def arc(self, points, tag, level):
        for x, y, z in points:
            self.put(self.string, (x, y, min(max(z, -99.0), 9999.0)), tag, level)

    def entity(self, e):
        kind = e.dxftype()
        self.name = name_part(e.dxf.layer)
        if kind == "LINE":
            self.string += 1
            self.levelled(self.string, e.dxf.start, "LS")
            self.levelled(self.string, e.dxf.end, "LE")
        elif kind in ("POINT", "TEXT"):
            self.levelled(0, e.dxf.location if kind == "POINT" else e.dxf.insert, "ar" if kind == "POINT" else "tx")
        elif kind == "ARC":
            self.string += 1
            c = e.dxf.center
            a, end = math.radians(e.dxf.start_angle), math.radians(e.dxf.end_angle)
            if end < a:
                end += FULL_TURN
            self.arc(arc_points(c[0], c[1], c[2], e.dxf.radius, a, end, 1), "as", c[2] > -99.0)
        elif kind == "LWPOLYLINE":
            self.lwpolyline(e)

    def lwpolyline(self, e):
        self.string += 1
        z = e.dxf.elevation
        vs = [((x, y, z), b) for x, y, b in e.get_points("xyb")]
        n, closed, i = len(vs), e.closed, 0
        while i < n:
            p, b = vs[i]
            nxt = vs[i + 1][0] if i + 1 < n else (vs[0][0] if closed else None)
            if b == 0 or nxt is None:
                self.levelled(self.string, p, "pc")
                i += 1
                continue
            self.arc(bulge_points(p, nxt, b), "lw", z > -99.0)
            i += 2 if i + 1 < n and vs[i + 1][1] == 0 else 1
        if closed and n:
            self.levelled(self.string, vs[0][0], "pp")

    def save(self, path):
        if self.kind == "ur":
            def block(text, count=None):
                head = struct.pack("<i", count) if count is not None else b""
                body = (head + text).ljust(52, b" ")
                return body + b"\0\0\0\0"
            header = (block(b"Version 2.2 and over\0") + block(b"", self.count) +
                      block(b"from ZARVO AutoCAD Interface\0") + block(b""))
            with open(path, "wb") as f:
                f.write(header)
                f.write(b"".join(self.parts))
        else:
            with open(path, "w", encoding="latin-1", newline="") as f:
                f.write("Zarvo\tVersion 2.2 and over\tFrom AutoCAD 2000 Interface\r\n")
                f.write("".join(self.parts))


def main():
    kind, drawing, output = sys.argv[1:4]
    writer = Writer(kind)
    entities = 0
    # iterdxf.modelspace reads the file in one pass: ezdxf's quickest whole read.
    for e in iterdxf.modelspace(drawing):
        writer.entity(e)
        entities += 1
    writer.save(output)
    print(f"{entities} entities, {writer.count} points")


if __name__ == "__main__":
    main()
