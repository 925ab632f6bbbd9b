// UTIN (UTI): draws a triangle model of the suite, a UT file with its UP
// file, as a polyface mesh, 2D solids, 3D faces or catchment strings.
#pragma once

void zaUTIN();
