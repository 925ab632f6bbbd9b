// acutWcMatch: one parsed pattern per thread, reused between calls, so a
// caller matching every record against a map allocates nothing per call.
#include "arx/acedads.h"
#include "wildcard.h"

int acutWcMatch(const ACHAR* text, const ACHAR* pattern) {
    if (!text || !pattern) return RTERROR;
    thread_local zcad::geom::WildcardPattern parsed;
    parsed.assign(pattern);
    return parsed.matches(text) ? RTNORM : RTERROR;
}
