// PQIN (PQI): draws a plot file chosen from the plot queue of the current
// job's directory, where the suite's programs leave the files they plot.
#pragma once

void zaPQIN();
