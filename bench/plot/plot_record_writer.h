// Plot file records in the wide layout the suite writes: the header, pen,
// line type and layer changes, moves and draws, texts, circles and arcs,
// gathered in a buffer the caller writes out.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "layers/fixed_columns.h"

class PlotRecordWriter {
public:
    // With `model`, moves and draws carry z, as in a ".m??" file.
    explicit PlotRecordWriter(bool model) : model_(model), record_(kRecordWidth) {
        ZaFixedLine line(kHeaderWidth);
        line.putInt(0, 2, 12);
        emit(line);
        for (const int type : {3, 4, 5}) {
            line.clear();
            line.putInt(0, 2, type);
            line.putInt(2, 3, 0);
            emit(line);
        }
    }

    void layer(int code, int pen, int lineType) {
        put(3, pen);
        put(4, lineType);
        put(5, code);
    }
    void move(double x, double y, double z = 0) { point(1, x, y, z); }
    void draw(double x, double y, double z = 0) { point(2, x, y, z); }
    // Justification 11 puts the text's middle at (x, y); the angle is in degrees.
    void text(double x, double y, double height, double angle, int justification,
              std::initializer_list<std::string_view> lines) {
        ZaFixedLine& line = start(6);
        line.putInt(2, 3, justification);
        line.putReal(5, 14, x);
        line.putReal(19, 14, y);
        line.putReal(33, 14, height);
        line.putReal(47, 14, angle);
        line.putInt(62, 3, static_cast<std::int32_t>(lines.size()));
        emit(line);
        for (const std::string_view words : lines) {
            out_ += words;
            out_ += "\r\n";
            ++lines_;
        }
    }
    void circle(double x, double y, double radius) {
        ZaFixedLine& line = start(8);
        line.putReal(5, 14, x);
        line.putReal(19, 14, y);
        line.putReal(33, 14, radius);
        emit(line);
    }
    // Angles in radians, anticlockwise.
    void arc(double x, double y, double radius, double from, double to) {
        ZaFixedLine& line = start(9);
        line.putReal(5, 14, x);
        line.putReal(19, 14, y);
        line.putReal(33, 14, radius);
        line.putReal(47, 14, from);
        line.putReal(65, 14, to);
        emit(line);
    }
    void end() {
        ZaFixedLine line(kHeaderWidth);
        line.putInt(0, 2, 0);
        emit(line);
    }

    std::int64_t lines() const { return lines_; }
    std::string& buffer() { return out_; }

private:
    // Buffer widths of the export: 65-column header lines, 79-column records.
    static constexpr std::size_t kHeaderWidth = 67;
    static constexpr std::size_t kRecordWidth = 81;

    void emit(const ZaFixedLine& line) {
        out_ += line.text();
        out_ += "\r\n";
        ++lines_;
    }
    ZaFixedLine& start(int type) {
        record_.clear();
        record_.putInt(0, 2, type);
        return record_;
    }
    void put(int type, int value) {
        start(type).putInt(2, 3, value);
        emit(record_);
    }
    void point(int type, double x, double y, double z) {
        ZaFixedLine& line = start(type);
        line.putReal(5, 14, x);
        line.putReal(19, 14, y);
        if (model_) line.putReal(33, 14, z);
        emit(line);
    }

    bool model_;
    ZaFixedLine record_;
    std::string out_;
    std::int64_t lines_ = 0;
};
