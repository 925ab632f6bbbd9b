// Made-up string-and-point files for benchmarks and tests: strings of a
// given length, lone points between them, and a set of plot codes; the same
// shape and seed always give the same records.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "strings/string_record.h"

namespace zastrings {

struct StringFileShape {
    std::int64_t records = 1000;
    int codes = 8;          // distinct plot codes
    int stringLength = 50;  // points in each string; 0 gives lone points only
    int lonePoints = 2;     // lone points after each string
    std::uint64_t seed = 1;
};

// The plot code of the i-th code of a set: common survey codes first.
std::string generatedCode(int index);

// Calls `emit` with each record in file order, until it returns false;
// point numbers run from 0.
void generateStringRecords(const StringFileShape& shape, const std::function<bool(const StringRecord&)>& emit);

// Writes the records as a UR or a TR file; false with `error` set when the
// file cannot be written.
bool generateURFile(const std::string& path, const StringFileShape& shape, std::string& error);
bool generateTRFile(const std::string& path, const StringFileShape& shape, std::string& error);

}  // namespace zastrings
