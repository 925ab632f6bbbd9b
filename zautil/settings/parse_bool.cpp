#include "settings/parse_bool.h"

#include <cstring>

bool zaParseBool(const char* text) {
    if (!text) return false;
    if (std::strcmp(text, "true") == 0) return true;
    if (std::strcmp(text, "false") == 0) return false;
    switch (text[0]) {
    case 'T':
    case 't':
    case '1': return true;
    default: return false;
    }
}
