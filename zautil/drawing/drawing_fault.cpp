#include "drawing/drawing_fault.h"

#include "arx/adscodes.h"

namespace zadrawing {

const char* faultText(DrawingFault fault, const DrawingTexts& texts) {
    switch (fault) {
    case DrawingFault::None:
    case DrawingFault::Cancelled:
    case DrawingFault::Stopped:
        return nullptr;
    case DrawingFault::NothingSelected: return texts.nothingSelected;
    case DrawingFault::Rejected: return texts.rejected;
    case DrawingFault::Keyword: return texts.keyword;
    case DrawingFault::Unrecognized: return texts.unrecognized;
    case DrawingFault::NoLength: return texts.noLength;
    case DrawingFault::NoName: return texts.noName;
    case DrawingFault::NoList: return texts.noList;
    case DrawingFault::NoType: return texts.noType;
    case DrawingFault::NoLayer: return texts.noLayer;
    case DrawingFault::NoStart: return texts.noStart;
    case DrawingFault::NoEnd: return texts.noEnd;
    case DrawingFault::NotPolyline: return texts.notPolyline;
    case DrawingFault::PolygonMesh: return texts.polygonMesh;
    case DrawingFault::PolyfaceMesh: return texts.polyfaceMesh;
    case DrawingFault::Closed: return texts.closed;
    case DrawingFault::SplineFit: return texts.splineFit;
    case DrawingFault::NoVertexCount: return texts.noVertexCount;
    case DrawingFault::TooManyVertices: return texts.tooManyVertices;
    case DrawingFault::VertexMissing: return texts.vertexMissing;
    case DrawingFault::NoVertexList: return texts.noVertexList;
    case DrawingFault::NoVertexType: return texts.noVertexType;
    case DrawingFault::NoVertexPoint: return texts.noVertexPoint;
    }
    return nullptr;
}

DrawingFault answerFault(int status) {
    switch (status) {
    case RTNORM: return DrawingFault::None;
    case RTCAN: return DrawingFault::Cancelled;
    case RTNONE:
    case RTERROR: return DrawingFault::NothingSelected;
    case RTREJ: return DrawingFault::Rejected;
    case RTKWORD: return DrawingFault::Keyword;
    default: return DrawingFault::Unrecognized;
    }
}

}  // namespace zadrawing
