// Entity lists spelt out for the trace sink, in the form a LISP programmer
// reads at a glance: ((5020 . "line") (8 . "0") (10 1 2 0)).
#pragma once

#include <string>

#include "arx/adsdef.h"

std::string zaDumpList(const resbuf* list);
