#include "plot_file_generator.h"

#include "files/output_file.h"
#include "layers/fixed_columns.h"

namespace {

// Buffer widths of the export: 65-column header lines, 79-column records.
constexpr std::size_t kHeaderWidth = 67;
constexpr std::size_t kRecordWidth = 81;
constexpr double kEast = 512345.0;
constexpr double kNorth = 6912345.0;

// A small linear congruential generator: the same file for the same seed
// on every platform.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    double unit() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / 16777216.0;
    }
    int below(int n) { return static_cast<int>(unit() * n); }

private:
    std::uint32_t state_;
};

class Writer {
public:
    explicit Writer(const PlotFileShape& shape) : shape_(shape), dice_(shape.seed), record_(kRecordWidth) {}

    void header() {
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

    void feature(std::int64_t index) {
        if (index % 25 == 0) layerChange();
        if (index % 10 == 3) textRecord();
        if (index % 15 == 7) circle();
        if (index % 20 == 11) arc();
        run();
    }

    void end() {
        ZaFixedLine line(kHeaderWidth);
        line.putInt(0, 2, 0);
        emit(line);
    }

    std::int64_t lines() const { return lines_; }
    std::string& buffer() { return out_; }

private:
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
    void code(int type, int value) {
        start(type).putInt(2, 3, value);
        emit(record_);
    }
    void layerChange() {
        code(3, 1 + dice_.below(8));
        code(4, 1 + dice_.below(7));
        code(5, 1 + dice_.below(shape_.layerCodes));
    }
    void place() {
        x_ = kEast + dice_.unit() * 5000.0;
        y_ = kNorth + dice_.unit() * 5000.0;
        z_ = 100.0 + dice_.unit() * 50.0;
    }
    void point(int type) {
        ZaFixedLine& line = start(type);
        line.putReal(5, 14, x_);
        line.putReal(19, 14, y_);
        if (shape_.model) line.putReal(33, 14, z_);
        emit(line);
    }
    void run() {
        place();
        point(1);
        for (int i = 0; i < shape_.runLength; ++i) {
            x_ += 0.5 + dice_.unit() * 4.0;
            y_ += dice_.unit() * 4.0 - 2.0;
            z_ += dice_.unit() - 0.5;
            point(2);
        }
    }
    void textRecord() {
        place();
        const int lineCount = 1 + dice_.below(2);
        ZaFixedLine& line = start(6);
        line.putString(3, 2, "11");
        line.putReal(5, 14, x_);
        line.putReal(19, 14, y_);
        line.putReal(33, 14, 2.5);
        line.putReal(47, 14, dice_.below(4) * 30.0);
        line.putInt(62, 3, lineCount);
        emit(line);
        for (int i = 0; i < lineCount; ++i) {
            out_ += i == 0 ? "RL 123.45\x7f" : "CH 1+250.000";
            out_ += "\r\n";
            ++lines_;
        }
    }
    void circle() {
        place();
        ZaFixedLine& line = start(8);
        line.putReal(5, 14, x_);
        line.putReal(19, 14, y_);
        line.putReal(33, 14, 0.5 + dice_.unit() * 10.0);
        emit(line);
    }
    void arc() {
        place();
        const double from = dice_.unit() * 6.0;
        ZaFixedLine& line = start(9);
        line.putReal(5, 14, x_);
        line.putReal(19, 14, y_);
        line.putReal(33, 14, 1.0 + dice_.unit() * 20.0);
        line.putReal(47, 14, from);
        line.putReal(65, 14, from + 0.5 + dice_.unit() * 2.0);
        emit(line);
    }

    const PlotFileShape& shape_;
    Dice dice_;
    ZaFixedLine record_;
    std::string out_;
    std::int64_t lines_ = 0;
    double x_ = 0;
    double y_ = 0;
    double z_ = 0;
};

constexpr std::size_t kFlushBytes = 1 << 20;

}  // namespace

bool generatePlotFile(const std::string& path, const PlotFileShape& shape, std::string& error) {
    zafiles::OutputFile file;
    if (!file.open(path)) {
        error = file.failureReason();
        return false;
    }
    Writer writer(shape);
    writer.header();
    for (std::int64_t feature = 0; writer.lines() < shape.lines - 1; ++feature) {
        writer.feature(feature);
        if (writer.buffer().size() < kFlushBytes) continue;
        file.append(writer.buffer());
        writer.buffer().clear();
    }
    writer.end();
    file.append(writer.buffer());
    if (file.close()) return true;
    error = file.failureReason();
    return false;
}
