"""The peer of bench_utin: ezdxf on its fastest path, numpy reading the UT
and UP files and the r12writer add-on writing R12, making the entities UTIN
makes: a 3DFACE per active triangle on the layer of its paint number with
its invisible edges, polyface meshes of at most 32,767 vertices (runs of
10,922 triangles, whose vertices always fit), or each triangle edge once as
a 3D polyline on the layer of its drainage class.

Usage: /usr/bin/python3 utin_ezdxf.py faces|mesh|catchment INPUT.utX OUTPUT.dxf
"""
import sys

import numpy as np
from ezdxf.addons import r12writer

UT = np.dtype([("neighbours", "<i4", 3), ("unused", "u1", 3), ("paint", "u1"), ("vertices", "<i4", 3),
               ("edges", "u1", 3), ("flags", "u1")])
CLASSES = ["Boundary", "flat", "edge", "dipline", "ridge", "slope", "stream"]


def read(ut_path):
    records = np.fromfile(ut_path, dtype=UT)
    up_path = ut_path[:-2] + "p" + ut_path[-1]
    points = np.fromfile(up_path, dtype="<f8").reshape(-1, 3)  # row v is point v
    return records, points


def faces(r12, records, points):
    active = records[(records["flags"] & 1) == 1]
    corners = points[active["vertices"]]
    breakline = (active["edges"] & 1) == 1
    invisible = 4 | np.where(breakline[:, 2], 0, 1) | np.where(breakline[:, 0], 0, 2) | np.where(breakline[:, 1], 0, 8)
    layers = ["try%03d" % p for p in range(256)]
    for c, flags, paint in zip(corners.tolist(), invisible.tolist(), active["paint"].tolist()):
        r12.add_3dface([c[0], c[1], c[2], c[2]], invisible=flags, layer=layers[paint])
    return len(active)


def meshes(r12, records, points):
    active = records[(records["flags"] & 1) == 1]
    breakline = (active["edges"] & 1) == 1
    # Vertex k starts edge (k + 2) % 3; a hidden edge negates its number.
    hidden = ~breakline[:, [2, 0, 1]]
    count = 0
    for start in range(0, len(active), 10922):
        run = active["vertices"][start:start + 10922]
        used, local = np.unique(run, return_inverse=True)
        local = local.reshape(-1, 3)
        # r12writer writes index + 1.
        numbers = np.where(hidden[start:start + 10922], -local - 2, local)
        r12.add_polyface(points[used].tolist(), numbers.tolist(), layer="Mesh")
        count += 1
    return count


def drainage_normals(records, points):
    v = records["vertices"].copy()
    inactive = (records["flags"] & 1) == 0
    v[inactive] = 3
    p1, p2, p3 = points[v[:, 0]], points[v[:, 1]], points[v[:, 2]]
    n = np.cross(p2 - p1, p3 - p2)
    h = np.hypot(n[:, 0], n[:, 1])
    m = np.where((h > 0.0001)[:, None], n / np.where(h > 0.0001, h, 1.0)[:, None], 0.0)
    m[inactive] = 0.0
    return m


def catchments(r12, records, points):
    m = drainage_normals(records, points)
    t = np.arange(len(records))
    active = (records["flags"] & 1) == 1
    kinds = []
    for edge in range(3):
        start = records["vertices"][:, (edge + 1) % 3]
        end = records["vertices"][:, (edge + 2) % 3]
        boundary = (records["edges"][:, edge] & 40) != 0
        across = records["neighbours"][:, edge]
        drawn = active & (boundary | (across < t))
        d = points[np.where(drawn, end, 3)] - points[np.where(drawn, start, 3)]
        length = np.hypot(d[:, 0], d[:, 1])
        shortest = 0.0001 if edge == 1 else 0.001
        scale = np.where(length > shortest, length, 1.0)
        dx, dy = d[:, 0] / scale, d[:, 1] / scale
        mu = m[np.where(drawn & ~boundary, across, 0)]
        s_t = dy * m[:, 0] - m[:, 1] * dx
        s_u = dy * mu[:, 0] - mu[:, 1] * dx
        z_t = np.where(s_t <= 0, -m[:, 2], m[:, 2])
        z_u = np.where(s_u >= 0, -mu[:, 2], mu[:, 2])
        flat_t, flat_u = np.abs(z_t) < 0.001, np.abs(z_u) < 0.001
        kind = np.select(
            [boundary, flat_t & flat_u, flat_t | flat_u, (np.abs(s_t) < 0.001) | (np.abs(s_u) < 0.001),
             (z_t < 0) & (z_u < 0), (z_t < 0) | (z_u < 0)],
            [0, 1, 2, 3, 4, 5], 6)
        kinds.append(np.where(drawn, kind, -1))
    # Triangle by triangle, each triangle's edges in turn.
    kinds = np.stack(kinds, axis=1)
    count = 0
    for ti, edge in zip(*np.nonzero(kinds >= 0)):
        v = records["vertices"][ti]
        r12.add_polyline([points[v[(edge + 1) % 3]].tolist(), points[v[(edge + 2) % 3]].tolist()],
                         layer=CLASSES[kinds[ti, edge]])
        count += 1
    return count


def main(method, ut_path, output):
    records, points = read(ut_path)
    with r12writer(output) as r12:
        made = {"faces": faces, "mesh": meshes, "catchment": catchments}[method](r12, records, points)
    print(f"{made} {'meshes' if method == 'mesh' else 'entities'} from {len(records)} triangles")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3])
