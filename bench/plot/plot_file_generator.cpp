#include "plot_file_generator.h"

#include "files/output_file.h"
#include "plot_record_writer.h"

namespace {

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
    explicit Writer(const PlotFileShape& shape) : shape_(shape), dice_(shape.seed), plot_(shape.model) {}

    void feature(std::int64_t index) {
        if (index % 25 == 0) layerChange();
        if (index % 10 == 3) textRecord();
        if (index % 15 == 7) circle();
        if (index % 20 == 11) arc();
        run();
    }

    PlotRecordWriter& plot() { return plot_; }

private:
    void layerChange() {
        const int pen = 1 + dice_.below(8);
        const int lineType = 1 + dice_.below(7);
        plot_.layer(1 + dice_.below(shape_.layerCodes), pen, lineType);
    }
    void place() {
        x_ = kEast + dice_.unit() * 5000.0;
        y_ = kNorth + dice_.unit() * 5000.0;
        z_ = 100.0 + dice_.unit() * 50.0;
    }
    void run() {
        place();
        plot_.move(x_, y_, z_);
        for (int i = 0; i < shape_.runLength; ++i) {
            x_ += 0.5 + dice_.unit() * 4.0;
            y_ += dice_.unit() * 4.0 - 2.0;
            z_ += dice_.unit() - 0.5;
            plot_.draw(x_, y_, z_);
        }
    }
    void textRecord() {
        place();
        const bool twoLines = dice_.below(2) == 1;
        const double angle = dice_.below(4) * 30.0;
        if (twoLines) {
            plot_.text(x_, y_, 2.5, angle, 11, {"RL 123.45\x7f", "CH 1+250.000"});
            return;
        }
        plot_.text(x_, y_, 2.5, angle, 11, {"RL 123.45\x7f"});
    }
    void circle() {
        place();
        plot_.circle(x_, y_, 0.5 + dice_.unit() * 10.0);
    }
    void arc() {
        place();
        const double from = dice_.unit() * 6.0;
        const double radius = 1.0 + dice_.unit() * 20.0;
        plot_.arc(x_, y_, radius, from, from + 0.5 + dice_.unit() * 2.0);
    }

    const PlotFileShape& shape_;
    Dice dice_;
    PlotRecordWriter plot_;
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
    PlotRecordWriter& plot = writer.plot();
    for (std::int64_t feature = 0; plot.lines() < shape.lines - 1; ++feature) {
        writer.feature(feature);
        if (plot.buffer().size() < kFlushBytes) continue;
        file.append(plot.buffer());
        plot.buffer().clear();
    }
    plot.end();
    file.append(plot.buffer());
    if (file.close()) return true;
    error = file.failureReason();
    return false;
}
