"""A drawing of every kind PFOUT writes, and ezdxf's comparison of it with
the drawing PFIN makes of the plot file.

Usage: check_pfout_round_trip.py make DRAWING.dxf
       check_pfout_round_trip.py check DRAWING.dxf BACK.dxf
Prints OK or what differs."""
import math
import sys

import ezdxf
from ezdxf.enums import TextEntityAlignment

from plot_oracle import read_audited, run

# Horizontal and vertical of the nine justifications the plot file keeps.
ALIGNMENTS = [
    TextEntityAlignment.LEFT, TextEntityAlignment.MIDDLE_LEFT, TextEntityAlignment.TOP_LEFT,
    TextEntityAlignment.CENTER, TextEntityAlignment.MIDDLE_CENTER, TextEntityAlignment.TOP_CENTER,
    TextEntityAlignment.RIGHT, TextEntityAlignment.MIDDLE_RIGHT, TextEntityAlignment.TOP_RIGHT,
]
# MTEXT attachment point: the TEXT justification it comes back as.
ATTACHMENT = {5: (1, 2)}


def make(path):
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    msp.add_line((0, 0), (123456.789012, 6543210.98765), dxfattribs={"layer": "ROAD"})
    msp.add_line((1, 1), (2, -2), dxfattribs={"layer": "ROAD"})
    msp.add_arc((50, 50), 4.25, 10, 135, dxfattribs={"layer": "KERB"})
    msp.add_circle((-20.5, 30.125), 7, dxfattribs={"layer": "KERB"})
    msp.add_lwpolyline([(0, 0), (10, 0), (10, 10), (0, 10)], close=True, dxfattribs={"layer": "LOTS"})
    msp.add_lwpolyline([(5, 5), (6, 7), (8, 8)], dxfattribs={"layer": "LOTS"})
    msp.add_polyline2d([(100, 100), (110, 100), (105, 108)], close=True, dxfattribs={"layer": "ROAD"})
    for i, alignment in enumerate(ALIGNMENTS):
        text = msp.add_text(f"Lot {i}", dxfattribs={"layer": "NOTES", "height": 2.5, "rotation": 15 * i})
        text.set_placement((200 + 10 * i, 300), align=alignment)
    msp.add_mtext("Reserve", dxfattribs={"layer": "NOTES", "insert": (400, 500), "char_height": 3,
                                         "attachment_point": 5, "rotation": 30})
    doc.saveas(path)


def close(a, b):
    """Equal to the plot file's nine significant digits."""
    return math.isclose(a, b, rel_tol=1e-8, abs_tol=1e-9)


def same_point(a, b):
    return close(a[0], b[0]) and close(a[1], b[1])


def vertices(polyline):
    return [tuple(v.dxf.location)[:2] for v in polyline.vertices]


def check_shape(source, back):
    kind = source.dxftype()
    if kind == "LINE":
        assert back.dxftype() == "LINE", back.dxftype()
        assert same_point(back.dxf.start, source.dxf.start) and same_point(back.dxf.end, source.dxf.end)
    elif kind in ("ARC", "CIRCLE"):
        assert back.dxftype() == kind, back.dxftype()
        assert same_point(back.dxf.center, source.dxf.center) and close(back.dxf.radius, source.dxf.radius)
        if kind == "ARC":
            assert close(back.dxf.start_angle, source.dxf.start_angle), back.dxf.start_angle
            assert close(back.dxf.end_angle, source.dxf.end_angle), back.dxf.end_angle
    elif kind in ("LWPOLYLINE", "POLYLINE"):
        points = [tuple(p)[:2] for p in source.get_points("xy")] if kind == "LWPOLYLINE" else vertices(source)
        assert back.dxftype() == "POLYLINE", back.dxftype()
        assert back.is_closed == source.is_closed, (back.is_closed, source.is_closed)
        got = vertices(back)
        assert len(got) == len(points) and all(same_point(p, q) for p, q in zip(got, points)), (got, points)


def check_text(source, back):
    assert back.dxftype() == "TEXT", back.dxftype()
    if source.dxftype() == "MTEXT":
        assert back.dxf.text == source.text, back.dxf.text
        assert (back.dxf.halign, back.dxf.valign) == ATTACHMENT[source.dxf.attachment_point]
        assert same_point(back.dxf.align_point, source.dxf.insert), back.dxf.align_point
        assert close(back.dxf.height, source.dxf.char_height)
    else:
        assert back.dxf.text == source.dxf.text, back.dxf.text
        justification = (source.dxf.halign, source.dxf.valign)
        assert (back.dxf.halign, back.dxf.valign) == justification, ((back.dxf.halign, back.dxf.valign), justification)
        at = source.dxf.insert if justification == (0, 0) else source.dxf.align_point
        placed = back.dxf.insert if justification == (0, 0) else back.dxf.align_point
        assert same_point(placed, at), (placed, at)
        assert close(back.dxf.height, source.dxf.height)
    assert close(back.dxf.rotation % 360, source.dxf.rotation % 360), (back.dxf.rotation, source.dxf.rotation)


def check(path, back_path):
    back_doc = read_audited(back_path)
    sources = list(ezdxf.readfile(path).modelspace())
    backs = list(back_doc.modelspace())
    assert len(backs) == len(sources), ([e.dxftype() for e in sources], [e.dxftype() for e in backs])
    for source, back in zip(sources, backs):
        assert back.dxf.layer == source.dxf.layer, (back.dxf.layer, source.dxf.layer)
        if source.dxftype() in ("TEXT", "MTEXT"):
            check_text(source, back)
        else:
            check_shape(source, back)


def main():
    if sys.argv[1] == "make":
        make(sys.argv[2])
        return
    check(sys.argv[2], sys.argv[3])
    print("OK")


if __name__ == "__main__":
    run(main)
