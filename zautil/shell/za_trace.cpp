#include "za_trace.h"

void zaTrace(const char*) {}
