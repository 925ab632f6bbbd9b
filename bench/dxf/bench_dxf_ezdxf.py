"""The peer of bench_dxf: ezdxf saving and loading the same 3DFACE drawing.

Usage: /usr/bin/python3 bench_dxf_ezdxf.py [faces] [directory]
"""
import os
import sys
import time

import ezdxf


def coordinate(i, k, base):
    return base + ((i * 7919 + k * 104729) % 1000000) / 1000.0


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1000000
    directory = sys.argv[2] if len(sys.argv) > 2 else "/tmp"
    path = os.path.join(directory, "zcad_bench_faces_ezdxf.dxf")
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    for i in range(count):
        points = []
        for k in (0, 1, 2, 2):
            points.append((coordinate(i, k, 500000.0), coordinate(i, k + 3, 6900000.0),
                           coordinate(i, k + 6, 0.0) / 100.0))
        msp.add_3dface(points, dxfattribs={"layer": "Triangles"})
    start = time.monotonic()
    doc.saveas(path)
    save = time.monotonic() - start
    size = os.path.getsize(path) / 1e6
    start = time.monotonic()
    ezdxf.readfile(path)
    load = time.monotonic() - start
    print(f"ezdxf faces {count}, file {size:.1f} MB")
    print(f"ezdxf save {save:.3f} s  {size / save:.1f} MB/s")
    print(f"ezdxf load {load:.3f} s  {size / load:.1f} MB/s")
    os.remove(path)


if __name__ == "__main__":
    main()
