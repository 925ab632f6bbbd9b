"""The peers of bench_render, drawing the same DXF to a PNG of the same size
(1600 by 1200), or to an SVG when the output's name ends in .svg
(matplotlib's SVG backend). The document API peer is ezdxf's drawing add-on with its
matplotlib backend. The fastest path (--fast) reads the modelspace in one
pass with the iterdxf add-on and hands matplotlib whole collections: one
LineCollection per layer for lines, bulged polylines, circles and arcs (as
chords), each character's glyph made once and the texts placed by numpy, the
points as one scatter. Each prints "load L draw+save D" in seconds, then a
note.

Usage: /usr/bin/python3 render_ezdxf.py [--fast] DRAWING.dxf OUT.png|OUT.svg
"""
import logging
import math
import sys
import time

import matplotlib

matplotlib.use("Agg")
# The drawing add-on asks for the DXF's own font names, one warning a text.
logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.collections import LineCollection  # noqa: E402
from matplotlib.path import Path  # noqa: E402
from matplotlib.patches import PathPatch  # noqa: E402
from matplotlib.textpath import TextPath  # noqa: E402

import ezdxf  # noqa: E402
from ezdxf.addons import iterdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402
from ezdxf.math import bulge_to_arc  # noqa: E402

CHORDS = 16  # per full turn


def arc_points(cx, cy, r, start, end):
    if end <= start:
        end += 2 * math.pi
    steps = max(2, int(CHORDS * (end - start) / (2 * math.pi)) + 1)
    return [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in np.linspace(start, end, steps)]


def polyline_points(points):
    out = []
    for (x1, y1, b), (x2, y2, _) in zip(points, points[1:]):
        if b:
            centre, start, end, radius = bulge_to_arc((x1, y1), (x2, y2), b)
            out.extend(arc_points(centre.x, centre.y, radius, start, end)[:-1] if b > 0 else
                       arc_points(centre.x, centre.y, radius, start, end)[::-1][:-1])
        else:
            out.append((x1, y1))
    out.append(tuple(points[-1][:2]))
    return out


def read_fast(path):
    lines, texts, points = {}, {}, []
    kinds = ["LINE", "LWPOLYLINE", "CIRCLE", "ARC", "TEXT", "POINT"]
    # iterdxf.modelspace: one pass, the quickest; single_pass_modelspace
    # can lose the last entity in ezdxf 0.18.
    for e in iterdxf.modelspace(path, types=kinds):
        kind = e.dxftype()
        layer = lines.setdefault(e.dxf.layer, [])
        if kind == "LINE":
            layer.append([tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]])
        elif kind == "LWPOLYLINE":
            layer.append(polyline_points(list(e.get_points("xyb"))))
        elif kind == "CIRCLE":
            c = e.dxf.center
            layer.append(arc_points(c.x, c.y, e.dxf.radius, 0, 2 * math.pi))
        elif kind == "ARC":
            c = e.dxf.center
            layer.append(arc_points(c.x, c.y, e.dxf.radius, math.radians(e.dxf.start_angle),
                                    math.radians(e.dxf.end_angle)))
        elif kind == "TEXT":
            texts.setdefault((e.dxf.text, e.dxf.height), []).append(tuple(e.dxf.insert)[:2])
        else:
            points.append(tuple(e.dxf.location)[:2])
    return lines, texts, points


GLYPHS = {}


def glyphs_of(text):
    """A text's outline at height 1, its characters' outlines made once and
    set side by side (glyph paths are slow to make, texts are many)."""
    vertices, codes = [], []
    for n, c in enumerate(text):
        if c not in GLYPHS:
            path = TextPath((0, 0), c, size=1)
            GLYPHS[c] = (path.vertices, path.codes)
        v, k = GLYPHS[c]
        if len(v):
            vertices.append(v + (0.6 * n, 0))
            codes.append(k)
    if not vertices:
        return None
    return np.concatenate(vertices), np.concatenate(codes)


def draw_fast(lines, texts, points, out):
    fig = plt.figure(figsize=(16, 12), dpi=100)
    ax = fig.add_axes([0, 0, 1, 1])
    ax.set_axis_off()
    ax.set_aspect("equal")
    for n, segments in enumerate(lines.values()):
        ax.add_collection(LineCollection(segments, linewidths=0.5, colors=f"C{n % 10}"))
    vertices, codes = [], []
    for (text, height), at in texts.items():
        glyphs = glyphs_of(text)
        if glyphs is None:
            continue
        placed = glyphs[0][None, :, :] * height + np.asarray(at)[:, None, :]
        vertices.append(placed.reshape(-1, 2))
        codes.append(np.tile(glyphs[1], len(at)))
    if vertices:
        # As an artist, not a patch: a patch's limits are found curve by curve.
        ax.add_artist(PathPatch(Path(np.concatenate(vertices), np.concatenate(codes)), linewidth=0, facecolor="k",
                                transform=ax.transData))
    if points:
        xy = np.asarray(points)
        ax.scatter(xy[:, 0], xy[:, 1], s=0.2, c="k", linewidths=0)
    ax.autoscale_view()
    fig.savefig(out, dpi=100)
    plt.close(fig)


def main():
    fast = sys.argv[1] == "--fast"
    path, out = sys.argv[2:4] if fast else sys.argv[1:3]
    start = time.monotonic()
    if fast:
        lines, texts, points = read_fast(path)
        count = sum(map(len, lines.values())) + sum(map(len, texts.values())) + len(points)
    else:
        doc = ezdxf.readfile(path)
        msp = doc.modelspace()
        count = len(msp)
    load = time.monotonic() - start
    start = time.monotonic()
    if fast:
        draw_fast(lines, texts, points, out)
    else:
        fig = plt.figure(figsize=(16, 12), dpi=100)
        ax = fig.add_axes([0, 0, 1, 1])
        Frontend(RenderContext(doc), MatplotlibBackend(ax)).draw_layout(msp, finalize=True)
        fig.savefig(out, dpi=100)
        plt.close(fig)
    draw = time.monotonic() - start
    print(f"load {load:.3f} draw+save {draw:.3f}")
    print(f"ezdxf {'fastest path' if fast else 'document API'}: {count} entities, load {load:.3f} s, "
          f"draw+save {draw:.3f} s ({draw / max(count, 1) * 1e6:.0f} us per entity)")


if __name__ == "__main__":
    main()
