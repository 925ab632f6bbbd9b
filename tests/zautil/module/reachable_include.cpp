// Compiled with the plot folder's include path: the drawing reader is below it.
#include "drawing/polyline.h"
