// PADLEV's reading of the selected entities: LINEs and polylines become
// segments (bulges broken into chords by the breakup rule, asked for at the
// first bulge), TEXTs and MTEXTs become the texts of lots.
#pragma once

#include <optional>

#include "dialogs/urout_options.h"
#include "drawing/drawing_fault.h"
#include "drawing/polyline.h"
#include "drawing/selection.h"
#include "pads/pad_records.h"

namespace zapads {

// PADLEV's words for the faults of its selection and entities.
extern const zadrawing::DrawingTexts kPadTexts;

// How a text gives its lot a level.
struct PadTextRules {
    bool useText = true;  // the text's own number, and a text that is no number is no lot
    bool useBoundaryLevel = true;
    double boundaryLevel = 0;
};

class PadSelectionReader {
public:
    explicit PadSelectionReader(const PadTextRules& rules);

    // Reads the set's entities into `input`; the fault of an entity that
    // is refused or cannot be read.
    zadrawing::DrawingFault read(const zadrawing::Selection& selection, PadInput& input);

private:
    zadrawing::DrawingFault readEntity(const ads_name entity, const resbuf* list, PadInput& input);
    zadrawing::DrawingFault readLine(const resbuf* list, PadInput& input);
    zadrawing::DrawingFault readPolyline(const ads_name entity, const resbuf* list, PadInput& input);
    void readText(const resbuf* list, PadInput& input);
    // Asked once, at the first bulge: true when arcs are broken into chords.
    bool breakArcs();

    PadTextRules rules_;
    ZaUROutOptions breakup_;
    std::optional<bool> breakArcs_;
    zadrawing::Polyline polyline_;
    std::vector<ZaPoint> points_;  // of the polyline being read, in the world
};

}  // namespace zapads
