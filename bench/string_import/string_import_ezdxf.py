"""The peer of bench_string_import: ezdxf reading a UR or TR file and
writing the equivalent DXF, with the import's rules: 3D polylines for
strings, POINTs for lone points (and for UR strings of one record), each on
the layer its code names (the name ends at a space; letters upper-cased,
digits and + - $ _ kept; at most 14 characters of the code).

Usage: /usr/bin/python3 string_import_ezdxf.py ur|tr INPUT OUTPUT.dxf
"""
import struct
import sys

import ezdxf

KEPT = set("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-$_")


def layer_name(text):
    name = []
    for c in text[:14].rstrip(" ").upper():
        if c not in KEPT:
            break
        name.append(c)
    return "".join(name) or "0"


def ur_records(path):
    with open(path, "rb") as f:
        data = f.read()
    for offset in range(224, len(data), 56):
        number, _, x, y, z, text = struct.unpack_from("<iiddd20s", data, offset)
        yield number, (x, y, z), text.split(b"\0")[0].decode("latin-1")


def tr_records(path):
    with open(path, "r", encoding="latin-1") as f:
        for line in f:
            # The header and any other text line fail the data-line test.
            if len(line) < 7 or not all(c == " " or c.isdigit() for c in line[:7]):
                continue
            code = line[49:53].rstrip("\r\n")
            notes = line[54:66].rstrip("\r\n") if len(code) == 4 else ""
            yield int(line[0:6] or 0), (float(line[12:25]), float(line[25:38]), float(line[38:49])), code + notes


def convert(kind, source, output):
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    layers = {"0"}
    string, string_layer, previous, entities = [], None, None, 0

    def layer_of(text):
        name = layer_name(text)
        if name not in layers:
            doc.layers.add(name)
            layers.add(name)
        return name

    def end_string():
        nonlocal string, entities
        if kind == "ur" and len(string) == 1:
            msp.add_point(string[0], dxfattribs={"layer": string_layer})
        elif string:
            msp.add_polyline3d(string, dxfattribs={"layer": string_layer})
        entities += 1
        string = []

    records = ur_records(source) if kind == "ur" else tr_records(source)
    for number, point, text in records:
        if string and (number == 0 or number != previous):
            end_string()
        if number == 0:
            msp.add_point(point, dxfattribs={"layer": layer_of(text)})
            entities += 1
        else:
            if not string:
                string_layer = layer_of(text)
            string.append(point)
        previous = number
    if string:
        end_string()
    doc.saveas(output)
    print(f"{entities} entities, {len(layers)} layers")


if __name__ == "__main__":
    convert(sys.argv[1], sys.argv[2], sys.argv[3])
