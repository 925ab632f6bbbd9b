"""Checks, with ezdxf, that a drawing holds every point of a UR file bit for
bit: strings as 3D polylines, lone points and one-record strings as POINTs.

    check_strings_dxf.py FILE.ur1 FILE.dxf     prints OK or what differs
"""
import struct
import sys

import ezdxf


def ur_records(path):
    data = open(path, "rb").read()
    for offset in range(224, len(data), 56):
        number, _, x, y, z = struct.unpack_from("<iiddd", data, offset)
        yield number, (x, y, z)


def expected_entities(path):
    entities, string, previous = [], None, None
    for number, point in ur_records(path):
        if string is not None and (number == 0 or number != previous):
            entities.append(("POLYLINE", string) if len(string) > 1 else ("POINT", string))
            string = None
        if number == 0:
            entities.append(("POINT", [point]))
        else:
            string = (string or []) + [point]
        previous = number
    if string is not None:
        entities.append(("POLYLINE", string) if len(string) > 1 else ("POINT", string))
    return entities


def drawn_entities(doc):
    for entity in doc.modelspace():
        if entity.dxftype() == "POINT":
            yield "POINT", [tuple(entity.dxf.location)]
        elif entity.dxftype() == "POLYLINE":
            if not entity.is_3d_polyline:
                raise SystemExit("a string is not a 3D polyline")
            yield "POLYLINE", [tuple(v.dxf.location) for v in entity.vertices]


def bits(points):
    return [struct.pack("<3d", *p) for p in points]


def main(ur_path, dxf_path):
    doc = ezdxf.readfile(dxf_path)
    auditor = doc.audit()
    if auditor.has_errors:
        return "audit: %s" % [e.message for e in auditor.errors][:3]
    expected = expected_entities(ur_path)
    drawn = list(drawn_entities(doc))
    if len(drawn) != len(expected):
        return "%d entities, expected %d" % (len(drawn), len(expected))
    for i, ((kind, points), (want_kind, want_points)) in enumerate(zip(drawn, expected)):
        if kind != want_kind or bits(points) != bits(want_points):
            return "entity %d: %s %s, expected %s %s" % (i, kind, points[:2], want_kind, want_points[:2])
    return "OK"


if __name__ == "__main__":
    print(main(sys.argv[1], sys.argv[2]))
