// Writes a plot file in the wide layout: a header that switches to it,
// records in fixed columns, and "00" to end. Every write is checked, so a
// full disk is reported rather than leaving a file that looks complete.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "files/output_file.h"
#include "layers/fixed_columns.h"

// Characters the text line of a text record holds.
inline constexpr std::size_t kZaPlotTextLimit = 31;

class ZaPlotWriter {
public:
    // Creates the file beside the target and writes the header; false when
    // it cannot be created.
    bool open(const std::string& path);

    void codes(std::int32_t pen, std::int32_t lineType, std::int32_t layerCode);
    void move(double x, double y) { point(kMove, x, y); }
    void draw(double x, double y) { point(kDraw, x, y); }
    void circle(double x, double y, double radius);
    void arc(double x, double y, double radius, double startRadians, double endRadians);
    // justification: horizontal digit then vertical, 0 to 22. The text is
    // written as given: the caller keeps it to the limit and one line.
    void text(int justification, double x, double y, double height, double degrees, std::string_view text);

    // Writes "00", closes and puts the file in place of any earlier one;
    // false, with the earlier file kept, when anything failed since open.
    bool finish();
    // Drops what was written; an earlier file stays as it was.
    void abandon() { file_.abandon(); }
    std::string failureReason() const { return file_.failureReason(); }

private:
    static constexpr std::int32_t kMove = 1;
    static constexpr std::int32_t kDraw = 2;

    void point(std::int32_t type, double x, double y);
    void header(std::int32_t type);
    // A record line: its type, and the rest of the columns blank.
    ZaFixedLine& start(std::int32_t type);
    void end(const ZaFixedLine& line);

    zafiles::OutputFile file_;
    // The header's buffers were 65 wide, the records' 79; these hold the
    // records' 79 columns whole, so the end angle in 65-78 keeps its last
    // digits and the line end follows it.
    ZaFixedLine header_{65};
    ZaFixedLine line_{81};
};

// The value in its columns with nine significant digits, or with fewer when
// nine would not fit: cutting the text would write another number.
void zaPutPlotReal(ZaFixedLine& line, std::size_t column, std::size_t width, double value);
