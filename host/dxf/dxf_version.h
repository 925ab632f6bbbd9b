// Release names and $ACADVER codes.
#pragma once

#include <string_view>

#include "zcad/dxf.h"

namespace zcad::dxf {

const char* acadverOf(DxfVersion version);  // "AC1009", ...

// The structure a $ACADVER code asks for: R12 for AC1009 and older, the
// nearest later release otherwise (R13 and R14 files are built like
// R2000's). False for codes we do not know.
bool releaseOfAcadver(std::string_view acadver, DxfVersion& version);

bool isUtf8Release(DxfVersion version);  // R2007 and later

// Whether a drawing read in one release can be written in the other: the
// releases from R2000 on share one structure, and differ in the encoding
// of text and the name in $ACADVER; R12 takes what it can hold of them.
bool canConvert(DxfVersion from, DxfVersion to);

}  // namespace zcad::dxf
