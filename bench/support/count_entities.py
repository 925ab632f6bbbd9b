"""Counts a DXF's modelspace entities by type and layer, one "TYPE LAYER
COUNT" line each, sorted, so that the drawings of our commands and of the
peers can be compared with diff at a small size:

  /usr/bin/python3 bench/support/count_entities.py ours.dxf > a
  /usr/bin/python3 bench/support/count_entities.py peer.dxf > b && diff a b

Layer names compare upper-cased, as DXF layer names are caseless.
"""
import collections
import sys

import ezdxf

counts = collections.Counter()
for entity in ezdxf.readfile(sys.argv[1]).modelspace():
    counts[entity.dxftype(), entity.dxf.layer.upper()] += 1
for (kind, layer), count in sorted(counts.items()):
    print(kind, layer, count)
