// The ADAC (Asset Design As Constructed) transfer file, version 4: the
// traced lots as cadastral parcels in the data standard's XML, every line
// ended by CR LF for the suite's platform.
#pragma once

#include <ctime>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "files/output_file.h"
#include "pads/pad_records.h"

namespace zapads {

// The least and greatest node coordinates.
struct PadExtents {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;
};

PadExtents padNodeExtents(const PadGraph& graph);

// Appends the text (single-byte, Windows-1252) as XML character data:
// &, <, >, " and ' as entities, other than printable ASCII as character
// references.
void appendXmlEscaped(std::string& out, std::string_view text);

class AdacTransferFile {
public:
    // Creates or empties the file. False when it cannot be opened.
    bool open(const std::string& path);

    // Everything before the first lot: the project, its coordinate system,
    // the drawing's extents, the empty asset groups, and the opening of the
    // land parcels. `name` is the file's name as the user gave it.
    void writeHead(std::string_view name, const PadExtents& extents, const std::tm& exported);

    // One Lot: its number, titled area and the ring's vertices.
    void writeLot(int lot, double area, std::span<const ZaPoint> ring);

    // The closing of the parcels and the empty groups after them. False
    // when any write or the close failed.
    bool finish();
    std::string failureReason() const { return file_.failureReason(); }

private:
    // Literal text with each line feed written as CR LF.
    void put(std::string_view text);
    void putInt(const char* format, int value);
    void putReal(double value, int decimals);
    void putExtentsCorner(const char* corner, double x, double y);
    void putEmptyGroup(std::string_view group, std::initializer_list<std::string_view> children);
    void flush();

    zafiles::OutputFile file_;
    std::string text_;
};

}  // namespace zapads
