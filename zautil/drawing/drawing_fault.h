// What went wrong while a command read the drawing, in the order the steps
// meet it: the selection (or a pick), an entity of it, a polyline and its
// vertices. The readers return the fault; each command says it in its own
// words, which its users have always seen, through a table of texts.
#pragma once

namespace zadrawing {

enum class DrawingFault {
    None,
    // The user's answer to a selection or a pick.
    Cancelled,        // RTCAN: ends silently
    NothingSelected,  // RTNONE, RTERROR
    Rejected,         // RTREJ
    Keyword,          // RTKWORD
    Unrecognized,     // any other code
    NoLength,         // acedSSLength failed
    // An entity of the selection.
    NoName,  // acedSSName failed
    NoList,  // acdbEntGet gave nothing
    NoType,  // the list has no group 0
    NoLayer,  // a LINE's group 8
    NoStart,  // its group 10
    NoEnd,    // its group 11
    Stopped,  // the command stopped at an entity, and has said why
    // A polyline, its shape and its vertices.
    NotPolyline,
    PolygonMesh,
    PolyfaceMesh,
    Closed,
    SplineFit,
    NoVertexCount,    // an LWPOLYLINE without group 90
    TooManyVertices,  // more than the command takes
    VertexMissing,    // fewer group 10s than the count
    NoVertexList,     // a VERTEX entity that cannot be read
    NoVertexType,     // one whose list has no type
    NoVertexPoint,    // one without its point
};

// A command's words for each fault; null where it says nothing (it ends
// silently, or goes on with what was read).
struct DrawingTexts {
    const char* nothingSelected = nullptr;
    const char* rejected = nullptr;
    const char* keyword = nullptr;
    const char* unrecognized = nullptr;
    const char* noLength = nullptr;
    const char* noName = nullptr;
    const char* noList = nullptr;
    const char* noType = nullptr;
    const char* noLayer = nullptr;
    const char* noStart = nullptr;
    const char* noEnd = nullptr;
    const char* notPolyline = nullptr;
    const char* polygonMesh = nullptr;
    const char* polyfaceMesh = nullptr;
    const char* closed = nullptr;
    const char* splineFit = nullptr;
    const char* noVertexCount = nullptr;
    const char* tooManyVertices = nullptr;
    const char* vertexMissing = nullptr;
    const char* noVertexList = nullptr;
    const char* noVertexType = nullptr;
    const char* noVertexPoint = nullptr;
};

// The command's text for the fault, or null.
const char* faultText(DrawingFault fault, const DrawingTexts& texts);

// The fault of a host's answer to acedSSGet or acedEntSel.
DrawingFault answerFault(int status);

}  // namespace zadrawing
