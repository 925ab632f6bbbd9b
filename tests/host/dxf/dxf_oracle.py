"""Independent checks of DXF files with ezdxf, for the DXF tests.

make OUT VERSION [bin|asc [noblocks]]
                      writes the reference drawing, as binary DXF with bin,
                      without its block and insert with noblocks
dump FILE             audits FILE and prints one line per model-space entity
compare SRC OUT       prints the handles of entities that differ
shapes OUT VERSION    writes a drawing with two unnamed shape-file styles and
                      linetypes drawn with their shapes
pointers FILE         prints the records of each table, every pointer that
                      leads to no handle, and the audit's error count
"""
import math
import sys

import ezdxf


def make_later_entities(msp):
    lw = msp.add_lwpolyline([(0, 0, 0, 0, 0.5), (10.25, 0, 0, 0, -0.3), (10.25, 7.1, 0.1, 0.2, 0)],
                            format="xyseb", dxfattribs={"layer": "WALLS", "elevation": 3.5, "closed": True})
    lw.dxf.extrusion = (0, 0, -1)
    msp.add_mtext("First line\\PSecond ^ line", dxfattribs={"insert": (5, 5, 0), "char_height": 2.5,
                                                            "rotation": 30, "layer": "KERB"})
    msp.add_ellipse((50, 50), major_axis=(10, 0, 0), ratio=0.5, dxfattribs={"layer": "KERB"})
    msp.add_spline([(0, 0), (10, 5), (20, -5), (30, 0)], dxfattribs={"layer": "WALLS"})


def make(path, version, form="asc", blocks="blocks"):
    doc = ezdxf.new(version)
    doc.layers.add("WALLS", color=1, linetype="DASHED")
    doc.layers.add("KERB", color=151)
    doc.linetypes.add("DASHED", pattern=[0.6, 0.5, -0.1], description="Dashed __ __ __")
    doc.appids.add("ZTEST")
    msp = doc.modelspace()
    if version != "R12":
        make_later_entities(msp)
    msp.add_polyline2d([(1, 1), (2, 3.3), (4.125, 1)], dxfattribs={"layer": "KERB"})
    msp.add_polyline3d([(1, 1, 1), (2, 3.3, 2.2), (4.125, 1, 0.1)], dxfattribs={"closed": True})
    mesh = msp.add_polyface()
    mesh.append_face([(0, 0, 0), (1, 0, 0.5), (1, 1, 1)])
    mesh.append_face([(0, 0, 0), (1, 1, 1), (0, 1, 0.5)])
    msp.add_3dface([(0, 0, 0), (1, 0, 0.1), (1, 1, 0.2), (0, 1, 0.3)], dxfattribs={"invisible": 4})
    msp.add_solid([(2, 2), (3, 2), (2, 3), (3, 3)], dxfattribs={"color": 3})
    if blocks == "blocks":
        block = doc.blocks.new("PEG")
        block.add_circle((0, 0), 0.5)
        block.add_attdef("LEVEL", (0.6, 0), dxfattribs={"height": 0.3})
        ins = msp.add_blockref("PEG", (100.5, 200.25), dxfattribs={"rotation": 45.5, "xscale": 2})
        ins.add_attrib("LEVEL", "12.345", (101, 200), dxfattribs={"rotation": 45.5, "height": 0.3})
    text = msp.add_text("Aligned \u00b0 text", dxfattribs={"height": 1.25, "rotation": 12.75, "layer": "WALLS"})
    text.set_placement((20, 20), (30, 22), align=ezdxf.enums.TextEntityAlignment.ALIGNED)
    line = msp.add_line((0, 0, 0), (0.1, 0.2, 0.3), dxfattribs={"color": 256, "linetype": "DASHED"})
    line.set_xdata("ZTEST", [(1000, "note ^ here"), (1040, 2.5), (1070, 7), (1010, (1, 2, 3))])
    msp.add_arc((3, 4), 1.5, 10.5, 200.25)
    msp.add_point((7.7, 8.8, 9.9))
    doc.saveas(path, fmt=form)


def make_shapes(path, version):
    doc = ezdxf.new(version)
    doc.styles.add_shx("ltypeshp.shx")
    # ezdxf keys styles by name and shape files have none: the first is
    # moved aside so that the second does not replace it.
    doc.styles.entries["shape file 1"] = doc.styles.entries.pop("")
    doc.styles.add_shx("trees.shx")
    doc.linetypes.add("FENCE", pattern="A,.25,-.1,[132,ltypeshp.shx,x=-.1,s=.1],-.1,1",
                      description="Fence ----[]----", length=1.45)
    doc.linetypes.add("TREES", pattern="A,.5,-.2,[7,trees.shx,s=.2,r=30],-.2",
                      description="Trees --*--*--", length=0.9)
    msp = doc.modelspace()
    msp.add_line((0, 0), (10, 0), dxfattribs={"linetype": "FENCE"})
    msp.add_line((0, 5), (10, 5), dxfattribs={"linetype": "TREES"})
    doc.saveas(path)


def pairs(path):
    data = open(path, "rb").read().decode("utf-8", errors="replace").splitlines()
    return [(int(data[i]), data[i + 1].strip()) for i in range(0, len(data) - 1, 2)]


def pointers(path):
    tags = pairs(path)
    handles = {v.upper() for c, v in tags if c in (5, 105)}
    records = {}
    for (c, v), (c2, v2) in zip(tags, tags[1:]):
        if c == 0 and v in ("STYLE", "LTYPE", "LAYER") and c2 == 5:
            records[v] = records.get(v, 0) + 1
    for name in sorted(records):
        print(f"table {name} {records[name]}")
    for c, v in tags:
        if (c == 330 or 340 <= c <= 349 or 360 <= c <= 369) and v != "0" and v.upper() not in handles:
            print(f"unresolved {c} {v}")
    _, auditor = load(path)
    print(f"errors {len(auditor.errors)}")


def number(v):
    return repr(float(v))


def values(entity):
    out = []
    attribs = entity.dxf.all_existing_dxf_attribs()
    for key in sorted(attribs):
        if key in ("handle", "owner"):
            continue
        v = attribs[key]
        if hasattr(v, "__iter__") and not isinstance(v, str):
            v = "(" + ",".join(number(c) for c in v) + ")"
        elif isinstance(v, float):
            v = number(v)
        out.append(f"{key}={v}")
    t = entity.dxftype()
    if t == "LWPOLYLINE":
        out.append("points=" + ";".join(",".join(number(c) for c in p) for p in entity.get_points("xyseb")))
    if t == "POLYLINE":
        for v in entity.vertices:
            out.append("vertex:" + " ".join(values(v)))
    if t == "INSERT":
        for a in entity.attribs:
            out.append("attrib:" + " ".join(values(a)))
    if t == "MTEXT":
        out.append("text=" + entity.text)
    if entity.xdata:
        for app in sorted(entity.xdata.data):
            out.append(f"xdata:{app}=" + repr(list(entity.xdata.get(app))))
    return out


def load(path):
    doc = ezdxf.readfile(path)
    return doc, doc.audit()


def dump(path):
    doc, auditor = load(path)
    errors = len(auditor.errors)
    print(f"errors {errors}")
    for e in auditor.errors:
        print(f"error {e.code} {e.message}")
    for layer in doc.layers:
        print(f"layer {layer.dxf.name}|{layer.dxf.color}|{layer.dxf.linetype}")
    for e in doc.modelspace():
        print(f"entity {e.dxftype()}|{e.dxf.handle}|" + "|".join(values(e)))


def compare(src, out):
    a, _ = load(src)
    b, auditor = load(out)
    if auditor.has_errors:
        for e in auditor.errors:
            print(f"error {e.code} {e.message}")
    la = {l.dxf.name: (l.dxf.color, l.dxf.linetype) for l in a.layers}
    lb = {l.dxf.name: (l.dxf.color, l.dxf.linetype) for l in b.layers}
    if la != lb:
        print(f"layers {la} != {lb}")
    ea = {e.dxf.handle: (e.dxftype(), values(e)) for e in a.modelspace()}
    eb = {e.dxf.handle: (e.dxftype(), values(e)) for e in b.modelspace()}
    for handle in sorted(set(ea) | set(eb)):
        if ea.get(handle) != eb.get(handle):
            print(f"differs {handle}")
    print("done")


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "make":
        make(sys.argv[2], sys.argv[3], *sys.argv[4:6])
    elif command == "dump":
        dump(sys.argv[2])
    elif command == "shapes":
        make_shapes(sys.argv[2], sys.argv[3])
    elif command == "pointers":
        pointers(sys.argv[2])
    elif command == "compare":
        compare(sys.argv[2], sys.argv[3])
