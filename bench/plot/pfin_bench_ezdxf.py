"""The peers of bench_plot: ezdxf making the entities PFIN makes of a plot
file and saving them as R12 DXF.

Reads the plot file as PFIN does (fixed columns, narrow layout until record
12, runs of draws as one polyline, texts of several lines, circles, arcs)
and adds the same entities, layers named by layer code. Two paths: the
document API (a line at a time, ezdxf.new, saveas), and with --fast the
quickest a user could script: numpy cutting the columns of every line at
once, Python only for the records that are not draws, r12writer writing.

Usage: /usr/bin/python3 pfin_bench_ezdxf.py [--fast] PLOTFILE OUTPUT.dxf
       (make one with: gen_plot --out /tmp/bench.p01 --lines 1000000)
"""
import math
import os
import sys

import ezdxf
import numpy as np
from ezdxf.addons.r12writer import r12writer

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from fixed_columns import field, line_columns  # noqa: E402

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


# The fastest path.

WIDTH = 79  # the widest record


def numbers(columns, span, kind=float):
    """A field of every line as numbers, 0 where it is blank or no number."""
    text = np.char.strip(field(columns, span[0], span[1] or WIDTH))
    text[text == b""] = b"0"
    try:
        return text.astype(kind)
    except ValueError:
        return np.array([number(t.decode("latin-1"), (0, None), kind) for t in text])


def import_plot_fast(path, dxf):
    data, starts, lengths, columns = line_columns(path, WIDTH)
    # The kind in columns 1-2, a digit or two; anything else reads as 0,
    # the end, as a line at a time does.
    digits = (columns[:, :2] >= 48) & (columns[:, :2] <= 57)
    space = columns[:, :2] == 32
    value = columns[:, :2].astype(np.int64) - 48
    kinds = np.select([digits[:, 0] & digits[:, 1], space[:, 0] & digits[:, 1], digits[:, 0] & space[:, 1]],
                      [value[:, 0] * 10 + value[:, 1], value[:, 1], value[:, 0]], 0)
    narrow = {k: numbers(columns, NARROW[k]) for k in ("x", "y", "z", "angle", "end")}
    wide = {k: numbers(columns, WIDE[k]) for k in ("x", "y", "z", "angle", "end")}
    narrow_count, wide_count = numbers(columns, NARROW["count"], int), numbers(columns, WIDE["count"], int)
    codes = numbers(columns, NARROW["code"], int)

    # The records that are not draws, in order; texts are skipped as lines.
    controls, texts, switch, end = [], {}, len(kinds), len(kinds)
    skip = 0
    for i in np.flatnonzero(kinds != 2).tolist():
        if i < skip:
            continue
        kind = kinds[i]
        if kind == 0:
            end = i
            break
        controls.append(i)
        if kind == 12 and switch == len(kinds):
            switch = i
        if kind == 6:
            count = int((narrow_count if i < switch else wide_count)[i])
            texts[i] = count
            skip = i + 1 + count
    is_text = np.zeros(len(kinds) + 1, dtype=np.int64)
    for i, count in texts.items():
        is_text[i + 1] += 1
        is_text[min(i + 1 + count, len(kinds))] -= 1
    records = (np.cumsum(is_text)[:-1] == 0) & (np.arange(len(kinds)) < end)
    draws = np.flatnonzero(records & (kinds == 2))
    wide_lines = np.arange(len(kinds)) > switch
    field = {k: np.where(wide_lines, wide[k], narrow[k]).tolist() for k in narrow}
    x, y = field["x"], field["y"]
    draw_points = list(zip(np.take(x, draws).tolist(), np.take(y, draws).tolist())) if len(draws) else []

    layer, text_layer, current = "0", "0", (0.0, 0.0)
    made = 0
    controls.append(end)
    at = 0  # the next draw
    for n, i in enumerate(controls):
        # The draws before this record are one run from the current point.
        stop = int(np.searchsorted(draws, i)) if n else at
        if stop - at == 1:
            dxf.add_line(current, draw_points[at], layer=layer)
            made += 1
        elif stop - at > 1:
            dxf.add_polyline_2d([current] + draw_points[at:stop], layer=layer)
            made += 1
        at = stop
        if i == end:
            break
        kind = kinds[i]
        if kind == 1:
            current = (x[i], y[i])
        elif kind == 5:
            code = int(codes[i])
            layer, text_layer = f"LAYER{code}", f"TEXT{code}"
        elif kind == 6:
            tx, ty, height, angle = x[i], y[i], field["z"][i], field["angle"][i]
            down = math.radians(angle + 270)
            for line in range(i + 1, i + 1 + texts[i]):
                words = data[starts[line]:starts[line] + lengths[line]].tobytes().decode("latin-1")
                dxf.add_text(words.replace("\x7f", "%%d"), insert=(tx, ty), height=height, rotation=angle,
                             layer=text_layer, style="Standard")
                made += 1
                tx += 1.5 * height * math.cos(down)
                ty += 1.5 * height * math.sin(down)
        elif kind == 8:
            dxf.add_circle((x[i], y[i]), field["z"][i], layer=layer)
            made += 1
        elif kind == 9:
            dxf.add_arc((x[i], y[i]), field["z"][i], math.degrees(field["angle"][i]), math.degrees(field["end"][i]),
                        layer=layer)
            made += 1
    return len(kinds), made


def main():
    fast = len(sys.argv) > 1 and sys.argv[1] == "--fast"
    arguments = sys.argv[2:] if fast else sys.argv[1:]
    if len(arguments) != 2:
        print(__doc__)
        sys.exit(2)
    plot, output = arguments
    if fast:
        with r12writer(output) as dxf:
            lines, made = import_plot_fast(plot, dxf)
    else:
        doc = ezdxf.new("R12")
        lines = import_plot(plot, doc.modelspace())
        made = len(doc.modelspace())
        doc.saveas(output)
    print(f"{lines} lines, {made} entities")


if __name__ == "__main__":
    main()
