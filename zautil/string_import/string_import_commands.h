// URIN and TRIN: the suite's string-and-point files, binary UR and text TR,
// drawn in the current drawing.
#pragma once

void zaURIN();
void zaTRIN();
