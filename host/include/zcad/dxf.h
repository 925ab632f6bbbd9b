// Drawings on disk as ASCII DXF, R12 to R2018.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database.h"

#pragma GCC visibility push(default)

namespace zcad {

enum class DxfVersion { R12, R2000, R2004, R2007, R2010, R2013, R2018 };

// "R12", "R2000", ... or "AC1009", "AC1015", ...; false when unknown.
bool parseDxfVersion(const std::string& text, DxfVersion& version);
const char* dxfVersionName(DxfVersion version);  // "R12", ...

// Reads a DXF file into a new database. On failure returns null and sets
// `error` to one message that names the line.
std::unique_ptr<Database> readDxf(const std::string& path, std::string& error);
std::unique_ptr<Database> readDxfText(std::string_view text, std::string& error);

// What reading the drawing repaired in a mildly malformed file, one line
// each ("line N: ..."), in file order; empty for a sound file or a drawing
// not read from DXF. Writing such a drawing writes it repaired.
std::vector<std::string> dxfRepairs(const Database& db);

// Writes the database: a loaded drawing in its own release unless `version`
// is given; a new drawing as R12 unless `version` is given. Atomic: written
// beside the target, then renamed over it. A drawing read from R2000 or
// later converts to any release; one read as R12 is written as R12.
// `converted`, when given, gets what a conversion to R12 converted or
// dropped, one line per kind ("LWPOLYLINE: 3 converted to POLYLINE").
bool writeDxf(const std::string& path, const Database& db, const DxfVersion* version, std::string& error,
              std::vector<std::string>* converted = nullptr);
std::string writeDxfText(const Database& db, const DxfVersion* version);
// The same text handed to `sink` in pieces as it is made; false when the
// sink refused a piece (the write stops there).
bool writeDxfTo(const Database& db, const DxfVersion* version, const std::function<bool(std::string_view)>& sink);

}  // namespace zcad

#pragma GCC visibility pop
