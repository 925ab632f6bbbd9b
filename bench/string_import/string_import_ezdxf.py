"""The peers of bench_string_import: ezdxf reading a UR or TR file and
writing the equivalent DXF, with the import's rules: 3D polylines for
strings, POINTs for lone points (and for UR strings of one record), each on
the layer its code names (the name ends at a space; letters upper-cased,
digits and + - $ _ kept; at most 14 characters of the code).

Two paths: the document API (ezdxf.new, add_polyline3d, saveas), and with
--fast the quickest a user could script: numpy reading the records whole
(a structured dtype for UR, fixed columns of the bytes for TR) and the
r12writer add-on writing R12.

Usage: /usr/bin/python3 string_import_ezdxf.py [--fast] ur|tr INPUT OUTPUT.dxf
"""
import os
import struct
import sys

import ezdxf
import numpy as np
from ezdxf.addons.r12writer import r12writer

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from fixed_columns import field, tr_data_lines  # noqa: E402

KEPT = set("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-$_")
# 56-byte records: the last four bytes are not read.
UR = np.dtype({"names": ["number", "unused", "xyz", "text"], "formats": ["<i4", "<i4", ("<f8", 3), "S20"],
               "offsets": [0, 4, 8, 32], "itemsize": 56})
UR_HEADER = 224
TR_WIDTH = 66  # the last column read: the end of the notes


def layer_name(text):
    name = []
    for c in text[:14].rstrip(" ").upper():
        if c not in KEPT:
            break
        name.append(c)
    return "".join(name) or "0"


# The document API path.

def ur_records(path):
    with open(path, "rb") as f:
        data = f.read()
    for offset in range(UR_HEADER, len(data), 56):
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


# The fastest path: whole columns at once, r12writer for the DXF.

def ur_columns(path):
    records = np.fromfile(path, dtype=UR, offset=UR_HEADER)
    texts = np.ascontiguousarray(records["text"]).view(np.uint8).reshape(-1, 20)[:, :14]
    return records["number"], records["xyz"], texts


def tr_columns(path):
    columns = tr_data_lines(path, TR_WIDTH)
    xyz = np.stack([field(columns, 12, 25).astype(float), field(columns, 25, 38).astype(float),
                    field(columns, 38, 49).astype(float)], axis=1)
    # The notes count only after a code of four characters.
    texts = np.full((len(columns), 14), 32, dtype=np.uint8)
    texts[:, :4] = columns[:, 49:53]
    four = (columns[:, 52] != 32)
    texts[four, 4:] = columns[four, 54:64]
    return field(columns, 0, 6).astype(np.int64), xyz, texts


def layer_names(texts):
    """Each record's layer, by code: the kept characters up to the first other."""
    upper = texts.copy()
    lower = (upper >= 97) & (upper <= 122)
    upper[lower] -= 32
    kept = np.zeros(256, dtype=bool)
    kept[np.frombuffer(b"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-$_", dtype=np.uint8)] = True
    stop = np.where(kept[upper].all(axis=1), 14, (~kept[upper]).argmax(axis=1))
    upper[np.arange(14) >= stop[:, None]] = 0
    keys, which = np.unique(upper.view("S14").ravel(), return_inverse=True)
    names = [key.decode("latin-1") or "0" for key in keys]
    return names, which


def convert_fast(kind, source, output):
    number, xyz, texts = ur_columns(source) if kind == "ur" else tr_columns(source)
    names, which = layer_names(texts)
    count = len(number)
    # An entity starts at a lone point and where the string number changes.
    changes = np.flatnonzero(np.diff(number) != 0) + 1
    begins = np.flatnonzero((number == 0) | np.isin(np.arange(count), changes) | (np.arange(count) == 0))
    ends = np.append(begins[1:], count)
    points = xyz.tolist()
    numbers, layers = number.tolist(), which.tolist()
    entities = 0
    with r12writer(output) as dxf:
        for begin, end in zip(begins.tolist(), ends.tolist()):
            layer = names[layers[begin]]
            if numbers[begin] == 0 or (kind == "ur" and end - begin == 1):
                dxf.add_point(points[begin], layer=layer)
            else:
                dxf.add_polyline(points[begin:end], layer=layer)
            entities += 1
    print(f"{entities} entities, {len(set(names) | {'0'})} layers")


if __name__ == "__main__":
    fast = sys.argv[1] == "--fast"
    arguments = sys.argv[2:] if fast else sys.argv[1:]
    (convert_fast if fast else convert)(*arguments)
