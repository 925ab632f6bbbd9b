"""The peers of bench_dxf: ezdxf saving and loading the same 3DFACE drawing.
The document API builds a document, saves it with saveas and loads it with
readfile; the fastest path (--fast) writes with the r12writer add-on and
reads in one pass with the iterdxf add-on. Only the save and the load are
timed; each prints "save S load L" in seconds, then a note.

Usage: /usr/bin/python3 bench_dxf_ezdxf.py [--fast] [faces] [directory]
"""
import os
import sys
import time

import ezdxf
from ezdxf.addons import iterdxf
from ezdxf.addons.r12writer import r12writer


def coordinate(i, k, base):
    return base + ((i * 7919 + k * 104729) % 1000000) / 1000.0


def face(i):
    return [(coordinate(i, k, 500000.0), coordinate(i, k + 3, 6900000.0), coordinate(i, k + 6, 0.0) / 100.0)
            for k in (0, 1, 2, 2)]


def document_api(count, path):
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    for i in range(count):
        msp.add_3dface(face(i), dxfattribs={"layer": "Triangles"})
    start = time.monotonic()
    doc.saveas(path)
    save = time.monotonic() - start
    start = time.monotonic()
    loaded = len(ezdxf.readfile(path).modelspace())
    return save, time.monotonic() - start, loaded


def fastest_path(count, path):
    # The faces are made before the clock starts, as the document's are.
    faces = [face(i) for i in range(count)]
    start = time.monotonic()
    with r12writer(path) as dxf:
        for corners in faces:
            dxf.add_3dface(corners, layer="Triangles")
    save = time.monotonic() - start
    # iterdxf.modelspace: one pass, the quickest whole read; in ezdxf 0.18
    # single_pass_modelspace loses the last entity of a file r12writer wrote.
    start = time.monotonic()
    loaded = sum(1 for _ in iterdxf.modelspace(path, types=["3DFACE"]))
    return save, time.monotonic() - start, loaded


def main():
    fast = len(sys.argv) > 1 and sys.argv[1] == "--fast"
    arguments = sys.argv[2:] if fast else sys.argv[1:]
    count = int(arguments[0]) if arguments else 1000000
    directory = arguments[1] if len(arguments) > 1 else "/tmp"
    path = os.path.join(directory, "zcad_bench_faces_ezdxf.dxf")
    save, load, loaded = (fastest_path if fast else document_api)(count, path)
    size = os.path.getsize(path) / 1e6
    os.remove(path)
    print(f"save {save:.3f} load {load:.3f}")
    print(f"ezdxf {'fastest path' if fast else 'document API'}: {loaded} faces loaded, file {size:.1f} MB")


if __name__ == "__main__":
    main()
