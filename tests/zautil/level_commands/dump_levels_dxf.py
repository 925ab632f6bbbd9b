"""Reads a drawing with ezdxf and prints, one line each, its audit verdict
and every POINT and TEXT: type, layer, text, location (x y z), height."""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors", len(auditor.errors))
for e in doc.modelspace():
    kind = e.dxftype()
    if kind == "POINT":
        x, y, z = e.dxf.location
        print(f"POINT {e.dxf.layer} {x:g} {y:g} {z:g}")
    elif kind == "TEXT":
        x, y, z = e.dxf.insert
        print(f"TEXT {e.dxf.layer} '{e.dxf.text}' {x:g} {y:g} {z:g} {e.dxf.height:g}")
