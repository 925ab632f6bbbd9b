"""Checks, with ezdxf, that a drawing holds a triangle model as UTIN draws
it, against the UT and UP files read here on their own:

    check_triangles_dxf.py faces|solids|mesh|catchment EDGES FILE.utX FILE.dxf

faces: one 3DFACE per active triangle, corners bit for bit, invisible edges
as the edge display (0 breaklines, 1 all, 2 none, 3 as 0) gives them;
solids: one SOLID per active triangle at z = 0; mesh: polyface meshes of at
most 32,767 vertices and faces whose faces are the active triangles, and for
a mesh of the whole surface the signed vertex numbers; catchment: every
triangle edge once, as a two-point 3D polyline on a class layer. Prints OK
or what differs.
"""
import struct
import sys

import ezdxf

CLASSES = {"Boundary", "flat", "edge", "dipline", "ridge", "slope", "stream"}


def read_model(ut_path):
    up_path = ut_path[:-2] + "p" + ut_path[-1]
    data = open(up_path, "rb").read()
    points = {3 + i: struct.unpack_from("<3d", data, 72 + 24 * i) for i in range((len(data) - 72) // 24)}
    data = open(ut_path, "rb").read()
    triangles = []
    for offset in range(0, len(data), 32):
        _, _, _, _, _, _, _, v1, v2, v3, e1, e2, e3, flags = struct.unpack_from("<3i3BB3i3BB", data, offset)
        if flags & 1:
            triangles.append(((v1, v2, v3), (e1 & 1, e2 & 1, e3 & 1)))
    return points, triangles


def shown(edges, breaklines, k):
    return edges == 1 or (edges != 2 and breaklines[k] == 1)


def key(corners):
    return tuple(sorted(struct.pack("<3d", *c) for c in corners))


def check_faces(msp, points, triangles, edges):
    faces = msp.query("3DFACE")
    if len(faces) != len(triangles):
        return "%d faces, expected %d" % (len(faces), len(triangles))
    for face, (v, b) in zip(faces, triangles):
        corners = [points[n] for n in v] + [points[v[2]]]
        got = [tuple(face.dxf.get("vtx%d" % i)) for i in range(4)]
        if [struct.pack("<3d", *c) for c in got] != [struct.pack("<3d", *c) for c in corners]:
            return "face corners %s, expected %s" % (got, corners)
        want = 0 if edges == 1 else 15 if edges == 2 else (
            4 | (0 if b[2] else 1) | (0 if b[0] else 2) | (0 if b[1] else 8))
        if face.dxf.invisible != want:
            return "face invisible edges %d, expected %d" % (face.dxf.invisible, want)
    return "OK"


def check_solids(msp, points, triangles):
    solids = msp.query("SOLID")
    if len(solids) != len(triangles):
        return "%d solids, expected %d" % (len(solids), len(triangles))
    for solid, (v, _) in zip(solids, triangles):
        want = [points[n][:2] + (0.0,) for n in v] + [points[v[2]][:2] + (0.0,)]
        got = [tuple(solid.dxf.get("vtx%d" % i)) for i in range(4)]
        if got != want:
            return "solid %s, expected %s" % (got, want)
    return "OK"


def check_mesh(msp, points, triangles, edges):
    meshes = [p for p in msp.query("POLYLINE") if p.is_poly_face_mesh]
    if not meshes:
        return "no polyface mesh"
    drawn = []
    signed = []
    for mesh in meshes:
        if mesh.dxf.m_count > 32767 or mesh.dxf.n_count > 32767:
            return "a mesh of %d vertices and %d faces" % (mesh.dxf.m_count, mesh.dxf.n_count)
        vertices = [v for v in mesh.vertices if v.dxf.flags & 64]
        faces = [v for v in mesh.vertices if not v.dxf.flags & 64]
        if len(vertices) != mesh.dxf.m_count or len(faces) != mesh.dxf.n_count:
            return "a mesh header disagrees with its vertices or faces"
        for face in faces:
            numbers = [face.dxf.get(name) for name in ("vtx0", "vtx1", "vtx2")]
            if any(n == 0 or abs(n) > len(vertices) for n in numbers):
                return "face numbers %s in a mesh of %d vertices" % (numbers, len(vertices))
            signed.append(numbers)
            drawn.append(key([tuple(vertices[abs(n) - 1].dxf.location) for n in numbers]))
    expected = [key([points[n] for n in v]) for v, _ in triangles]
    if sorted(drawn) != sorted(expected):
        return "%d faces drawn do not match the %d active triangles" % (len(drawn), len(expected))
    if len(meshes) == 1:
        for numbers, (v, b) in zip(signed, triangles):
            # Vertex k starts edge (k + 2) % 3.
            want = [(n - 2) if shown(edges, b, (k + 2) % 3) else -(n - 2) for k, n in enumerate(v)]
            if numbers != want:
                return "face %s, expected %s" % (numbers, want)
    return "OK"


def check_catchment(msp, points, triangles):
    expected = set()
    for v, _ in triangles:
        for k in range(3):
            a, b = points[v[(k + 1) % 3]], points[v[(k + 2) % 3]]
            expected.add(tuple(sorted((a, b))))
    drawn = set()
    for line in msp.query("POLYLINE"):
        if not line.is_3d_polyline or line.dxf.layer not in CLASSES:
            return "a string that is no class's 3D polyline: layer %s" % line.dxf.layer
        ends = [tuple(v.dxf.location) for v in line.vertices]
        if len(ends) != 2:
            return "a string of %d vertices" % len(ends)
        edge = tuple(sorted(ends))
        if edge in drawn:
            return "edge %s drawn twice" % (edge,)
        drawn.add(edge)
    if drawn != expected:
        return "%d edges drawn, %d expected" % (len(drawn), len(expected))
    return "OK"


def main(method, edges, ut_path, dxf_path):
    doc = ezdxf.readfile(dxf_path)
    auditor = doc.audit()
    if auditor.has_errors:
        return "audit: %s" % [e.message for e in auditor.errors][:3]
    points, triangles = read_model(ut_path)
    msp = doc.modelspace()
    if method == "faces":
        return check_faces(msp, points, triangles, edges)
    if method == "solids":
        return check_solids(msp, points, triangles)
    if method == "mesh":
        return check_mesh(msp, points, triangles, edges)
    return check_catchment(msp, points, triangles)


if __name__ == "__main__":
    print(main(sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]))
