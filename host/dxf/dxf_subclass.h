// Subclass markers that R13 and later need in an entity the host made
// without them: which marker opens which of an entity's groups.
#pragma once

#include <string_view>

namespace zcad::dxf {

struct Subclasses {
    const char* first = nullptr;   // after AcDbEntity's groups
    const char* second = nullptr;  // a later marker, or null
    bool allInSecond = false;      // the first marker carries no groups
    bool (*inSecond)(int code) = nullptr;
};

// `flags` is the entity's group 70 (polyline and vertex kinds depend on it).
Subclasses subclassesOf(std::string_view type, int flags);

// Groups that belong to AcDbEntity rather than to the entity's own class.
bool isCommonEntityGroup(int code);

const char* recordSubclass(std::string_view table);  // "AcDbLayerTableRecord", ...

}  // namespace zcad::dxf
