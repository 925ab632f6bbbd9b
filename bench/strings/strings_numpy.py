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

# 56-byte records: the last four bytes are kept as they are.
UR = np.dtype([("number", "<i4"), ("point", "<i4"), ("xyz", "<f8", 3), ("text", "S20"), ("rest", "V4")])
UR_HEADER = 224
TR_WIDTH = 70


def read_ur(path):
    return np.fromfile(path, dtype=UR, offset=UR_HEADER)


def read_tr(path):
    data = np.fromfile(path, dtype=np.uint8)
    ends = np.flatnonzero(data == 10)
    starts = np.concatenate(([0], ends[:-1] + 1))
    lengths = ends - starts - (data[np.maximum(ends - 1, 0)] == 13)
    padded = np.append(data, np.full(TR_WIDTH, 32, dtype=np.uint8))
    columns = padded[starts[:, None] + np.arange(TR_WIDTH)]
    columns[np.arange(TR_WIDTH) >= lengths[:, None]] = 32
    lead = columns[:, :7]
    columns = columns[(lengths >= 7) & ((lead == 32) | ((lead >= 48) & (lead <= 57))).all(axis=1)]

    def field(first, last):
        return np.ascontiguousarray(columns[:, first:last]).view(f"S{last - first}").ravel()

    records = np.zeros(len(columns), dtype=UR)
    records["number"] = field(0, 6).astype(np.int32)
    records["point"] = field(6, 12).astype(np.int32)
    records["xyz"] = np.stack([field(12, 25).astype(float), field(25, 38).astype(float),
                               field(38, 49).astype(float)], axis=1)
    records["text"] = np.char.add(np.char.rstrip(field(49, 53)), np.char.rstrip(field(54, 70)))
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
