// UROUT and TROUT: selected drawing entities written as the suite's string
// and point files, binary UR and text TR.
#pragma once

void zaUROUT();
void zaTROUT();
