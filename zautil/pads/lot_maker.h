// A lot into the drawing: its boundary as a 3D polyline in the lot's
// colour, and its label as text, each list kept for the next lot.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "pads/pad_records.h"
#include "shell/entity_gate.h"
#include "shell/entity_maker.h"
#include "shell/text_maker.h"

namespace zapads {

class PadLotMaker {
public:
    // POLYLINE, VERTEX..., SEQEND. Null when made; else the failure the user
    // sees, with no sequence left open.
    const char* boundary(std::span<const ZaPoint> vertices, std::string_view layer, int colour);
    // Null when made; else the failure the user sees.
    const char* label(const char* text, const ZaPoint& at, const PadText& from, const char* style,
                      const char* layer);

private:
    // One header per colour, as the lot colours are few.
    ZaEntityList& header(int colour);

    std::array<ZaEntityList, 256> headers_;
    ZaEntityList vertex_;
    ZaEntityList seqend_;
    ZaTextMaker texts_;
};

}  // namespace zapads
