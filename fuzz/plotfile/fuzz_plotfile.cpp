// The plot file reader on any bytes, drawing into a fresh drawing each time:
// it must draw or pass over every record, never crash, hang or read out of
// bounds.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "arx/acedads.h"
#include "layers/plot_layer_table.h"
#include "plot/plot_reader.h"
#include "zcad/console.h"
#include "zcad/host_test.h"

namespace {

constexpr std::string_view kLayers =
    "LAYER    3 Aug-2014\r\n"
    "   0   0   0 2PLAN        ;PLANTXT     ;standard    \r\n"
    "   5   0   0 2ROAD        ;ROADTXT     ;standard    \r\n"
    "   5   3   1 2ROAD3       ;ROAD3       ;romans      \r\n"
    "/////\r\n";

std::int64_t stoppedClock() { return 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zcad::test::resetHost();
    zcad::setOutputSink([](std::string_view) {});
    ZaPlotLayerTable table;
    if (!table.read(zafiles::memorySource(std::span<const char>(kLayers.data(), kLayers.size())))) __builtin_trap();
    // The first byte says whether the file is named as a 3D model.
    const bool model = size > 0 && (data[0] & 1);
    ZaPlotReader reader(table, model);
    zafiles::LineReader lines(zafiles::memorySource(std::span<const char>(reinterpret_cast<const char*>(data), size)));
    zaimport::ImportProgress progress(kZaPlotProgress, stoppedClock);
    reader.read(lines, progress);
    if (zcad::test::sequenceOpen()) __builtin_trap();
    if (reader.linesRead() < 0) __builtin_trap();
    // Nothing drawn from an accepted file lies anywhere but at finite places.
    ads_name entity;
    for (int s = acdbEntNext(nullptr, entity); s == RTNORM; s = acdbEntNext(entity, entity)) {
        resbuf* list = acdbEntGet(entity);
        for (const resbuf* g = list; g; g = g->rbnext) {
            const bool point = g->restype >= 10 && g->restype <= 18;
            const bool real = g->restype >= 38 && g->restype <= 51;
            if (point && !(std::isfinite(g->resval.rpoint[0]) && std::isfinite(g->resval.rpoint[1]) &&
                           std::isfinite(g->resval.rpoint[2]))) {
                __builtin_trap();
            }
            if (real && !std::isfinite(g->resval.rreal)) __builtin_trap();
        }
        acutRelRb(list);
    }
    return 0;
}
