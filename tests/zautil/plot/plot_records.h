// Plot file records built by hand from their column layouts, independently
// of the module's codec.
#pragma once

#include <cstdio>
#include <string>

// Narrow: type 0-1, code 2-4, x 5-12, y 13-20, z 21-28, angle 29-36, count 38-45.
inline std::string narrow(int type, int code = 0, double x = 0, double y = 0, double z = 0, double angle = 0,
                          int count = 0) {
    char line[64];
    std::snprintf(line, sizeof line, "%2d%3d%8.3f%8.3f%8.3f%8.4f %8d", type, code, x, y, z, angle, count);
    return std::string(line) + "\r\n";
}

// Wide: x 5-18, y 19-32, z 33-46, angle 47-60, count 62-64, end angle 65-78.
inline std::string wide(int type, int code = 0, double x = 0, double y = 0, double z = 0, double angle = 0,
                        int count = 0, double end = 0) {
    char line[96];
    std::snprintf(line, sizeof line, "%2d%3d%14.4f%14.4f%14.4f%14.6f %3d%14.6f", type, code, x, y, z, angle, count,
                  end);
    return std::string(line) + "\r\n";
}

inline std::string move(double x, double y) { return narrow(1, 0, x, y); }
inline std::string draw(double x, double y) { return narrow(2, 0, x, y); }
