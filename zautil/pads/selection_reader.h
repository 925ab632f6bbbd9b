// PADLEV's reading of the selected entities: LINEs and polylines become
// segments (bulges broken into chords by the breakup rule, asked for at the
// first bulge), TEXTs and MTEXTs become the texts of lots.
#pragma once

#include <optional>
#include <string>

#include "arx/adsdef.h"
#include "dialogs/urout_options.h"
#include "pads/pad_records.h"

namespace zapads {

// How a text gives its lot a level.
struct PadTextRules {
    bool useText = true;  // the text's own number, and a text that is no number is no lot
    bool useBoundaryLevel = true;
    double boundaryLevel = 0;
};

class PadSelectionReader {
public:
    explicit PadSelectionReader(const PadTextRules& rules);

    // Reads the set's entities into `input`. False when an entity is refused
    // or cannot be read; failure() then says why, in the words the user sees.
    bool read(const ads_name set, ads_int32 length, PadInput& input);
    const std::string& failure() const { return failure_; }

private:
    bool readEntity(const ads_name entity, PadInput& input);
    bool readLine(const resbuf* list, PadInput& input);
    bool readPolyline(const ads_name entity, const resbuf* list, PadInput& input);
    bool readLightPolyline(const resbuf* list, PadInput& input);
    void readText(const resbuf* list, PadInput& input);
    bool fail(const char* text);

    struct Vertex {
        PadPoint at;
        double bulge = 0;
    };
    // The polyline's segments, with its closing one when it is closed.
    void chainVertices(bool closed, PadInput& input);
    // Asked once, at the first bulge: true when arcs are broken into chords.
    bool breakArcs();

    PadTextRules rules_;
    ZaUROutOptions breakup_;
    std::optional<bool> breakArcs_;
    std::vector<Vertex> vertices_;  // of the polyline being read, kept for the next
    std::string failure_;
};

}  // namespace zapads
