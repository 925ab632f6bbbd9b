#include "pads/adac_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "files/c_numbers.h"
#include "files/text_rules.h"

namespace zapads {

namespace {

constexpr std::size_t kFlushBytes = 256 * 1024;
// The drawing's extents reach this far past the outermost nodes.
constexpr double kExtentsMargin = 5.0;

// Whole units that still hold the extents, within what %d can print.
int wholeBelow(double v) { return static_cast<int>(std::clamp(std::floor(v), -2147483648.0, 2147483647.0)); }
int wholeAbove(double v) { return static_cast<int>(std::clamp(std::ceil(v), -2147483648.0, 2147483647.0)); }

}  // namespace

PadExtents padNodeExtents(const PadGraph& graph) {
    if (graph.nodes.empty()) return {};
    PadExtents e{graph.nodes[0].at.x, graph.nodes[0].at.y, graph.nodes[0].at.x, graph.nodes[0].at.y};
    for (const PadNode& node : graph.nodes) {
        e.minX = std::min(e.minX, node.at.x);
        e.minY = std::min(e.minY, node.at.y);
        e.maxX = std::max(e.maxX, node.at.x);
        e.maxY = std::max(e.maxY, node.at.y);
    }
    return e;
}

void appendXmlEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&': out += "&amp;"; continue;
        case '<': out += "&lt;"; continue;
        case '>': out += "&gt;"; continue;
        case '"': out += "&quot;"; continue;
        case '\'': out += "&apos;"; continue;
        default: break;
        }
        if (byte >= 0x20 && byte < 0x80) {
            out += c;
            continue;
        }
        // The file declares no encoding, so it is read as UTF-8: anything
        // else goes by character reference, and a control character XML
        // cannot hold as the replacement character.
        const bool allowed = byte == '\t' || byte == '\n' || byte == '\r' || byte >= 0x80;
        const unsigned code = allowed ? zafiles::unicodeOf(c) : zafiles::kReplacementCharacter;
        char reference[16];
        std::snprintf(reference, sizeof reference, "&#x%X;", code);
        out += reference;
    }
}

bool AdacTransferFile::open(const std::string& path) {
    text_.clear();
    return file_.open(path);
}

void AdacTransferFile::put(std::string_view text) {
    for (const char c : text) {
        if (c == '\n') text_ += '\r';
        text_ += c;
    }
}

void AdacTransferFile::putInt(const char* format, int value) {
    char number[48];
    std::snprintf(number, sizeof number, format, value);
    text_ += number;
}

void AdacTransferFile::putReal(double value, int decimals) { zafiles::appendFixed(text_, value, 0, decimals); }

void AdacTransferFile::flush() {
    file_.append(text_);
    text_.clear();
}

void AdacTransferFile::putExtentsCorner(const char* corner, double x, double y) {
    const bool southWest = corner[0] == 'S';
    put("\n<adac:");
    put(corner);
    put(">\n<adac:X>");
    putInt("%d", southWest ? wholeBelow(x - kExtentsMargin) : wholeAbove(x + kExtentsMargin));
    put("</adac:X>\n<adac:Y>");
    putInt("%d", southWest ? wholeBelow(y - kExtentsMargin) : wholeAbove(y + kExtentsMargin));
    put("</adac:Y>\n</adac:");
    put(corner);
    put(">");
}

void AdacTransferFile::putEmptyGroup(std::string_view group, std::initializer_list<std::string_view> children) {
    put("\n<adac:");
    put(group);
    put(">");
    for (const std::string_view child : children) {
        put("\n<adac:");
        put(child);
        put(" />");
    }
    put("\n</adac:");
    put(group);
    put(">");
}

void AdacTransferFile::writeHead(std::string_view name, const PadExtents& extents, const std::tm& exported) {
    put("<?xml version=\"1.0\" ?>\n<!-- Zarvo Software -->\n<!-- ADAC 4.1 -->\n<!-- May 2014 -->\n"
        "<adac:ADAC xmlns:adac=\"http://www.adac.com.au\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" version=\"4.0.0\">");
    // An XML date-time: the time zero-padded.
    char when[64];
    std::snprintf(when, sizeof when, "%04d-%02d-%02dT%02d:%02d:%02d", exported.tm_year + 1900, exported.tm_mon + 1,
                  exported.tm_mday, exported.tm_hour, exported.tm_min, exported.tm_sec);
    put("\n<adac:Project>\n<adac:ExportDateTime>");
    put(when);
    put("</adac:ExportDateTime>\n<adac:Name>");
    appendXmlEscaped(text_, name);
    put("</adac:Name>\n"
        "\n<adac:Owner>Other</adac:Owner>"
        "\n<adac:Receiver>Other</adac:Receiver>"
        "\n<adac:DrawingNumber>1999-04-01</adac:DrawingNumber>"
        "\n<adac:DrawingRevision>1999-04-01</adac:DrawingRevision>"
        "\n<adac:ConstructionDate>1999-04-01</adac:ConstructionDate>"
        "\n<adac:CoordinateSystem>\n"
        "\n<adac:HorizontalCoordinateSystem>MGA</adac:HorizontalCoordinateSystem>"
        "\n<adac:HorizontalDatum>GDA94</adac:HorizontalDatum>"
        "\n<adac:VerticalDatum>AHD</adac:VerticalDatum>"
        "\n<adac:IsApproximate>false</adac:IsApproximate>"
        "\n<adac:OriginMark>PSM</adac:OriginMark>"
        "\n<adac:Notes>zarvo software</adac:Notes>"
        "\n</adac:CoordinateSystem>"
        "\n<adac:DrawingExtents>");
    putExtentsCorner("SouthWest", extents.minX, extents.minY);
    putExtentsCorner("NorthEast", extents.maxX, extents.maxY);
    put("\n</adac:DrawingExtents>\n"
        "\n<adac:Description>zarvo software</adac:Description>"
        "\n<adac:Status>Submitted</adac:Status>"
        "\n<adac:Software>\n<adac:Product>Zarvo_Tessel</adac:Product>\n<adac:Version>6.0.0</adac:Version>"
        "\n</adac:Software>"
        "\n<adac:Surveyor>\n<adac:Name>Other</adac:Name>"
        "\n<adac:DateFinalSurvey>1999-04-01</adac:DateFinalSurvey>"
        "\n<adac:DateApproved>1999-04-01</adac:DateApproved>\n</adac:Surveyor>"
        "\n<adac:Engineer>\n<adac:Name>Other</adac:Name>"
        "\n<adac:DateApproved>1999-04-01</adac:DateApproved>\n</adac:Engineer>"
        "\n<adac:ProjectData>");
    putEmptyGroup("Sewerage", {"Manholes", "PipesNonPressure", "PipesPressure", "Valves", "Fittings", "Connections"});
    putEmptyGroup("Transport", {"PavementAreas", "ParkingAreas", "RoadEdges", "RoadIslands", "Pathways", "PramRamps",
                                "SubSoilDrains", "FlushPoints"});
    putEmptyGroup("WaterSupply", {"Pipes", "Valves", "Hydrants", "Meters", "Fittings", "MaintenanceHoles",
                                  "ServiceFittings", "IrrigationFittings", "StorageTanks"});
    putEmptyGroup("StormWater", {"Pits", "EndStructures", "Pipes", "SurfaceDrains", "WSUDPoints", "WSUDAreas"});
    putEmptyGroup("OpenSpace",
                  {"OpenSpaceAreas", "ActivityAreas", "ActivityPoints", "Barbeques", "Tables", "Seats",
                   "WasteCollectionPoints", "BicycleFittings", "GeneralFixtures", "BarriersContinuous",
                   "BarriersPoint", "RetainingWalls", "Shelters", "Artworks", "Buildings", "BoatingFacilities",
                   "ElectricalFittings", "ElectricalConduits", "LandscapeAreas", "Trees", "Signs"});
    put("\n<adac:Cadastre>\n<adac:LandParcels>");
    flush();
}

void AdacTransferFile::writeLot(int lot, double area, std::span<const ZaPoint> ring) {
    put("\n<adac:Lot>\n<adac:ObjectId>");
    putInt("cad_CadastralParcel_%5.5d", lot);
    put("</adac:ObjectId>"
        "\n<adac:ComponentInfo>"
        "\n<adac:InfrastructureCode>CadastralParcel</adac:InfrastructureCode>"
        "\n<adac:Owner>Other</adac:Owner>"
        "\n<adac:Status>As-Constructed</adac:Status>"
        "\n<adac:Notes>Surveyed Values(CAD_MULT)</adac:Notes>"
        "\n<adac:SupportingFiles></adac:SupportingFiles>"
        "\n</adac:ComponentInfo>\n"
        "\n<adac:LotNo>");
    putInt("%d", lot);
    put("</adac:LotNo>"
        "\n<adac:PlanNo>1234</adac:PlanNo>"
        "\n<adac:CancelledLotPlan>5678</adac:CancelledLotPlan>"
        "\n<adac:TitledArea_sqm>");
    putReal(area, 2);
    put("</adac:TitledArea_sqm>\n<adac:Geometry>\n<adac:Polygon>\n<adac:Ring>\n<adac:PolySegment>");
    for (const ZaPoint& p : ring) {
        put("\n<adac:Vertex>\n<adac:X>");
        putReal(p.x, 5);
        put("</adac:X>\n<adac:Y>");
        putReal(p.y, 5);
        put("</adac:Y>\n</adac:Vertex>");
    }
    put("\n\n</adac:PolySegment>\n</adac:Ring>\n</adac:Polygon>\n</adac:Geometry>\n</adac:Lot>\n");
    if (text_.size() >= kFlushBytes) flush();
}

bool AdacTransferFile::finish() {
    put("\n</adac:LandParcels>\n"
        "\n<adac:Easements />"
        "\n<adac:SurveyMarks/>"
        "\n<adac:Connections />"
        "\n</adac:Cadastre>\n"
        "\n<adac:Surface>\n<adac:SpotHeights />\n<adac:Contours />\n</adac:Surface>\n"
        "\n<adac:Enhancements>\n<adac:Annotations />\n<adac:Dimensions />\n</adac:Enhancements>\n"
        "\n<adac:Supplementary>\n<adac:PointFeatures />\n<adac:PolylineFeatures />\n<adac:PolygonFeatures />"
        "\n</adac:Supplementary>\n"
        "\n</adac:ProjectData>"
        "\n</adac:Project>"
        "\n</adac:ADAC>\n");
    flush();
    return file_.close();
}

}  // namespace zapads
