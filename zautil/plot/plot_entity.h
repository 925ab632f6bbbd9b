// What a plot file export takes from an entity list, read in one pass. The
// texts are views into the list: valid while the list is held.
#pragma once

#include <string>
#include <string_view>

#include "arx/adsdef.h"

enum class ZaPlotKind { Line, Arc, Circle, LwPolyline, Polyline, Text, MText, Other };

struct ZaPlotEntity {
    ZaPlotKind kind = ZaPlotKind::Other;
    std::string_view type;   // group 0
    std::string_view layer;  // group 8, at most 31 characters; "0" when absent
    int colour = 0;          // group 62; 0 for by layer
    const double* at10 = nullptr;
    const double* at11 = nullptr;
    double value40 = 0;  // radius, text height
    double value50 = 0;  // arc start, text rotation (radians)
    double value51 = 0;  // arc end
    bool has50 = false;
    int flags70 = 0;
    int value71 = 0;  // MTEXT attachment
    int value72 = 0;  // TEXT horizontal justification
    int value73 = 0;  // TEXT vertical justification
    std::string_view text;  // group 1
    std::string_view leadingText;  // MTEXT's groups 3, joined, before its group 1
    std::string joined;  // holds leadingText
};

// False for a list without an entity type. The joined text keeps its room
// from one entity to the next.
bool zaReadPlotEntity(const resbuf* list, ZaPlotEntity& entity);

ZaPlotKind zaPlotKind(std::string_view type);
