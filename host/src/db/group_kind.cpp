#include <string_view>

#include "zcad/group_list.h"
#include "zcad/text.h"

namespace zcad {

namespace {

constexpr GroupKind kindByRange(int code) {
    if (code >= 10 && code <= 18) return GroupKind::Point;
    if (code >= 110 && code <= 112) return GroupKind::Point;
    if (code == 210 || (code >= 1010 && code <= 1013)) return GroupKind::Point;
    if (code >= 38 && code <= 59) return GroupKind::Real;
    if (code >= 140 && code <= 149) return GroupKind::Real;
    if (code >= 460 && code <= 469) return GroupKind::Real;
    if (code >= 1014 && code <= 1059) return GroupKind::Real;
    if (code >= 60 && code <= 79) return GroupKind::Int16;
    if (code >= 170 && code <= 179) return GroupKind::Int16;
    if (code >= 270 && code <= 299) return GroupKind::Int16;
    if (code >= 370 && code <= 389) return GroupKind::Int16;
    if (code >= 400 && code <= 409) return GroupKind::Int16;
    if (code >= 1060 && code <= 1070) return GroupKind::Int16;
    if (code >= 90 && code <= 99) return GroupKind::Int32;
    if (code >= 420 && code <= 429) return GroupKind::Int32;
    if (code >= 440 && code <= 459) return GroupKind::Int32;
    if (code == 1071) return GroupKind::Int32;
    if (code >= 160 && code <= 169) return GroupKind::Int64;
    return GroupKind::String;
}

// Looked up for every group of every entity read or written.
constexpr int kFirstCode = -5;
constexpr int kLastCode = 1071;

struct KindTable {
    GroupKind kinds[kLastCode - kFirstCode + 1];
    constexpr KindTable() : kinds() {
        for (int code = kFirstCode; code <= kLastCode; ++code) kinds[code - kFirstCode] = kindByRange(code);
    }
};

constexpr KindTable kKinds;

}  // namespace

GroupKind groupKind(int code) {
    if (code < kFirstCode || code > kLastCode) return GroupKind::String;
    return kKinds.kinds[code - kFirstCode];
}

bool isAngleGroup(std::string_view type, int code) {
    // DXF files carry these in degrees; ELLIPSE's parameters are radians in
    // the file too. MTEXT's 50 is documented as radians but written in
    // degrees by the programs that make the files, so it is taken as such.
    if (code == 50) {
        return equalNoCase(type, "TEXT") || equalNoCase(type, "ATTRIB") || equalNoCase(type, "ATTDEF") ||
               equalNoCase(type, "ARC") || equalNoCase(type, "INSERT") || equalNoCase(type, "SHAPE") ||
               equalNoCase(type, "VERTEX") || equalNoCase(type, "DIMENSION") || equalNoCase(type, "POINT") ||
               equalNoCase(type, "MTEXT") || equalNoCase(type, "STYLE") || equalNoCase(type, "ARCALIGNEDTEXT");
    }
    if (code == 51) {
        return equalNoCase(type, "ARC") || equalNoCase(type, "TEXT") || equalNoCase(type, "ATTRIB") ||
               equalNoCase(type, "ATTDEF") || equalNoCase(type, "SHAPE") || equalNoCase(type, "DIMENSION");
    }
    if (code == 52 || code == 53) return equalNoCase(type, "DIMENSION");
    return false;
}

}  // namespace zcad
