"""The peer of bench_render: ezdxf's drawing add-on with its matplotlib
backend, drawing the same DXF to a PNG of the same size (1600 by 1200).

Usage: /usr/bin/python3 render_ezdxf.py DRAWING.dxf OUT.png
"""
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

import ezdxf  # noqa: E402
from ezdxf.addons.drawing import Frontend, RenderContext  # noqa: E402
from ezdxf.addons.drawing.matplotlib import MatplotlibBackend  # noqa: E402


def main():
    path, out = sys.argv[1], sys.argv[2]
    start = time.monotonic()
    doc = ezdxf.readfile(path)
    load = time.monotonic() - start
    msp = doc.modelspace()
    count = len(msp)
    start = time.monotonic()
    fig = plt.figure(figsize=(16, 12), dpi=100)
    ax = fig.add_axes([0, 0, 1, 1])
    Frontend(RenderContext(doc), MatplotlibBackend(ax)).draw_layout(msp, finalize=True)
    fig.savefig(out, dpi=100)
    plt.close(fig)
    draw = time.monotonic() - start
    print(f"ezdxf entities {count}, load {load:.3f} s")
    print(f"ezdxf draw+png {draw:.3f} s  ({draw / max(count, 1) * 1e6:.0f} us per entity)")


if __name__ == "__main__":
    main()
