// plot.lay text built by hand from its column layout, independently of the
// module's codec.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct LayRow {
    int code, pen, lineType;
    const char* lineLayer;
    const char* textLayer;
    const char* style;
};

inline std::string layRow(const LayRow& r) {
    char text[80];
    std::snprintf(text, sizeof text, "%4d%4d%4d 2%-12.12s;%-12.12s;%-12.12s", r.code, r.pen, r.lineType, r.lineLayer,
                  r.textLayer, r.style);
    return text;
}

inline std::string plotLay(const std::vector<LayRow>& rows, const std::string& end = "/////\r\n") {
    std::string text = "LAYER    0 Aug-2014\r\n";
    for (const LayRow& r : rows) text += layRow(r) + "\r\n";
    return text + end;
}
