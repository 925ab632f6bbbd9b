#include <string_view>

#include "zcad/group_list.h"
#include "zcad/text.h"

namespace zcad {

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
