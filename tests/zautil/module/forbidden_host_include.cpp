// Compiled with the plot folder's include path: the host's own drawing is
// no part of its API, so the module cannot reach it.
#include "zcad/database.h"
