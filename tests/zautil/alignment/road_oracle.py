#!/usr/bin/env python3
"""A realistic road for HALOUT, and the check of what HALOUT wrote for it.

  road_oracle.py make ROAD.dxf
      Designs a road by its intersection points (IPs) and radii: several
      curves, a reverse curve and a long straight, in survey coordinates.
      Draws it with ezdxf as an LWPOLYLINE (tangent points as vertices, each
      curve a bulge), and a shift line beside it as an old-style POLYLINE
      with arcs and a level at every vertex, drawn the other way.
      Prints the pick points: the road's start, then a vertex of the shift.

  road_oracle.py check ROAD.dxf HAL RV
      Works out, independently of the module, the HT lines and the RV file
      from the drawing with ezdxf's own bulge, arc and line tools, checks the
      road's IPs against the design, and compares both files line by line.
      Prints OK and the number of tangent points that became angle points,
      or what differs.
"""
import math
import re
import sys

import ezdxf
from ezdxf.math import Vec2, bulge_to_arc, distance_point_line_2d, intersection_line_line_2d

ORIGIN = Vec2(312000.0, 6250000.0)
# Design IPs (relative to ORIGIN) with radii; the ends have none. IP 2 and 3
# form a reverse curve: their radii make the tangent lengths fill the leg.
DESIGN = [
    (Vec2(0, 0), None),
    (Vec2(450, 210), 350.0),
    (Vec2(900, 50), 300.0),
    (Vec2(1300, 300), "reverse"),
    (Vec2(3400, 420), 600.0),  # after a straight of two kilometres
    (Vec2(3800, 900), 200.0),
    (Vec2(4100, 1050), None),
]
# The shift line: an old-style polyline with arcs and levels, drawn from
# its far end (x, y relative to ORIGIN, z, bulge of the segment it starts).
SHIFT = [
    (Vec2(4100, 1080), 61.25, 0.0),
    (Vec2(3000, 460), 58.5, 0.0),
    (Vec2(1400, 340), 52.0, -0.2),
    (Vec2(1000, 60), 47.75, 0.15),
    (Vec2(600, 200), 45.0, 0.0),
    (Vec2(0, 30), 40.5, 0.0),
]

def deflection(a, b, c):
    """Signed turn at b from a->b to b->c, left positive."""
    return (c - b).angle - (b - a).angle


def normalised(angle):
    while angle <= -math.pi:
        angle += 2 * math.pi
    while angle > math.pi:
        angle -= 2 * math.pi
    return angle


def design():
    """IPs, radii and deflections with the reverse curve's radius solved."""
    ips = [ORIGIN + p for p, _ in DESIGN]
    radii = [r for _, r in DESIGN]
    turns = [0.0] + [normalised(deflection(ips[i - 1], ips[i], ips[i + 1])) for i in range(1, len(ips) - 1)] + [0.0]
    for i, r in enumerate(radii):
        if r == "reverse":
            before = radii[i - 1] * math.tan(abs(turns[i - 1]) / 2)
            radii[i] = (ips[i].distance(ips[i - 1]) - before) / math.tan(abs(turns[i]) / 2)
    return ips, radii, turns


def road_vertices():
    """LWPOLYLINE vertices (x, y, bulge) of the designed road."""
    ips, radii, turns = design()
    vertices = [(ips[0].x, ips[0].y, 0.0)]
    for i in range(1, len(ips) - 1):
        tangent = radii[i] * math.tan(abs(turns[i]) / 2)
        start = ips[i] - (ips[i] - ips[i - 1]).normalize(tangent)
        end = ips[i] + (ips[i + 1] - ips[i]).normalize(tangent)
        if start.isclose(Vec2(vertices[-1][:2]), abs_tol=1e-9):
            vertices.pop()  # the reverse curve: one curve ends where the next starts
        vertices.append((start.x, start.y, math.tan(turns[i] / 4)))
        vertices.append((end.x, end.y, 0.0))
    vertices.append((ips[-1].x, ips[-1].y, 0.0))
    return vertices


def make(path):
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    msp.add_lwpolyline(road_vertices(), format="xyb", dxfattribs={"layer": "ROAD"})
    shift = msp.add_polyline2d([], dxfattribs={"layer": "SHIFT"})
    for p, z, bulge in SHIFT:
        shift.append_vertex((ORIGIN.x + p.x, ORIGIN.y + p.y, z), dxfattribs={"bulge": bulge})
    doc.saveas(path)
    start = ORIGIN + DESIGN[0][0]
    pick = ORIGIN + SHIFT[1][0]
    print(f"{start.x:.3f},{start.y:.3f}")
    print(f"{pick.x:.3f},{pick.y:.3f}")


def ip_list(points):
    """The suite's records (x, y, z, radius, chainage) of (x, y, z, bulge)
    vertices, worked out with ezdxf: radius 0 ends, -1 tangent points."""
    records = []
    chainage = 0.0
    n = len(points)
    for i, (x, y, z, bulge) in enumerate(points):
        p = Vec2(x, y)
        arc_here = i + 1 < n and bulge != 0
        arc_before = i > 0 and points[i - 1][3] != 0
        inner = 0 < i < n - 1
        records.append((x, y, z, -1.0 if inner and (arc_here or arc_before) else 0.0, chainage))
        if i + 1 == n:
            break
        q = Vec2(points[i + 1][0], points[i + 1][1])
        if not arc_here:
            chainage += p.distance(q)
            continue
        centre, start_angle, end_angle, radius = bulge_to_arc(p, q, bulge)
        span = (end_angle - start_angle) % (2 * math.pi)
        length = radius * span
        ip = intersection_line_line_2d(
            (p, p + (p - centre).orthogonal()), (q, q + (q - centre).orthogonal()), virtual=True)
        records.append((ip.x, ip.y, z, radius, chainage + length / 2))
        chainage += length
    return records


def angle_points(records):
    """Tangent points off the line of their neighbours become angle points;
    returns how many."""
    found = 0
    for k in range(1, len(records) - 1):
        x, y, z, radius, chainage = records[k]
        if radius != -1:
            continue
        before, after = Vec2(records[k - 1][:2]), Vec2(records[k + 1][:2])
        if distance_point_line_2d(Vec2(x, y), before, after) > 0.001:
            records[k] = (x, y, z, 0.0, chainage)
            found += 1
    return found


def split_half_circles(points):
    """Arcs of half a circle or more as two halves, as the suite needs."""
    out = []
    for i, (x, y, z, bulge) in enumerate(points):
        if i + 1 < len(points) and abs(bulge) >= 1:
            centre, a, b, r = bulge_to_arc(Vec2(x, y), Vec2(points[i + 1][:2]), bulge)
            middle = centre + Vec2.from_angle((a + ((b - a) % (2 * math.pi)) / 2), r)
            half = math.tan(math.atan(bulge) / 2)
            out += [(x, y, z, half), (middle.x, middle.y, z, half)]
        else:
            out.append((x, y, z, bulge))
    return out


def reversed_points(points):
    flipped = list(reversed(points))
    return [(x, y, z, -flipped[i + 1][3] if i + 1 < len(flipped) else 0.0)
            for i, (x, y, z, _) in enumerate(flipped)]


def read_drawing(path):
    msp = ezdxf.readfile(path).modelspace()
    road = msp.query("LWPOLYLINE").first
    shift = msp.query("POLYLINE").first
    pegged = [(x, y, 0.0, b) for x, y, b in road.get_points("xyb")]
    levels = [(v.dxf.location.x, v.dxf.location.y, v.dxf.location.z, v.dxf.bulge) for v in shift.vertices]
    return pegged, levels


def lines_of(path):
    data = open(path, "rb").read()
    if not data.endswith(b"\r\n") or data.count(b"\n") != data.count(b"\r\n"):
        raise AssertionError(f"{path}: every line must end with CRLF")
    return data.decode("ascii").split("\r\n")[:-1]


def expect_fields(problems, where, line, layout, values):
    match = re.fullmatch(layout, line)
    if not match:
        problems.append(f"{where}: layout of {line!r}")
        return
    for got, want in zip(match.groups()[-len(values):], values):
        # Half a unit of the field's last decimal, as printf rounds.
        decimals = len(got.strip().partition(".")[2])
        if abs(float(got) - want) > 0.5 * 10 ** -decimals + 1e-9:
            problems.append(f"{where}: {got.strip()} where {want:.5f} was worked out in {line!r}")


HT = r"HT(\d\d)(.{14})(.{14})(.{14})(.{8})(.{8})(.{8})(.{8})"
TAB02 = r"TAB02(.{15})(.{15})(.{15})"


def check(dxf, hal, rv):
    problems = []
    pegged, shift = read_drawing(dxf)
    # The pick is at the road's first vertex and the shift runs the other way.
    shift = reversed_points(shift)
    road = ip_list(split_half_circles(pegged))
    side = ip_list(split_half_circles(shift))
    bends = angle_points(road) + angle_points(side)

    ips, radii, _ = design()
    curve_ips = [r for r in road if r[3] != -1]
    if len(curve_ips) != len(ips):
        problems.append(f"{len(curve_ips)} IPs worked out from the drawing for {len(ips)} designed")
    for (x, y, _, radius, _), ip, design_radius in zip(curve_ips, ips, radii):
        if ip.distance(Vec2(x, y)) > 1e-6 or abs(radius - (design_radius or 0)) > 1e-6:
            problems.append(f"IP ({x:.6f}, {y:.6f}) r {radius:.6f} is not the designed one")

    lines = lines_of(hal)
    if lines[:2] != ["HAL from ZARVO AutoCAD Interface", "HMOD  7  4"]:
        problems.append(f"HAL header {lines[:2]!r}")
    expected = [("09", r) for r in road if r[3] != -1] + [("10", r) for r in side if r[3] != -1]
    if len(lines) - 2 != len(expected):
        problems.append(f"{len(lines) - 2} HT lines for {len(expected)} worked out")
    for n, (line, (code, (x, y, _, radius, _))) in enumerate(zip(lines[2:], expected), start=3):
        if len(line) != 78 or line[2:4] != code:
            problems.append(f"HAL line {n}: {line!r} is not an HT{code} line of 78 characters")
        expect_fields(problems, f"HAL line {n}", line, HT, [x, y, radius, 0, 0, 20, 10])

    lines = lines_of(rv)
    levels = [r for r in side if r[3] <= 0]
    if lines[0] != "JOB from ZARVO AutoCAD Interface":
        problems.append(f"RV banner {lines[0]!r}")
    expect_fields(problems, "RV line 2", lines[1], r"LIMITS(.{15})(.{15})(.{10})(.{10})(.{10})",
                  [0, side[-1][4], 0, 0, 0])
    if len(lines) - 2 != len(levels):
        problems.append(f"{len(lines) - 2} TAB02 lines for {len(levels)} worked out")
    for n, (line, (_, _, z, _, chainage)) in enumerate(zip(lines[2:], levels), start=3):
        expect_fields(problems, f"RV line {n}", line, TAB02, [chainage, z, 0])

    print("\n".join(problems) if problems else f"OK {bends} angle points")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "make":
        make(sys.argv[2])
        sys.exit(0)
    if len(sys.argv) == 5 and sys.argv[1] == "check":
        sys.exit(check(*sys.argv[2:]))
    sys.exit(__doc__)
