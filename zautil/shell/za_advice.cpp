#include "za_advice.h"

#include "arx/acedads.h"

// Until the advice dialog stands, the message reaches the command line only.
void zaAdviceMessage(const char* text) { acutPrintf("\nZARVO Software message <%s>\n", text ? text : ""); }
