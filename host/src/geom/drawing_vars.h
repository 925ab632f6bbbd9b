// Typed reads of the drawing's header variables with the host's defaults,
// and the current user coordinate system they describe.
#pragma once

#include <string_view>

#include "frame.h"
#include "zcad/database.h"

namespace zcad::geom {

// The first group `code` of header variable `name`, or null.
const OwnedGroup* headerGroup(const Database& db, std::string_view name, int code);

int headerInt(const Database& db, std::string_view name, int code, int fallback);
double headerReal(const Database& db, std::string_view name, int code, double fallback);
std::string_view headerText(const Database& db, std::string_view name, int code, std::string_view fallback);

// $UCSORG, $UCSXDIR and $UCSYDIR; the world when they are missing or degenerate.
Frame currentUserFrame(const Database& db);

}  // namespace zcad::geom
