# Sample layer control file: triangles of a UTIN import (2D solids or 3D
# faces) go to layers by their slope.
#
# One threshold a line: a slope in percent, then a layer name. A triangle
# goes to the layer of the steepest threshold at or below its slope; one
# flatter than every threshold goes to layer 0. Thresholds must not fall
# from line to line. Names are upper-cased and end at the first character
# other than a letter, a digit or - $ _ +. Lines starting with # are
# comments; only the first 79 characters of a line are read.
#
# slope %   layer
0           SLOPE_FLAT
2           SLOPE_GENTLE
5           SLOPE_MODERATE
10          SLOPE_STEEP
20          SLOPE_VERY_STEEP
33          SLOPE_BATTER
50          SLOPE_CLIFF
