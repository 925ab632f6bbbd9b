#include "triangles/triangle_model.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

#include "files/byte_order.h"
#include "triangles/ut_name.h"

namespace zatriangles {
namespace {

constexpr std::size_t kRecordsPerBlock = 8192;

ZaPoint decodePoint(const char* record) {
    return {zafiles::loadF64LE(record), zafiles::loadF64LE(record + 8), zafiles::loadF64LE(record + 16)};
}

bool isNumber(const ZaPoint& point) {
    return std::isfinite(point[0]) && std::isfinite(point[1]) && std::isfinite(point[2]);
}

}  // namespace

RecordStream::RecordStream(std::size_t recordSize, std::size_t recordsPerBlock)
    : recordSize_(recordSize), blockBytes_(recordSize * recordsPerBlock) {}

void RecordStream::attach(zafiles::ByteSource* source, std::uint64_t bytes) {
    // The old reader stops before anyone else may touch its source.
    ahead_.reset();
    block_ = nullptr;
    held_ = next_ = 0;
    cut_ = false;
    if (!source) return;
    // The disk and the copying out of it stay off the thread that draws.
    ahead_ = std::make_unique<zafiles::DecodeAhead<std::vector<char>>>(
        [source, size = blockBytes_](std::vector<char>& block) {
            block.resize(size);
            const std::size_t got = source->read(block);
            block.resize(got);
            return got == size;
        },
        zafiles::worthDecodingAhead(bytes));
}

bool RecordStream::refill() {
    if (!ahead_ || cut_) return false;
    const std::vector<char>* block = ahead_->next();
    if (!block) return false;
    block_ = block->data();
    held_ = block->size() / recordSize_;
    next_ = 0;
    cut_ = block->size() < blockBytes_;
    return held_ > 0;
}

TriangleModel::TriangleModel() : upRecords_(kUPRecordSize, kRecordsPerBlock), utRecords_(kUTRecordSize, kRecordsPerBlock) {}

bool TriangleModel::refuse(UTFault fault) {
    close();
    fault_ = fault;
    return false;
}

bool TriangleModel::openPoints(const std::string& utPath) { return openPoints(zafiles::openFileSource(upPathOf(utPath))); }

bool TriangleModel::openPoints(std::unique_ptr<zafiles::ByteSource> up) {
    if (!up) return refuse(UTFault::CannotOpenUP);
    up_ = std::move(up);
    const auto size = up_->size();
    if (!size) return refuse(UTFault::CannotSeekUP);
    if (*size % kUPRecordSize != 0 || *size < kUPMinimumSize) return refuse(UTFault::BadSizeUP);
    upRecords_.attach(up_.get(), *size);
    // Past the header, which a file of this size holds unless it cannot be read.
    for (std::int64_t i = 0; i < kUPHeaderRecords; ++i) {
        if (!upRecords_.next()) return refuse(UTFault::CannotSeekUP);
    }
    records_ = static_cast<std::int64_t>(*size / kUPRecordSize);
    return true;
}

bool TriangleModel::readPoints() {
    points_.assign(static_cast<std::size_t>(records_), ZaPoint{});
    for (std::int64_t v = kUPHeaderRecords; v < records_; ++v) {
        const char* record = upRecords_.next();
        if (!record) return refuse(UTFault::ShortUP);
        ZaPoint& point = points_[static_cast<std::size_t>(v)];
        point = decodePoint(record);
        if (!isNumber(point)) return refuse(UTFault::PointNotNumber);
    }
    upRecords_.attach(nullptr);
    up_.reset();
    return true;
}

bool TriangleModel::nextPoint(ZaPoint& point) {
    const char* record = upRecords_.next();
    if (!record) return refuse(UTFault::ShortUP);
    point = decodePoint(record);
    return isNumber(point) || refuse(UTFault::PointNotNumber);
}

bool TriangleModel::openTriangles(const std::string& utPath) { return openTriangles(zafiles::openFileSource(utPath)); }

bool TriangleModel::openTriangles(std::unique_ptr<zafiles::ByteSource> ut) {
    if (!ut) return refuse(UTFault::CannotOpenUT);
    ut_ = std::move(ut);
    const auto size = ut_->size();
    if (!size) return refuse(UTFault::CannotSeekUT);
    if (*size % kUTRecordSize != 0 || *size < kUTMinimumSize) return refuse(UTFault::BadSizeUT);
    triangles_ = static_cast<std::int64_t>(*size / kUTRecordSize);
    utRecords_.attach(ut_.get(), *size);
    return true;
}

bool TriangleModel::checkVertices(const UTTriangle& triangle) {
    const bool inRange = std::all_of(triangle.vertices.begin(), triangle.vertices.end(),
                                     [this](std::int32_t v) { return hasPoint(v); });
    return inRange || refuse(UTFault::BadVertex);
}

bool TriangleModel::prescan(bool checkNeighbours,
                            const std::function<void(std::int64_t, const UTTriangle&)>& visit) {
    active_ = 0;
    UTTriangle triangle;
    for (std::int64_t t = 0; t < triangles_; ++t) {
        const char* record = utRecords_.next();
        if (!record) return refuse(UTFault::ShortPrescan);
        decodeUTTriangle(record, triangle);
        if (triangle.active()) {
            if (!checkVertices(triangle)) return false;
            for (int edge = 0; checkNeighbours && edge < 3; ++edge) {
                const std::int32_t across = triangle.neighbours[static_cast<std::size_t>(edge)];
                if (!triangle.boundary(edge) && (across < 0 || across >= triangles_)) {
                    return refuse(UTFault::BadNeighbour);
                }
            }
            ++active_;
        }
        if (visit) visit(t, triangle);
    }
    utRecords_.attach(nullptr);
    const auto size = ut_->size();
    if (!size) return refuse(UTFault::CannotSeekUT);
    utRecords_.attach(ut_.get(), *size);
    return true;
}

bool TriangleModel::nextTriangle(UTTriangle& triangle) { return readTriangle(triangle) || refuse(UTFault::ShortUT); }

bool TriangleModel::readTriangle(UTTriangle& triangle) {
    const char* record = utRecords_.next();
    if (!record) return false;
    decodeUTTriangle(record, triangle);
    return true;
}

void TriangleModel::close() {
    upRecords_.attach(nullptr);
    utRecords_.attach(nullptr);
    up_.reset();
    ut_.reset();
    points_.clear();
    points_.shrink_to_fit();
}

}  // namespace zatriangles
