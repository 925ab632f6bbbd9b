// HALOUT (HOUT): writes a horizontal alignment drawn as a polyline to the
// suite's HAL file and, with a shift alignment, its levels to an RV file.
#pragma once

void zaHALOUT();
