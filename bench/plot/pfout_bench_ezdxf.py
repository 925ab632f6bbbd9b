"""The peer of bench_pfout: the same plot file written from the same drawing
with ezdxf on its fastest path for reading, the iterdxf add-on, and plain
Python formatting. Prints its time and whether its file has the same bytes
as PFOUT's.

Usage: /usr/bin/python3 pfout_bench_ezdxf.py WORK_DIRECTORY
(the directory bench_pfout leaves: drawing.dxf, zarvo/plot.lay and
zarvo/plot.pen, pfout.p01)"""
import math
import os
import sys
import time

from ezdxf.addons import iterdxf

TO_RADIANS = math.pi / 180.0
TO_DEGREES = 180.0 / math.pi


def real(value):
    """Nine significant digits, a whole value keeping its point; fewer
    digits when nine do not fit fourteen columns."""
    text = "%.9g" % value
    if not any(c in text for c in ".ni"):
        e = text.find("e")
        text = text + "." if e < 0 else text[:e] + "." + text[e:]
    precision = 8
    while len(text) > 14 and precision > 0:
        text = "%.*g" % (precision, value)
        precision -= 1
    return text.rjust(14)


def record(kind, code="", x=None, y=None, z=None, angle=None, count="", end=None):
    fields = [
        "%2d" % kind, code.rjust(3),
        real(x) if x is not None else " " * 14, real(y) if y is not None else " " * 14,
        real(z) if z is not None else " " * 14, real(angle) if angle is not None else " " * 14,
        " ", count.rjust(3), real(end) if end is not None else " " * 14,
    ]
    return "".join(fields) + "\r\n"


def tables(directory):
    codes = {}
    with open(os.path.join(directory, "zarvo", "plot.lay"), encoding="cp1252") as lay:
        for line in lay.readlines()[1:]:
            if len(line) >= 40 and line[39] == ";":
                codes[line[14:26].strip()] = int(line[0:4])
    pens = {}
    with open(os.path.join(directory, "zarvo", "plot.pen"), encoding="cp1252") as pen:
        for line in pen.readlines()[1:]:
            parts = line.split(",")
            if len(parts) == 6:
                pens[parts[0].upper()] = (int(parts[1]), int(parts[3]))
    return codes, pens


def justification(text):
    if text.dxftype() == "MTEXT":
        attachment = text.dxf.get("attachment_point", 1)
        row, column = (attachment - 1) // 3, (attachment - 1) % 3
        return column * 10 + 2 - row, text.dxf.insert
    h, v = text.dxf.get("halign", 0), text.dxf.get("valign", 0)
    code = 0
    if 0 <= h <= 2:
        code = h * 10 + {2: 1, 3: 2}.get(v, 0)
    elif h == 4:
        code = 11
    at = text.dxf.get("align_point") if code else None
    return code, at if at is not None else text.dxf.insert


def entity_records(entity, out):
    kind = entity.dxftype()
    if kind == "LINE":
        out.append(record(1, x=entity.dxf.start.x, y=entity.dxf.start.y))
        out.append(record(2, x=entity.dxf.end.x, y=entity.dxf.end.y))
    elif kind == "ARC":
        c = entity.dxf.center
        out.append(record(9, x=c.x, y=c.y, z=entity.dxf.radius, angle=entity.dxf.start_angle * TO_RADIANS,
                          end=entity.dxf.end_angle * TO_RADIANS))
    elif kind == "CIRCLE":
        c = entity.dxf.center
        out.append(record(8, x=c.x, y=c.y, z=entity.dxf.radius))
    elif kind in ("LWPOLYLINE", "POLYLINE"):
        if kind == "LWPOLYLINE":
            points = [(p[0], p[1]) for p in entity.get_points("xy")]
        else:
            points = [(v.dxf.location.x, v.dxf.location.y) for v in entity.vertices
                      if not v.dxf.flags & 16 and (not v.dxf.flags & 128 or v.dxf.flags & 64)]
        for i, (x, y) in enumerate(points):
            out.append(record(1 if i == 0 else 2, x=x, y=y))
        if entity.is_closed and points and (kind == "LWPOLYLINE" or len(points) > 2):
            out.append(record(2, x=points[0][0], y=points[0][1]))
    else:
        code, at = justification(entity)
        value = entity.text if kind == "MTEXT" else entity.dxf.text
        value = value.replace("\r", " ").replace("\n", " ")[:31]
        height = entity.dxf.char_height if kind == "MTEXT" else entity.dxf.height
        degrees = entity.dxf.get("rotation", 0) * TO_RADIANS * TO_DEGREES
        out.append(record(6, code=" %02d" % code, x=at[0], y=at[1], z=height, angle=degrees, count="1"))
        out.append(value + "\r\n")


def export(directory, path):
    codes, pens = tables(directory)
    out = [record(12), record(3, "0"), record(4, "0"), record(5, "0")]
    out = [line[:63] + "\r\n" for line in out]
    current = "0"
    kinds = ["LINE", "ARC", "CIRCLE", "LWPOLYLINE", "POLYLINE", "TEXT", "MTEXT"]
    for entity in iterdxf.modelspace(os.path.join(directory, "drawing.dxf"), types=kinds):
        layer = entity.dxf.layer[:31]
        if layer != current:
            pen, line_type = pens[layer.upper()]
            out += [record(3, str(pen)), record(4, str(line_type)), record(5, str(codes[layer]))]
            current = layer
        entity_records(entity, out)
    out.append("00")
    with open(path, "w", encoding="cp1252", newline="") as plot:
        plot.write("".join(out))


def main():
    directory = sys.argv[1]
    path = os.path.join(directory, "ezdxf.p01")
    start = time.monotonic()
    export(directory, path)
    elapsed = time.monotonic() - start
    size = os.path.getsize(path) / 1e6
    with open(path, "rb") as ours, open(os.path.join(directory, "pfout.p01"), "rb") as theirs:
        same = ours.read() == theirs.read()
    print(f"ezdxf iterdxf {elapsed:.3f} s, plot file {size:.1f} MB, same bytes as PFOUT: {'yes' if same else 'no'}")
    os.remove(path)


if __name__ == "__main__":
    main()
