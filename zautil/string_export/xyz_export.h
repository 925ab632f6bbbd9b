// The state of one string export (UROUT or TROUT) and its converters: each
// selected entity becomes points of the UR or TR file, in strings numbered
// from 1 (lone points carry 0), each point with the text its layer gives.
// Built by the command, used for one run, destroyed with the command.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "arx/adsdef.h"
#include "dialogs/urout_options.h"
#include "drawing/drawing_fault.h"
#include "drawing/object_system.h"
#include "drawing/polyline.h"
#include "geometry/arc_breakup.h"
#include "settings/settings_record.h"
#include "string_export/point_text.h"
#include "string_export/xyz_point_writer.h"

namespace zastringexport {

// UROUT's and TROUT's words for the faults of their selection and entities.
extern const zadrawing::DrawingTexts kXYZTexts;

// Entities converted, by kind; text counts among the points.
struct XYZCounts {
    int points = 0;
    int lines = 0;
    int polylines = 0;
    int arcs = 0;
    int circles = 0;
    int faces = 0;
    int leftOut = 0;  // arcs and circles the user chose to leave out
};

class XYZExport {
public:
    // Takes the export settings as they stand now.
    XYZExport(XYZKind kind, const ZaSettings& settings);
    XYZExport(const XYZExport&) = delete;
    XYZExport& operator=(const XYZExport&) = delete;

    void setTarget(zadrawing::TargetSystem target) {
        target_ = target;
        transform_ = zadrawing::ObjectSystem(target);
    }

    // Creates the file and writes its header.
    bool open(const std::string& path) { return writer_.open(path); }
    // Converts one entity, given its list; false stops the export (the
    // reason has been shown).
    bool DoEntity(const resbuf* list);
    // The count fixed up (UR) and the file closed; false when the file failed.
    bool finish();
    // A stopped export: nothing is written, the previous file stays.
    void abandon() { writer_.abandon(); }

    std::int32_t points() const { return writer_.points(); }
    std::int32_t strings() const { return stringNumber_; }
    const XYZCounts& counts() const { return counts_; }
    // Arcs whose rule asked for more points than one arc gets.
    int limitedArcs() const { return limitedArcs_; }
    // Whether the run stopped at a cancelled question about arcs.
    bool cancelled() const { return arcsCancelled_; }
    // Whether the last stop came from the file, and what the user is told.
    bool fileFailed() const { return fileFailed_; }
    std::string fileFailure() const;

private:
    using Converter = bool (XYZExport::*)(const resbuf*);
    struct Dispatch {
        std::string_view type;
        Converter convert;
        int XYZCounts::*counter;
    };
    static const Dispatch* converterFor(std::string_view type);
    bool run(const Dispatch& dispatch, const resbuf* list);

    bool DoLINE(const resbuf* list);
    bool DoPOINT(const resbuf* list);
    bool DoTEXT(const resbuf* list);
    bool DoARC(const resbuf* list);
    bool DoCIRCLE(const resbuf* list);
    bool Do3DFace(const resbuf* list);
    bool DoPOLYLINE(const resbuf* list);
    bool doBlockReference(const resbuf* list);

    bool oldStyleVertices();
    bool lightweightVertices();
    // A vertex, or the arc from it to the next one when it has a bulge and
    // arcs are broken up (wroteArc is then set); a straight otherwise.
    bool writeVertex(const zadrawing::PolylineVertex& vertex, const ZaPoint* next, std::string_view tag,
                     std::string_view arcTag, bool* wroteArc = nullptr);
    bool writeArc(const ZaArc& arc, std::string_view tag, bool level);
    // Moved into the target system; flagged and clamped by its own level.
    bool writeLevelled(std::int32_t string, const ZaPoint& point, std::string_view tag);
    bool write(std::int32_t string, const ZaPoint& point, std::string_view tag, bool level);
    bool newString();
    // The rule for arcs, asked at the first arc of the run.
    bool breakupOn();
    bool leaveOut() {
        leftOut_ = true;
        return true;
    }
    void setLayer(std::string_view layer);

    ZaUROutOptions options_;
    int faceMode_;
    bool faceCloseTriangles_;
    bool asked_ = false;
    bool breakupOn_ = false;
    bool arcsCancelled_ = false;
    bool leftOut_ = false;
    std::int32_t stringNumber_ = 0;
    XYZPointWriter writer_;
    PointTextMaker text_;
    std::string layer_;
    zadrawing::TargetSystem target_ = zadrawing::TargetSystem::World;
    zadrawing::ObjectSystem transform_;
    zadrawing::Polyline polyline_;
    XYZCounts counts_;
    int limitedArcs_ = 0;
    bool fileFailed_ = false;
};

// Levels below this mean none; written levels are kept within the range.
inline constexpr double kNoLevel = -99.0;
inline constexpr double kHighestLevel = 9999.0;

}  // namespace zastringexport
