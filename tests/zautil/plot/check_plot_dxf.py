"""ezdxf's reading of the drawing PFIN made of plan.p01 or hill.m01.
Usage: check_plot_dxf.py DRAWING.dxf plan|model; prints OK or what differs."""
import math
import sys

from plot_oracle import read_audited, run


def close(a, b, tolerance=1e-9):
    """Points, or lists of points, equal within the tolerance."""
    a, b = list(a), list(b)
    if a and isinstance(a[0], (tuple, list)) or b and isinstance(b[0], (tuple, list)):
        return len(a) == len(b) and all(close(p, q, tolerance) for p, q in zip(a, b))
    return len(a) == len(b) and all(abs(x - y) <= tolerance for x, y in zip(a, b))


def check_plan(msp):
    kinds = [e.dxftype() for e in msp]
    assert kinds == ["LINE", "POLYLINE", "TEXT", "TEXT", "CIRCLE", "ARC", "LINE"], kinds
    line, polyline, hello, world, circle, arc, kerb = list(msp)
    assert line.dxf.layer == "ROAD", line.dxf.layer
    assert close(line.dxf.start, (0, 0, 0)) and close(line.dxf.end, (123456.789, 0, 0)), (line.dxf.start, line.dxf.end)
    points = [tuple(v.dxf.location) for v in polyline.vertices]
    assert len(points) == 4 and close(points[2], (10, 20, 0)), points
    assert not polyline.is_closed and not polyline.is_3d_polyline
    assert hello.dxf.text == "Hello" and world.dxf.text == "World%%d", (hello.dxf.text, world.dxf.text)
    assert hello.dxf.layer == "ROADTXT" and hello.dxf.style.upper() == "STANDARD", (hello.dxf.layer, hello.dxf.style)
    assert close(world.dxf.insert, (5, 5 - 1.5 * 2.5, 0)), world.dxf.insert
    assert math.isclose(hello.dxf.height, 2.5)
    assert close(circle.dxf.center, (50, 50, 0)) and math.isclose(circle.dxf.radius, 5)
    assert close(arc.dxf.center, (60, 60, 0)) and math.isclose(arc.dxf.radius, 4)
    assert math.isclose(arc.dxf.start_angle, 0, abs_tol=1e-9), arc.dxf.start_angle
    assert math.isclose(arc.dxf.end_angle, 90, abs_tol=1e-4), arc.dxf.end_angle  # six decimals of radians
    assert kerb.dxf.layer == "KERB", kerb.dxf.layer


def check_model(msp):
    kinds = [e.dxftype() for e in msp]
    assert kinds == ["POLYLINE"], kinds
    polyline = list(msp)[0]
    assert polyline.is_3d_polyline
    points = [tuple(v.dxf.location) for v in polyline.vertices]
    assert close(points, [(0, 0, 10.5), (5, 0, 11.25), (5, 5, 12)]), points


def main():
    path, kind = sys.argv[1], sys.argv[2]
    doc = read_audited(path)
    layers = {layer.dxf.name for layer in doc.layers}
    (check_plan if kind == "plan" else check_model)(doc.modelspace())
    if kind == "plan":
        assert {"ROAD", "ROADTXT", "KERB"} <= layers, layers
        assert doc.layers.get("ROAD").color == 1, doc.layers.get("ROAD").color
    print("OK")


if __name__ == "__main__":
    run(main)
