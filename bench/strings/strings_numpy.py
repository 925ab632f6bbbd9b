"""The peer of bench_strings on the fastest path Python offers: numpy
reading a UR file whole through a structured dtype and a TR file by cutting
the fixed columns of every line at once, then writing the records read back
as UR (the array's bytes behind the file's header) and as TR (one format
per line, joined). Prints "read-ur R read-tr T write-ur W write-tr V" in
seconds, measured here so that Python's start-up is left out.

Usage: /usr/bin/python3 strings_numpy.py INPUT.ur1 INPUT.tr1 SCRATCH
"""
import os
import sys
import time

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from fixed_columns import field, tr_data_lines  # noqa: E402

# 56-byte records: the last four bytes are kept as they are.
UR = np.dtype([("number", "<i4"), ("point", "<i4"), ("xyz", "<f8", 3), ("text", "S20"), ("rest", "V4")])
UR_HEADER = 224
TR_WIDTH = 70


def read_ur(path):
    return np.fromfile(path, dtype=UR, offset=UR_HEADER)


def read_tr(path):
    columns = tr_data_lines(path, TR_WIDTH)
    records = np.zeros(len(columns), dtype=UR)
    records["number"] = field(columns, 0, 6).astype(np.int32)
    records["point"] = field(columns, 6, 12).astype(np.int32)
    records["xyz"] = np.stack([field(columns, 12, 25).astype(float), field(columns, 25, 38).astype(float),
                               field(columns, 38, 49).astype(float)], axis=1)
    records["text"] = np.char.add(np.char.rstrip(field(columns, 49, 53)), np.char.rstrip(field(columns, 54, 70)))
    return records


def write_ur(records, header, path):
    with open(path, "wb") as out:
        out.write(header)
        records.tofile(out)


def write_tr(records, header, path):
    rows = zip(records["number"].tolist(), (records["point"] % 1000000).tolist(), records["xyz"].tolist(),
               [t.decode("latin-1") for t in records["text"].tolist()])
    with open(path, "w", encoding="latin-1", newline="") as out:
        out.write(header)
        out.write("".join("%6d%6d%13.4f%13.4f%10.4f %-4s %s\r\n" % (n, p, x, y, z, t[:4], t[4:20])
                          for n, p, (x, y, z), t in rows))


def main(ur_path, tr_path, scratch):
    times = []
    start = time.monotonic()
    ur = read_ur(ur_path)
    times.append(time.monotonic() - start)
    start = time.monotonic()
    tr = read_tr(tr_path)
    times.append(time.monotonic() - start)
    with open(ur_path, "rb") as f:
        ur_header = f.read(UR_HEADER)
    with open(tr_path, "rb") as f:
        tr_header = f.readline().decode("latin-1")
    start = time.monotonic()
    write_ur(ur, ur_header, scratch)
    times.append(time.monotonic() - start)
    start = time.monotonic()
    write_tr(tr, tr_header, scratch)
    times.append(time.monotonic() - start)
    os.remove(scratch)
    print("read-ur %.3f read-tr %.3f write-ur %.3f write-tr %.3f" % tuple(times))
    print(f"numpy: {len(ur)} UR records, {len(tr)} TR records")


if __name__ == "__main__":
    main(*sys.argv[1:4])
