// The entities of a string import, made through the entity gate from lists
// kept for the whole import and rewritten in place: a million records cost
// no list building at all.
#pragma once

#include <string>

#include "geometry/point.h"
#include "shell/entity_gate.h"

namespace zastringimport {

struct ImportEntityStyle {
    bool withLayers = true;   // group 8; else the drawing's current layer
    bool polyline3D = false;
    // A UR string's header lies at the origin; a 2D TR string's header at
    // its first point, a 3D one's carries no point.
    bool headerAtFirstPoint = false;
};

class ImportEntities {
public:
    explicit ImportEntities(const ImportEntityStyle& style);

    // Each is true when the host made the entity or took the element.
    bool point(const ZaPoint& at, const std::string& layer);
    bool polyline(const ZaPoint& first, const std::string& layer);
    bool vertex(const ZaPoint& at, const std::string& layer);
    bool seqend(const std::string& layer);

    // Drops whatever polyline the host holds open.
    static void discard() { zaCancelSequence(); }

private:
    bool headerAtFirstPoint_;
    ZaEntityList point_;
    ZaEntityList polyline_;
    ZaEntityList vertex_;
    ZaEntityList seqend_;
};

}  // namespace zastringimport
