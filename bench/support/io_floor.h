// The durable I/O floor of a job: its input read and the very bytes it
// wrote written again and synced, as nothing that keeps a file can beat.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A whole file; empty when it cannot be read.
std::string readWhole(const std::string& path);

// The best of `runs` of reading `inputs` and writing `output` durably to
// `scratch` (removed afterwards), nothing written for a job that only reads;
// -1 when a run fails.
double durableFloor(const std::vector<std::string>& inputs, std::string_view output, const std::string& scratch,
                    int runs = 3);
