#include <functional>

#include "host_command.h"
#include "zcad/picture.h"
#include "zcad/text.h"

namespace zcad::commands {

namespace {

struct Entry {
    std::string_view name;
    std::string_view summary;
    std::function<std::unique_ptr<HostCommand>()> make;
};

const Entry kCommands[] = {
    {"-LAYER", "makes, sets, colours and switches layers", makeLayerCommand},
    {"ZOOM", "shows the drawing's extents (E) or a window (W)", makeZoomCommand},
    {"PDMODE", "sets how points are drawn", makePdmodeCommand},
    {"MOVE", "moves objects by a base point and a second point", makeMoveCommand},
    {"CHANGE", "changes the colour, elevation, layer, linetype or thickness of objects", makeChangeCommand},
    {"-SHADEMODE", "sets the shading mode (remembered only)", makeShadeModeCommand},
    {"SHADEMODE", "the same as -SHADEMODE", makeShadeModeCommand},
    {"SHADE", "shades the drawing (remembered only)", makeShadeCommand},
    {"RIBBON", "shows the ribbon (remembered only)", [] { return makeRibbonCommand(true); }},
    {"RIBBONCLOSE", "closes the ribbon (remembered only)", [] { return makeRibbonCommand(false); }},
    {"NETLOAD", "records a .NET assembly as loaded (it cannot run here)", makeNetloadCommand},
    {"REGEN", "regenerates the drawing (nothing to redraw here)", makeRegenCommand},
    {"PNGOUT", "writes a PNG picture of the drawing", [] { return makePictureCommand(PictureFormat::Png); }},
    {"SVGOUT", "writes an SVG picture of the drawing", [] { return makePictureCommand(PictureFormat::Svg); }},
    {"PDFOUT", "writes a PDF picture of the drawing", [] { return makePictureCommand(PictureFormat::Pdf); }},
    {"HTMLOUT", "writes an HTML page to explore the drawing in a browser",
     [] { return makePictureCommand(PictureFormat::Html); }},
    {"ERASE", "takes objects out of the drawing", makeEraseCommand},
    {"OOPS", "brings back what the last ERASE took out", makeOopsCommand},
    {"LIST", "lists each selected object: type, layer, handle, colour, points and sizes", makeListCommand},
    {"ID", "the coordinates of a point, or (Nearest) of the nearest point on an object", makeIdCommand},
    {"DIST", "the distance, angles and deltas between two points", makeDistCommand},
    {"AREA", "the area and perimeter of points in turn, or of a polyline or circle (Object)", makeAreaCommand},
    {"COUNT", "counts the objects of the drawing or a selection by type and layer", makeCountCommand},
    {"U", "takes back the last command", makeUCommand},
    {"UNDO", "takes back a number of commands, or back to a mark; BEgin/End group, Control turns it off",
     makeUndoCommand},
    {"REDO", "does again what the last U or UNDO took back", makeRedoCommand},
};

}  // namespace

std::vector<CommandSummary> hostCommands() {
    std::vector<CommandSummary> list;
    for (const Entry& entry : kCommands) list.push_back({entry.name, entry.summary});
    return list;
}

std::unique_ptr<HostCommand> makeHostCommand(std::string_view name) {
    // "_" asks for the global name, "." for the built-in command.
    while (!name.empty() && (name.front() == '_' || name.front() == '.')) name.remove_prefix(1);
    const std::string wanted = upperCase(name);
    for (const Entry& entry : kCommands) {
        if (entry.name == wanted) return entry.make();
    }
    return nullptr;
}

}  // namespace zcad::commands
