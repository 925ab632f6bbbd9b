#include "pads/padlev.h"

#include <ctime>
#include <string>
#include <vector>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "dialogs/prompt_coordinate_dlg.h"
#include "pads/adac_file.h"
#include "pads/face_trace.h"
#include "pads/line_list.h"
#include "pads/lot_boundary.h"
#include "pads/lot_maker.h"
#include "pads/node_graph.h"
#include "pads/selection_reader.h"
#include "settings/settings_record.h"
#include "shell/za_advice.h"
#include "shell/resource_scope.h"

namespace zapads {

namespace {

constexpr const char* kVersion = "V3.0.0  (Apr  2014)";
constexpr int kPadsPerReport = 500;
// The suite's arrays grew by this many records; its messages give their size.
constexpr int kArrayStep = 1024;

struct PadOptions {
    bool cadastral = false;
    double offset = 0;
    PadTextRules text;
    bool layerPerLot = false;
    std::string layerPrefix;
    int startLot = 1;
    bool transfer = false;
    std::string transferName;
};

PadOptions padOptions(const ZaSettings& s) {
    PadOptions o;
    o.cadastral = !s.padCadOrLevel;
    o.offset = s.padOffset;
    o.text = {s.padUseText, s.padUseBoundaryLevel, s.padBoundaryLevel};
    o.layerPerLot = s.padNewLayer;
    o.layerPrefix = s.padLayerName;
    o.startLot = s.padStartLot;
    o.transfer = s.padTransfer;
    o.transferName = s.padCadFileName;
    return o;
}

int arraySize(std::size_t records) {
    return static_cast<int>((records / kArrayStep + 1) * kArrayStep);
}

class PadLevel {
public:
    void run();

private:
    bool chooseOffset();
    bool select(zadrawing::Selection& selection);
    void confirmCoordinateSystem();
    bool readEntities(const zadrawing::Selection& selection);
    void buildLines();
    bool buildNodes();
    bool openTransfer();
    void makeLots();
    // Null when the lot is drawn; else the failure the user sees.
    const char* makeLot(const PadText& text, double area);
    void finishTransfer();

    PadOptions options_ = padOptions(zaSettings());
    PadInput input_;
    PadGraph graph_;
    AdacTransferFile transfer_;
    bool transferOpen_ = false;
    PadLotMaker maker_;
    // Kept for every lot.
    std::vector<int> ring_;
    std::vector<ZaPoint> vertices_;
    std::vector<ZaPoint> ringPoints_;
    std::string layer_;
    std::string lineLayer_;
    std::string textLayer_;
    std::string label_;
    int lot_ = 0;
    int noPad_ = 0;  // lots whose inset left nothing
};

void PadLevel::run() {
    acutPrintf("\n\nZARVO Software PADLEV Creation %s transfer %d\n", kVersion, options_.transfer ? 1 : 0);
    if (!chooseOffset()) return;
    zadrawing::Selection selection;
    if (!select(selection)) return;
    if (!zaSettings().coordinateUseDefaults) confirmCoordinateSystem();
    if (!readEntities(selection)) return;
    buildLines();
    if (!buildNodes() || !openTransfer()) return;
    makeLots();
    finishTransfer();
}

bool PadLevel::chooseOffset() {
    if (options_.cadastral) {
        acutPrintf("\nCadastra offset zero");
        options_.offset = 0;
    } else if (!zaSettings().useDialogs) {
        acutPrintf("\nPrompt for offset");
        double answer = 0;
        // A retaining wall has a width: a pad is never wider than its lot.
        acedInitGet(RSG_NONEG, nullptr);
        const int status = acedGetReal("\nPadlev offset (retaining wall width) of pad from boundary : ", &answer);
        if (status == RTCAN) return false;
        if (status == RTNORM) options_.offset = answer;
    } else {
        acutPrintf("\nUsing offset from cconfiguration");
    }
    acutPrintf("\nOffset value is %.3f\n", options_.offset);
    return true;
}

bool PadLevel::select(zadrawing::Selection& selection) {
    const zadrawing::DrawingFault fault = selection.choose();
    if (const char* text = zadrawing::faultText(fault, kPadTexts)) zaAdviceMessage(text);
    return fault == zadrawing::DrawingFault::None;
}

// The choice lands in the settings for the exports; PADLEV works in world
// coordinates either way.
void PadLevel::confirmCoordinateSystem() {
    zashell::runDialog<ZPromptCoordinateDlg>(zaSettings());
}

bool PadLevel::readEntities(const zadrawing::Selection& selection) {
    acutPrintf("\nNumber of entities selected %d now processing...", static_cast<int>(selection.size()));
    PadSelectionReader reader(options_.text);
    const char* refusal = zadrawing::faultText(reader.read(selection, input_), kPadTexts);
    if (refusal) zaAdviceMessage(refusal);
    return !refusal;
}

void PadLevel::buildLines() {
    acutPrintf("\nBounding polylines converted to %d individual lines\n", static_cast<int>(input_.segments.size()));
    PadLineCounts counts;
    graph_.lines = padLineList(
        input_.segments, [](int segments, int) { acutPrintf(" at LINE segment %d\n", segments); }, counts);
    input_.segments = {};
    acutPrintf("\nLevels found as text %d centroids... Maybe polygons... \n", static_cast<int>(input_.texts.size()));
    acutPrintf("\nFound %d zero length lines\n", counts.zeroLength);
    acutPrintf("\nSplitting %d lines on boundaries", counts.beforeVertexSplit);
    acutPrintf("\nCurrent number of lines found %d ..", counts.afterVertexSplit);
    acutPrintf("\nLines found %d splitting complete...\n\n", static_cast<int>(graph_.lines.size()));
}

bool PadLevel::buildNodes() {
    const PadNodesBuilt built = padNodeGraph(graph_, [](int lines, int nodes) {
        acutPrintf(" at LINE %d and at NODE %d\n", lines, nodes);
    });
    const int nodes = static_cast<int>(graph_.nodes.size());
    if (built.crowded) {
        acutPrintf("\nNodes found %d  too many problem node\n\nText entities found %d\n\n"
                   "Curves generate extra points.   Text size %d\ntoo many polyline points or text good bye\n",
                   nodes, static_cast<int>(input_.texts.size()), arraySize(input_.texts.size()));
        return false;
    }
    acutPrintf("\nTidy up nodes %d duplicates...\n", nodes);
    acutPrintf("\nRemove single lines...");
    acutPrintf("\nNodes complete %d now making polylines...\n", nodes);
    return true;
}

bool PadLevel::openTransfer() {
    if (!options_.transfer) return true;
    const char* name = options_.transferName.c_str();
    acutPrintf("\nOpening file \"%s\"", name);
    if (!transfer_.open(options_.transferName)) {
        acutPrintf("\nFile fails to open \"%s\"  good bye\n", name);
        return false;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    transfer_.writeHead(options_.transferName, padNodeExtents(graph_), local);
    transferOpen_ = true;
    acutPrintf("  File opened \"%s\"\n", name);
    return true;
}

void PadLevel::makeLots() {
    const PadFaceFinder finder(graph_);
    lot_ = options_.startLot;
    int formed = 0;
    int incomplete = 0;
    int done = 0;
    for (const PadText& text : input_.texts) {
        if (++done % kPadsPerReport == 0) acutPrintf("  at Pad %d\n", done);
        const double area = finder.trace(text.at, ring_) == PadTrace::Closed ? padRingArea(graph_, ring_) : 0.0;
        // Only a face traced counter-clockwise is a lot: clockwise is the
        // outside of the linework.
        if (!(area > 0)) {
            ++incomplete;
            continue;
        }
        if (const char* failure = makeLot(text, area)) {
            zaAdviceMessage(failure);
            return;
        }
        ++formed;
    }
    acutPrintf("\nPolygons formed %d \nIncomplete polygons (with text outside) %d\nComplete padlev\n\n", formed,
               incomplete);
    if (noPad_ > 0) acutPrintf("Lots with no pad (offset too wide) %d\n", noPad_);
}

const char* PadLevel::makeLot(const PadText& text, double area) {
    const int lot = lot_++;
    padLotLayer(options_.layerPrefix, options_.layerPerLot, lot, layer_);
    (lineLayer_ = layer_) += "_line";
    (textLayer_ = layer_) += "_text";
    if (!padBoundary(graph_, ring_, options_.offset, text.level, vertices_)) {
        acutPrintf("\nLot %d: offset %.3f leaves no pad\n", lot, options_.offset);
        ++noPad_;
    } else if (const char* failure = maker_.boundary(vertices_, lineLayer_, padLotColour(lot))) {
        return failure;
    }
    padLotLabel(lot, area, label_);
    const char* style = input_.styles[static_cast<std::size_t>(text.style)].c_str();
    const char* failure = maker_.label(label_.c_str(), padLabelPoint(text), text, style, textLayer_.c_str());
    // The boundary is in the drawing: the file lists it, label or not.
    if (transferOpen_) {
        ringPoints_.clear();
        for (const int node : ring_) ringPoints_.push_back(graph_.nodes[static_cast<std::size_t>(node)].at);
        transfer_.writeLot(lot, area, ringPoints_);
    }
    return failure;
}

void PadLevel::finishTransfer() {
    if (!transferOpen_) return;
    if (transfer_.finish()) return;
    acutPrintf("\nFile fails to write \"%s\": %s\n", options_.transferName.c_str(), transfer_.failureReason().c_str());
}

}  // namespace

}  // namespace zapads

void zaPADLEV() {
    zapads::PadLevel command;
    command.run();
}
