// A failure the user must acknowledge: shown in the advice box and echoed
// on the command line.
#pragma once

void zaAdviceMessage(const char* text);
