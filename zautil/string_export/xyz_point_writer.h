// The points of a string export into a UR or a TR file: the header first,
// then one record per point numbered by the point counter, and for UR the
// count fixed up at the end. A file that stops part way is left so that no
// reader takes it for complete.
#pragma once

#include <cstdint>
#include <string>

#include "geometry/bulge_arc.h"
#include "strings/string_record.h"
#include "strings/tr_writer.h"
#include "strings/ur_writer.h"

namespace zastringexport {

using zastrings::RecordText;
using zastrings::StringRecord;
using zastrings::TRWriter;
using zastrings::URWriter;

enum class XYZKind { Text = 1, Binary = 2 };

class XYZPointWriter {
public:
    explicit XYZPointWriter(XYZKind kind) : kind_(kind) {}

    // Creates the file and writes its header.
    bool open(const std::string& path);
    // Numbered by the point counter, which it advances.
    bool put(std::int32_t stringNumber, const ZaPoint& point, const RecordText& text);
    // Fixes up the count (UR) and closes.
    bool finish();
    // Drops a file that stopped part way; the file it was to replace stays.
    void abandon();

    std::int32_t points() const { return points_; }
    const std::string& lastError() const;
    std::string failureReason() const {
        return kind_ == XYZKind::Binary ? ur_.failureReason() : tr_.failureReason();
    }

private:
    XYZKind kind_;
    URWriter ur_;
    TRWriter tr_;
    std::int32_t points_ = 0;
    std::string refusal_;
};

}  // namespace zastringexport
