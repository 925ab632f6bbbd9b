// The one line every benchmark prints per job, so that all of them read
// alike and a script can gather them:
//   summary URIN: ours 0.990 s (processor 0.950 s), floor 0.130 s, ours/floor 7.6,
//     fastest-path/ours 7.5, document-API/ours 48.0
// A time below 0 was not measured and shows as "-"; a job of ours not
// measured prints nothing.
#pragma once

struct Timing {
    double wall = -1;
    double processor = -1;
};

void printSummary(const char* job, Timing ours, double floor, Timing fastestPath, Timing documentApi);
