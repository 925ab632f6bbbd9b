#include "layers/pen_catalogue.h"

#include "files/scan_fields.h"
#include "settings/install_dir.h"
#include "settings/path_text.h"

namespace {

// Farther than any two 24-bit colours can be.
constexpr std::int64_t kNoPenYet = 3 * 255 * 255 + 1;

std::int64_t component(std::uint32_t colour, int shift) { return (colour >> shift) & 0xFF; }

std::int64_t distance(std::uint32_t a, std::uint32_t b) {
    std::int64_t sum = 0;
    for (const int shift : {16, 8, 0}) {
        const std::int64_t d = component(a, shift) - component(b, shift);
        sum += d * d;
    }
    return sum;
}

bool parsePen(std::string_view line, ZaPen& pen) {
    zafiles::Scan scan(line);
    return scan.integer(pen.pen) && scan.literal(',') && scan.real(pen.width) && scan.literal(',') &&
           scan.hex(pen.colour);
}

}  // namespace

bool zaNearestPenIn(zafiles::LineReader& lines, std::uint32_t colour, ZaPen& result) {
    std::int64_t best = kNoPenYet;
    ZaPen pen;
    while (const auto line = lines.next()) {
        if (!parsePen(*line, pen)) continue;
        const std::int64_t d = distance(pen.colour, colour);
        if (d >= best) continue;
        best = d;
        result = pen;
    }
    return best < kNoPenYet;
}

bool zaNearestPenInFile(const std::string& path, std::uint32_t colour, ZaPen& result) {
    auto source = zafiles::openFileSource(path);
    if (!source) return false;
    zafiles::LineReader lines(std::move(source));
    return zaNearestPenIn(lines, colour, result);
}

bool zaNearestPen(std::uint32_t colour, ZaPen& result) {
    std::string dir;
    if (zaGetZarvoInstallDir(dir) < 0) return false;
    return zaNearestPenInFile(zaWithSeparator(dir) + "pen.tbl", colour, result);
}
