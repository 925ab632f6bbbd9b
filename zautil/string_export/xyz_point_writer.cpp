#include "string_export/xyz_point_writer.h"

#include <cstdio>
#include <limits>

namespace zastringexport {

bool XYZPointWriter::open(const std::string& path) {
    path_ = path;
    points_ = 0;
    refusal_.clear();
    if (kind_ == XYZKind::Binary) {
        opened_ = ur_.open(path);
        return opened_ && ur_.WriteURHeader();
    }
    opened_ = tr_.open(path);
    return opened_ && tr_.WriteTRHeader();
}

bool XYZPointWriter::put(std::int32_t stringNumber, const ZaPoint& point, const RecordText& text) {
    // The counter numbers the points and, in a UR file, counts them.
    if (points_ == std::numeric_limits<std::int32_t>::max()) {
        refusal_ = "Too many points for one string file";
        return false;
    }
    const StringRecord record{stringNumber, points_, point[0], point[1], point[2], text};
    if (!(kind_ == XYZKind::Binary ? ur_.PutURRecord(record) : tr_.PutTRRecord(record))) return false;
    ++points_;
    return true;
}

const std::string& XYZPointWriter::lastError() const {
    if (!refusal_.empty()) return refusal_;
    return kind_ == XYZKind::Binary ? ur_.lastError() : tr_.lastError();
}

bool XYZPointWriter::finish() { return kind_ == XYZKind::Binary ? ur_.finish() : tr_.close(); }

void XYZPointWriter::abandon() {
    // A file that could not be opened was never ours to remove.
    if (!opened_) return;
    opened_ = false;
    if (kind_ == XYZKind::Binary) {
        ur_.close();
        return;
    }
    tr_.close();
    std::remove(path_.c_str());
}

}  // namespace zastringexport
