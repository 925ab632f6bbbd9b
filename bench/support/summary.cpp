#include "summary.h"

#include <cstdio>

namespace {

// "7.6", or "-" when either side was not measured.
const char* ratio(double top, double bottom, char (&text)[32]) {
    if (top < 0 || bottom <= 0) return "-";
    std::snprintf(text, sizeof text, "%.1f", top / bottom);
    return text;
}

}  // namespace

void printSummary(const char* job, Timing ours, double floor, Timing fastestPath, Timing documentApi) {
    if (ours.wall < 0) return;  // left out, by a filter, say
    char toFloor[32], fast[32], document[32];
    std::printf("summary %s: ours %.3f s (processor %.3f s), floor %.3f s, ours/floor %s, fastest-path/ours %s, "
                "document-API/ours %s\n",
                job, ours.wall, ours.processor, floor, ratio(ours.wall, floor, toFloor),
                ratio(fastestPath.wall, ours.wall, fast), ratio(documentApi.wall, ours.wall, document));
    std::fflush(stdout);
}
