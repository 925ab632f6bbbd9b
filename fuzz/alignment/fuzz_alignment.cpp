// Polylines from a drawing are outside data: any vertices, bulges and
// lightweight entity lists. Reading, orienting and the path computation
// must never crash or read out of bounds, and whatever the HAL and RV
// files are given must fill their columns exactly.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "alignment/alignment_list.h"
#include "alignment/alignment_path.h"
#include "alignment/hal_files.h"
#include "drawing/polyline.h"
#include "arx/acedads.h"
#include "zcad/console.h"

namespace {

struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;

    bool more() const { return at < size; }
    std::uint8_t byte() { return at < size ? data[at++] : 0; }
    double real() {
        double value = 0;
        if (at >= size) return value;
        const std::size_t n = size - at < sizeof value ? size - at : sizeof value;
        std::memcpy(&value, data + at, n);
        at += n;
        return value;
    }
};

// An LWPOLYLINE list of count, points and bulges in the order the bytes say.
resbuf* lightweightList(Bytes& in) {
    resbuf* list = acutBuildList(RTDXF0, "LWPOLYLINE", 0);
    resbuf* last = list;
    for (int groups = 0; in.more() && groups < 64; ++groups) {
        const std::uint8_t kind = in.byte() % 4;
        resbuf* rb = nullptr;
        if (kind == 0) {
            rb = acutBuildList(90, static_cast<int>(static_cast<std::int8_t>(in.byte())) * 40, 0);
        } else if (kind == 1) {
            const ads_point p = {in.real(), in.real(), 0};
            rb = acutBuildList(10, p, 0);
        } else if (kind == 2) {
            rb = acutBuildList(42, in.real(), 0);
        } else {
            rb = acutBuildList(70, static_cast<int>(in.byte()), 0);
        }
        last->rbnext = rb;
        last = rb;
    }
    return list;
}

bool linesOf(const std::string& text, std::size_t banner, std::size_t width, std::size_t skip) {
    std::size_t line = 0;
    for (std::size_t at = 0; at < text.size(); ++line) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) return false;
        if (line >= skip && end - at != width) return false;
        if (line == 0 && end - at != banner) return false;
        at = end + 2;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (zcad::setOutputSink([](std::string_view) {}), true);
    (void)quiet;
    Bytes in{data, size};
    const std::size_t split = size ? data[0] : 0;
    Bytes listBytes{data, split < size ? split : size, size ? 1u : 0u};
    resbuf* list = lightweightList(listBytes);
    zadrawing::Polyline polyline;
    const zadrawing::DrawingFault fault = polyline.read(nullptr, list, {.mostVertices = kZaAlignmentMostVertices});
    acutRelRb(list);
    if (fault == zadrawing::DrawingFault::None && polyline.vertices().size() > kZaAlignmentMostVertices) __builtin_trap();
    ZaAlignment read;
    for (const zadrawing::PolylineVertex& v : polyline.vertices()) read.push_back({v.at[0], v.at[1], 0, v.bulge, 0});

    in.at = listBytes.at;
    ZaAlignment pegged;
    while (in.more() && pegged.size() < kZaAlignmentMostVertices + 4) {
        const double x = in.real(), y = in.real();
        pegged.push_back({x, y, in.real(), in.real(), 0});
    }
    ZaAlignment shift = read;
    zaDropRepeatedVertices(pegged);
    zaOrientAlignments({0, 0, 0}, pegged, &shift);
    if (!FixArcs("Pegged", pegged) || !FixArcs("Shift", shift)) return 0;
    if (!CalcPath("Pegged", pegged) || !CalcPath("Shift", shift)) return 0;
    if (pegged.size() > kZaAlignmentMostVertices || shift.size() > kZaAlignmentMostVertices) __builtin_trap();
    if (zaFirstUnfitRecord(pegged, false) || zaFirstUnfitRecord(shift, true)) return 0;
    const ZaHalIntervals intervals{zaIntervalInRange(in.real()), zaIntervalInRange(-1)};
    if (!linesOf(zaHalFileText(pegged, &shift, intervals), 32, 78, 2)) __builtin_trap();
    if (!linesOf(zaRvFileText(shift), 32, 50, 2)) __builtin_trap();
    return 0;
}
