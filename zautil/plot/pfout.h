// PFOUT (PFO): writes selected lines, arcs, circles, polylines and texts to
// a new plot file, adding the layers the plot tables do not know.
#pragma once

void zaPFOUT();
