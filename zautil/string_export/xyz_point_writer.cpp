#include "string_export/xyz_point_writer.h"

#include <limits>

namespace zastringexport {

bool XYZPointWriter::open(const std::string& path) {
    points_ = 0;
    refusal_.clear();
    if (kind_ == XYZKind::Binary) return ur_.open(path) && ur_.WriteURHeader();
    return tr_.open(path) && tr_.WriteTRHeader();
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
    if (kind_ == XYZKind::Binary) return ur_.abandon();
    tr_.abandon();
}

}  // namespace zastringexport
