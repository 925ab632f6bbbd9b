// Compiled with the plot folder's include path: PADLEV's folder is not
// below plot's, so its headers are out of reach.
#include "pads/padlev.h"
