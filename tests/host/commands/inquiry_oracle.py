"""LIST, ID, DIST, AREA and COUNT checked against ezdxf.

ezdxf makes a drawing of every kind the inquiry commands describe; zcad
reads it and answers a script; every number zcad prints must be what
ezdxf's own geometry gives, to the drawing's precision (4 places).

usage: inquiry_oracle.py ZCAD SCRATCH_DIR
"""
import math
import os
import re
import subprocess
import sys

try:
    import ezdxf
    from ezdxf.math import ConstructionArc, Vec3, bulge_to_arc
except ImportError:
    print("ezdxf is not installed")
    sys.exit(77)

TOLERANCE = 1.5e-4  # half a unit in the fourth place, and the flattening


def make_drawing(file):
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    msp.add_line((1, 2, 0), (4, 6, 0), dxfattribs={"layer": "roads", "color": 1})
    msp.add_circle((10, 10), 2.5, dxfattribs={"layer": "trees"})
    msp.add_arc((20, 0), 3, 30, 120, dxfattribs={"layer": "trees"})
    msp.add_text("RL 12.5", dxfattribs={"layer": "levels", "height": 0.75, "insert": (5, 5, 0)})
    bulged = msp.add_lwpolyline([(40, 0, 0, 0, 0.5), (50, 0), (50, 5), (40, 5)], format="xyseb",
                                dxfattribs={"layer": "lots", "closed": True})
    msp.add_polyline2d([(30, 0), (34, 0), (34, 3), (30, 3)], close=True, dxfattribs={"layer": "lots"})
    msp.add_polyline3d([(60, 0, 0), (63, 4, 12), (66, 8, 0)], dxfattribs={"layer": "levels"})
    msp.add_point((7, 8, 9), dxfattribs={"layer": "levels"})
    msp.add_lwpolyline([(100 + i, (i % 2) * 2) for i in range(25)], dxfattribs={"layer": "fence"})
    doc.saveas(file)
    return doc, bulged


def numbers(text):
    return [float(n) for n in re.findall(r"-?\d+\.\d+|-?\d+", text)]


SAGITTA = 1e-8


def arc_points(start, end, bulge):
    """Points on the arc a bulge describes, from start to end, on the arc itself."""
    centre, start_angle, end_angle, radius = bulge_to_arc(start, end, bulge)
    arc = ConstructionArc(centre, radius, math.degrees(start_angle), math.degrees(end_angle))
    points = list(arc.flattening(SAGITTA))
    return points if bulge > 0 else points[::-1]


def flat_points(entity):
    """The entity's path as points exactly on it (arcs sampled, never approximated)."""
    kind = entity.dxftype()
    if kind == "LINE":
        return [entity.dxf.start, entity.dxf.end]
    if kind == "ARC":
        return list(entity.flattening(SAGITTA))
    if kind == "LWPOLYLINE":
        corners = [(Vec3(x, y), b) for x, y, b in entity.get_points("xyb")]
        closed = entity.closed
    else:
        corners = [(Vec3(v.dxf.location), v.dxf.bulge) for v in entity.vertices]
        closed = entity.is_closed
    points = [corners[0][0]]
    ends = corners[1:] + (corners[:1] if closed else [])
    for (start, bulge), (end, _) in zip(corners, ends):
        points += arc_points(start, end, bulge)[1:] if bulge else [end]
    if closed:
        points.pop()
    return points


def length_of(points):
    return sum(a.distance(b) for a, b in zip(points, points[1:]))


def area_of(points):
    return abs(sum(a.x * b.y - b.x * a.y for a, b in zip(points, points[1:] + points[:1]))) / 2


def nearest_on(points, x, y):
    best = None
    for a, b in zip(points, points[1:]):
        dx, dy = b.x - a.x, b.y - a.y
        t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy)))
        q = a.lerp(b, t)
        d = math.hypot(q.x - x, q.y - y)
        if best is None or d < best[0]:
            best = (d, q)
    return best[1]


class Checker:
    def __init__(self):
        self.faults = []

    def near(self, what, got, expected):
        if abs(got - expected) > TOLERANCE * max(1.0, abs(expected)):
            self.faults.append(f"{what}: zcad {got}, ezdxf {expected}")

    def equal(self, what, got, expected):
        if got != expected:
            self.faults.append(f"{what}: zcad {got!r}, ezdxf {expected!r}")


def listed(output):
    """The LIST output as (header, {fact: value}, [points]) per entity."""
    entities = []
    for line in output.splitlines():
        head = re.match(r'^(\w+)  Layer: "(.*)"$', line)
        if head:
            entities.append({"type": head.group(1), "layer": head.group(2), "points": []})
        elif entities and " = " in line and not line.startswith(("Command", "X = ")):
            if line.startswith(("at point,", "from point,", "to point,", "center point,", "insertion point,")):
                entities[-1]["points"].append(numbers(line.split(",", 1)[1]))
            else:
                name, value = line.split(" = ", 1)
                entities[-1][name] = value
        elif entities and line.startswith("... "):
            entities[-1]["more"] = int(numbers(line)[0])
    return entities


def check_list(check, doc, output):
    found = listed(output)
    entities = list(doc.modelspace())
    check.equal("entities listed", len(found), len(entities))
    for e, z in zip(entities, found):
        what = f"{e.dxftype()} {e.dxf.handle}"
        check.equal(what + " type", z["type"], e.dxftype())
        check.equal(what + " layer", z["layer"], e.dxf.layer)
        check.equal(what + " handle", z.get("Handle"), e.dxf.handle)
        check.equal(what + " colour", int(numbers(z.get("Color", "x 0"))[0]), e.dxf.color)
        kind = e.dxftype()
        if kind == "LINE":
            check.near(what + " length", float(z["Length"]), e.dxf.start.distance(e.dxf.end))
            for got, want in zip(z["points"], [e.dxf.start, e.dxf.end]):
                for g, w in zip(got, want):
                    check.near(what + " end", g, w)
        elif kind in ("CIRCLE", "ARC"):
            check.near(what + " radius", float(z["Radius"]), e.dxf.radius)
            if kind == "CIRCLE":
                check.near(what + " area", float(z["Area"]), math.pi * e.dxf.radius ** 2)
            else:
                check.near(what + " length", float(z["Length"]), length_of(flat_points(e)))
                for name, angle in (("Start angle", e.dxf.start_angle), ("End angle", e.dxf.end_angle)):
                    check.near(what + " " + name, float(z[name]), angle)
        elif kind == "TEXT":
            check.equal(what + " text", z["Text"], f'"{e.dxf.text}"')
            check.near(what + " height", float(z["Height"]), e.dxf.height)
        elif kind in ("LWPOLYLINE", "POLYLINE"):
            points = flat_points(e)
            closed = e.closed if kind == "LWPOLYLINE" else e.is_closed
            if closed:
                points.append(points[0])
            vertices = len(e) if kind == "LWPOLYLINE" else len(e.vertices)
            check.equal(what + " vertices", int(z["Vertices"]), vertices)
            shown = min(vertices, 20)
            check.equal(what + " vertices shown", len(z["points"]), shown)
            for got, want in zip(z["points"], (e.get_points("xy") if kind == "LWPOLYLINE" else
                                               [v.dxf.location for v in e.vertices])):
                for g, w in zip(got, want):
                    check.near(what + " vertex", g, w)
            check.equal(what + " vertices counted", z.get("more", 0), vertices - shown)
            check.near(what + " length", float(z["Perimeter" if closed else "Length"]), length_of(points))
            if closed:
                check.near(what + " area", float(z["Area"]), area_of(points[:-1]))
        elif kind == "POINT":
            for g, w in zip(z["points"][0], e.dxf.location):
                check.near(what + " location", g, w)


def run_zcad(zcad, drawing, lines):
    script = os.path.join(os.path.dirname(drawing), "inquiry.scr")
    with open(script, "w") as f:
        f.write("\n".join(lines) + "\n")
    done = subprocess.run([zcad, "--no-module", "--drawing", drawing, "--script", script], stdin=subprocess.DEVNULL,
                          capture_output=True, text=True, timeout=60)
    if done.returncode != 0:
        sys.exit(f"zcad exited with {done.returncode}:\n{done.stdout}\n{done.stderr}")
    return done.stdout


def answers_after(output, command):
    """The fact lines printed by each run of a command."""
    runs = output.split("Command: " + command + "\n")[1:]
    return [[line for line in run.split("Command:")[0].splitlines() if " = " in line] for run in runs]


def main():
    zcad, scratch = sys.argv[1], sys.argv[2]
    os.makedirs(scratch, exist_ok=True)
    drawing = os.path.join(scratch, "every_kind.dxf")
    doc, bulged = make_drawing(drawing)
    msp = doc.modelspace()
    check = Checker()

    picks = {"LINE": (2.6, 4.0), "ARC": (19, 3.2), "LWPOLYLINE": (45, -1.2), "POLYLINE": (33, 3.3)}
    lines = ["LIST", "ALL", ""]
    for x, y in picks.values():
        lines += ["ID", "N", f"{x},{y}"]
    lines += ["DIST", "1,2,3", "@4,-3,12", "AREA", "O", "45,-1.2", "AREA", "O", "12.5,10", "AREA", "0,0", "6,0",
              "@0,4", "", "COUNT", "", "COUNT", "LAYER lots", ""]
    output = run_zcad(zcad, drawing, lines)
    check_list(check, doc, output)

    ids = [numbers(line) for line in output.splitlines() if line.startswith("X = ")]
    check.equal("ID answers", len(ids), len(picks))
    for (kind, (x, y)), got in zip(picks.items(), ids):
        entity = msp.query(kind)[0]
        want = nearest_on(flat_points(entity), x, y)
        for g, w in zip(got, want):
            check.near(f"ID nearest on {kind}", g, w)

    dist = dict(line.split(" = ") for line in answers_after(output, "DIST")[0])
    places = doc.header.get("$AUPREC", 0)
    check.near("DIST distance", float(dist["Distance"]), 13.0)
    check.equal("DIST angle", dist["Angle in XY Plane"], f"{math.degrees(math.atan2(-3, 4)) % 360:.{places}f}")
    check.equal("DIST angle from plane", dist["Angle from XY Plane"], f"{math.degrees(math.atan2(12, 5)):.{places}f}")
    for axis, want in zip("XYZ", (4, -3, 12)):
        check.near("DIST delta " + axis, float(dist["Delta " + axis]), want)

    areas = [dict(line.split(" = ") for line in run) for run in answers_after(output, "AREA")]
    outline = flat_points(bulged)
    check.near("AREA of the bulged outline", float(areas[0]["Area"]), area_of(outline))
    check.near("AREA perimeter", float(areas[0]["Perimeter"]), length_of(outline + outline[:1]))
    check.near("AREA of the circle", float(areas[1]["Area"]), math.pi * 2.5 ** 2)
    check.near("AREA of points", float(areas[2]["Area"]), 12.0)
    check.near("AREA of points, perimeter", float(areas[2]["Perimeter"]), 10 + math.sqrt(52))

    counts = [dict(line.split(" = ") for line in run) for run in answers_after(output, "COUNT")]
    check.equal("COUNT total", int(counts[0]["Total"]), len(msp))
    for kind in {e.dxftype() for e in msp}:
        check.equal("COUNT " + kind, int(counts[0][kind]), len(msp.query(kind)))
        for layer in {e.dxf.layer for e in msp.query(kind)}:
            want = len(msp.query(f'{kind}[layer=="{layer}"]'))
            check.equal(f"COUNT {kind} on {layer}", int(counts[0][f'{kind} on layer "{layer}"']), want)
    check.equal("COUNT of a selection", int(counts[1]["Total"]), len(msp.query('*[layer=="lots"]')))

    if check.faults:
        print("\n".join(check.faults))
        print(output)
        return 1
    print("inquiry answers agree with ezdxf")
    return 0


if __name__ == "__main__":
    sys.exit(main())
