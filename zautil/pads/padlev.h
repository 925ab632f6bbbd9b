// PADLEV: pad and cadastral lot boundaries from the selected linework and
// the texts inside it, with the ADAC transfer file of the lots.
#pragma once

void zaPADLEV();
