#include "alignment/hal_files.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int kHTLength = 78;     // "HT", code, 3 x 14, 4 x 8
constexpr int kTAB02Length = 50;  // "TAB02", 3 x 15

bool written(const ZaAlignmentVertex& v) { return v.bulgeOrRadius != kZaTangentPoint; }
bool levelled(const ZaAlignmentVertex& v) { return v.bulgeOrRadius <= 0; }

// One HT line without its line end; returns its length.
int formatHT(char (&line)[128], const char* code, const ZaAlignmentVertex& v, const ZaHalIntervals& intervals) {
    return std::snprintf(line, sizeof line, "HT%2.2s%14.5f%14.5f%14.5f%8.3f%8.3f%8.3f%8.3f", code, v.x, v.y,
                         v.bulgeOrRadius, 0.0, 0.0, intervals.straight, intervals.curve);
}

int formatTAB02(char (&line)[128], const ZaAlignmentVertex& v) {
    return std::snprintf(line, sizeof line, "TAB02%15.4f%15.4f%15.4f", v.chainage, v.z, 0.0);
}

void appendLine(std::string& out, const char* line, int length) {
    out.append(line, static_cast<std::size_t>(length));
    out += "\r\n";
}

void appendHT(std::string& out, const char* code, const ZaAlignment& list, const ZaHalIntervals& intervals) {
    char line[128];
    for (const ZaAlignmentVertex& v : list) {
        if (written(v)) appendLine(out, line, formatHT(line, code, v, intervals));
    }
}

bool finite(const ZaAlignmentVertex& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) && std::isfinite(v.bulgeOrRadius) &&
           std::isfinite(v.chainage);
}

}  // namespace

std::string zaHalFileText(const ZaAlignment& pegged, const ZaAlignment* shift, const ZaHalIntervals& intervals) {
    std::string out = "HAL from ZARVO AutoCAD Interface\r\n";
    out += shift ? "HMOD  7  4\r\n" : "HMOD  8  4\r\n";
    appendHT(out, kZaPeggedCode, pegged, intervals);
    if (shift) appendHT(out, kZaShiftCode, *shift, intervals);
    return out;
}

std::string zaRvFileText(const ZaAlignment& shift) {
    char line[128];
    std::string out = "JOB from ZARVO AutoCAD Interface\r\n";
    const double length = shift.empty() ? 0.0 : shift.back().chainage;
    appendLine(out, line, std::snprintf(line, sizeof line, "LIMITS%15.4f%15.4f%10.3f%10.3f%10.3f", 0.0, length, 0.0,
                                        0.0, 0.0));
    for (const ZaAlignmentVertex& v : shift) {
        if (levelled(v)) appendLine(out, line, formatTAB02(line, v));
    }
    return out;
}

const ZaAlignmentVertex* zaFirstUnfitRecord(const ZaAlignment& list, bool writesRv) {
    char line[128];
    for (const ZaAlignmentVertex& v : list) {
        if (!finite(v)) return &v;
        if (written(v) && formatHT(line, kZaPeggedCode, v, {}) != kHTLength) return &v;
        if (writesRv && levelled(v) && formatTAB02(line, v) != kTAB02Length) return &v;
    }
    return nullptr;
}

std::string zaRvFileName(std::string_view halPath) {
    std::string name(halPath);
    const auto dot = name.rfind('.');
    const auto separator = name.find_last_of("/\\");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return name;
    if (name.size() - dot < 3) return name;
    name.replace(dot + 1, 2, "rv");
    return name;
}
