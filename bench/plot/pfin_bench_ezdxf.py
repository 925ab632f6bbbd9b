"""The peer of bench_plot: ezdxf making the entities PFIN makes of a plot file.

Reads the plot file as PFIN does (fixed columns, narrow layout until record
12, runs of draws as one polyline, texts of several lines, circles, arcs)
and adds the same entities to a new R12 drawing, layers named by layer code.

Usage: /usr/bin/python3 pfin_bench_ezdxf.py PLOTFILE
       (make one with: gen_plot --out /tmp/bench.p01 --lines 1000000)
"""
import math
import sys
import time

import ezdxf

NARROW = {"code": (2, 5), "x": (5, 13), "y": (13, 21), "z": (21, 29), "angle": (29, 37), "count": (38, 46),
          "end": (46, None)}
WIDE = {"code": (2, 5), "x": (5, 19), "y": (19, 33), "z": (33, 47), "angle": (47, 61), "count": (62, 65),
        "end": (65, 79)}


def number(line, span, kind=float):
    text = line[span[0]:span[1]].strip()
    try:
        return kind(text) if text else kind(0)
    except ValueError:
        return kind(0)


def import_plot(path, msp):
    layout = NARROW
    layer, text_layer = "0", "0"
    current = (0.0, 0.0)
    run = []
    lines = 0

    def end_run():
        if len(run) == 2:
            msp.add_line(run[0], run[1], dxfattribs={"layer": layer})
        elif len(run) > 2:
            msp.add_polyline2d(run, dxfattribs={"layer": layer})
        run.clear()

    with open(path, encoding="latin-1", newline="") as plot:
        for raw in plot:
            lines += 1
            line = raw.rstrip("\r\n")
            kind = number(line, (0, 2), int)
            if kind == 2:
                if not run:
                    run.append(current)
                run.append((number(line, layout["x"]), number(line, layout["y"])))
                continue
            end_run()
            if kind == 0:
                break
            if kind == 1:
                current = (number(line, layout["x"]), number(line, layout["y"]))
            elif kind == 5:
                code = number(line, layout["code"], int)
                layer, text_layer = f"LAYER{code}", f"TEXT{code}"
            elif kind == 6:
                x, y = number(line, layout["x"]), number(line, layout["y"])
                height, angle = number(line, layout["z"]), number(line, layout["angle"])
                down = math.radians(angle + 270)
                for _ in range(number(line, layout["count"], int)):
                    text = next(plot).rstrip("\r\n").replace("\x7f", "%%d")
                    lines += 1
                    msp.add_text(text, height=height, rotation=angle,
                                 dxfattribs={"layer": text_layer, "insert": (x, y), "style": "Standard"})
                    x += 1.5 * height * math.cos(down)
                    y += 1.5 * height * math.sin(down)
            elif kind == 8:
                msp.add_circle((number(line, layout["x"]), number(line, layout["y"])), number(line, layout["z"]),
                               dxfattribs={"layer": layer})
            elif kind == 9:
                msp.add_arc((number(line, layout["x"]), number(line, layout["y"])), number(line, layout["z"]),
                            math.degrees(number(line, layout["angle"])), math.degrees(number(line, layout["end"])),
                            dxfattribs={"layer": layer})
            elif kind == 12:
                layout = WIDE
        end_run()
    return lines


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    doc = ezdxf.new("R12")
    start = time.monotonic()
    lines = import_plot(sys.argv[1], doc.modelspace())
    seconds = time.monotonic() - start
    print(f"ezdxf plot import {lines} lines, {len(doc.modelspace())} entities in {seconds:.2f} s: "
          f"{lines / seconds:,.0f} lines per second")


if __name__ == "__main__":
    main()
