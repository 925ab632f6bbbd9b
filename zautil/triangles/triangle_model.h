// Reads a triangle model, the UP and UT pair, in the steps its loaders
// take: the size checks before any record is used, the point table, a
// prescan that checks every active triangle before anything is drawn, and
// the triangles one at a time from large blocks, so that a loader can
// report progress and poll the user break between them. It says what went
// wrong and leaves the telling to its caller.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/byte_source.h"
#include "files/decode_ahead.h"
#include "shell/entity_maker.h"
#include "triangles/ut_format.h"

namespace zatriangles {

// Why a model was refused or cut short, in the order the steps meet them.
enum class UTFault {
    None,
    NotUT,  // the name
    CannotOpenUP,
    CannotSeekUP,
    BadSizeUP,  // not whole records, or fewer than three points
    ShortUP,    // the file ended inside the points
    PointNotNumber,  // a coordinate that is no number would be drawn somewhere else
    CannotOpenUT,
    CannotSeekUT,
    BadSizeUT,     // not whole records, or fewer than seven
    ShortPrescan,  // the file ended while the prescan read it
    BadVertex,     // an active triangle names a point the UP file lacks
    BadNeighbour,  // an edge that is not boundary names a triangle the file lacks
    ShortUT,       // the file ended while the triangles were drawn
};

// Sequential records of one size from a source, a block at a time.
class RecordStream {
public:
    RecordStream(std::size_t recordSize, std::size_t recordsPerBlock);
    // A source of `bytes` in all is read ahead on a second thread when it is
    // large enough to gain by it. Until the next attach, nothing else may
    // read the source.
    void attach(zafiles::ByteSource* source, std::uint64_t bytes = 0);
    // The next record, valid until the next call; null when the data ends
    // before a whole record.
    const char* next() {
        if (next_ == held_ && !refill()) return nullptr;
        return block_ + recordSize_ * next_++;
    }

private:
    bool refill();

    std::size_t recordSize_;
    std::size_t blockBytes_;
    std::unique_ptr<zafiles::DecodeAhead<std::vector<char>>> ahead_;
    const char* block_ = nullptr;
    std::size_t held_ = 0;
    std::size_t next_ = 0;
    bool cut_ = false;
};

class TriangleModel {
public:
    TriangleModel();

    // Opens the UP file beside the UT path and checks its size; the
    // position is then at the first point.
    bool openPoints(const std::string& utPath);
    bool openPoints(std::unique_ptr<zafiles::ByteSource> up);  // null: could not be opened
    // Every point into the table, then the UP file closed.
    bool readPoints();
    // The next point of the open UP file, for a loader that reads them in
    // its own pass.
    bool nextPoint(ZaPoint& point);

    bool openTriangles(const std::string& utPath);
    bool openTriangles(std::unique_ptr<zafiles::ByteSource> ut);
    // Reads every record once, checks the vertices of each active one (and
    // with checkNeighbours the neighbour across each edge that is not
    // boundary), counts the active ones, hands each record to visit (may
    // be empty), and starts again at the first record.
    bool prescan(bool checkNeighbours, const std::function<void(std::int64_t, const UTTriangle&)>& visit);
    bool nextTriangle(UTTriangle& triangle);
    // The same, touching nothing else of the model, so that triangles can be
    // read on another thread while the points are used; at a cut it only
    // says false, and the caller tells.
    bool readTriangle(UTTriangle& triangle);
    // An active triangle's vertices must be points of the file.
    bool checkVertices(const UTTriangle& triangle);

    // Point v of the table; v within 3 .. records() - 1.
    const ZaPoint& point(std::int32_t v) const { return points_[static_cast<std::size_t>(v)]; }
    bool hasPoint(std::int64_t v) const { return v >= kUPHeaderRecords && v < records_; }

    std::int64_t records() const { return records_; }  // N: UP records, the header's three included
    std::int64_t pointCount() const { return records_ > 0 ? records_ - kUPHeaderRecords : 0; }
    std::int64_t triangleCount() const { return triangles_; }  // T: inactive records too
    std::int64_t activeCount() const { return active_; }        // after the prescan

    UTFault fault() const { return fault_; }
    // Closes both files and frees the point table.
    void close();

private:
    bool refuse(UTFault fault);

    std::unique_ptr<zafiles::ByteSource> up_;
    std::unique_ptr<zafiles::ByteSource> ut_;
    RecordStream upRecords_;
    RecordStream utRecords_;
    std::vector<ZaPoint> points_;
    std::int64_t records_ = 0;
    std::int64_t triangles_ = 0;
    std::int64_t active_ = 0;
    UTFault fault_ = UTFault::None;
};

}  // namespace zatriangles
