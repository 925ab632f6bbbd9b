// DWG drawings, read through an optional helper program (LibreDWG under
// Node.js, installed by scripts/install-dwg) that converts them to DXF in a
// process of its own; the DXF is then read as any other. zcad never writes DWG.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database.h"

#pragma GCC visibility push(default)

namespace zcad {

// Whether a file-system name is a DWG drawing's, by its extension.
bool isDwgName(std::string_view path);

// The name a DWG read from `path` is saved under, never the DWG's own:
// ".dxf" in place of ".dwg", or after any other name.
std::string dxfNameOf(const std::string& path);

// Where the helper is and what runs it. From the environment:
// ZCAD_DWG_HELPER (the helper's folder, else
// ${XDG_DATA_HOME:-~/.local/share}/zcad/dwg) and ZCAD_NODE (else the Node
// the installer linked into that folder, else "node" on the PATH).
struct DwgHelper {
    std::string folder;
    std::string node;  // empty when none was found
};
DwgHelper findDwgHelper();

// How long a conversion may take: `base` plus `perMegabyte` for each
// megabyte of the drawing; `stop` is asked several times a second and ends
// the conversion when true (the break key).
struct DwgLimits {
    std::chrono::milliseconds base{30000};
    std::chrono::milliseconds perMegabyte{15000};
    std::function<bool()> stop;
};

// What a conversion gave besides the drawing: the release, the entities
// (the helper's count of the DXF's, blocks' included; after readDwg, the
// drawing's own, without vertices and attributes), and the kinds of entity
// (LibreDWG's names) the DXF has fewer of than the DWG, with how many fewer.
struct DwgReport {
    std::string release;
    long entities = -1;  // -1: not known
    std::vector<std::pair<std::string, long>> lost;
};
// "DWG R2018, 211 entities; not converted: WIPEOUT 2"
std::string describeDwgReport(const DwgReport& report);

// Converts the DWG at `path` and reads the DXF. On failure returns null and
// sets `error` to one message that starts with the path: how to install the
// helper, why the helper refused the drawing, or that it cannot be opened.
std::unique_ptr<Database> readDwg(const std::string& path, const DwgHelper& helper, const DwgLimits& limits,
                                  DwgReport& report, std::string& error);

// A DWG (by its name) through the helper found in the environment, breaking
// off at the break key; any other name as DXF. `note` is the conversion's
// line for the user, empty for a DXF.
std::unique_ptr<Database> readDrawing(const std::string& path, std::string& note, std::string& error);

}  // namespace zcad

#pragma GCC visibility pop
