// Plot file records of the example site, in the suite's wide layout: pen,
// line type and layer changes, moves and draws, texts and circles.
#pragma once

#include <string>
#include <string_view>

#include "layers/fixed_columns.h"

class SitePlotWriter {
public:
    explicit SitePlotWriter(bool model) : model_(model), record_(kRecordWidth) {
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

    void layer(int code, int pen = 1, int lineType = 1) {
        put(3, pen);
        put(4, lineType);
        put(5, code);
    }
    void move(double x, double y, double z = 0) { point(1, x, y, z); }
    void draw(double x, double y, double z = 0) { point(2, x, y, z); }
    void line(double x0, double y0, double x1, double y1) {
        move(x0, y0);
        draw(x1, y1);
    }
    // Justification 11: the text's middle at (x, y); the angle in degrees.
    void text(double x, double y, double height, double angle, std::string_view words, int justification = 11) {
        ZaFixedLine& line = start(6);
        line.putInt(2, 3, justification);
        line.putReal(5, 14, x);
        line.putReal(19, 14, y);
        line.putReal(33, 14, height);
        line.putReal(47, 14, angle);
        line.putInt(62, 3, 1);
        emit(line);
        out_ += words;
        out_ += "\r\n";
    }
    void circle(double x, double y, double radius) {
        ZaFixedLine& line = start(8);
        line.putReal(5, 14, x);
        line.putReal(19, 14, y);
        line.putReal(33, 14, radius);
        emit(line);
    }
    // The whole file, its end record added.
    std::string finish() {
        ZaFixedLine line(kHeaderWidth);
        line.putInt(0, 2, 0);
        emit(line);
        return std::move(out_);
    }

private:
    // Buffer widths of the export: 65-column header lines, 79-column records.
    static constexpr std::size_t kHeaderWidth = 67;
    static constexpr std::size_t kRecordWidth = 81;

    void emit(const ZaFixedLine& line) {
        out_ += line.text();
        out_ += "\r\n";
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
};
