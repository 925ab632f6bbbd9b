// Drives the reading of the DWG helper's report and of its reason with
// arbitrary bytes. What reaches the user's message line holds no control
// characters and stays short; counts are never negative.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dwg/dwg_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zcad::DwgReport report = zcad::parseDwgReport(text);
    if (report.entities < -1) std::abort();
    for (const auto& [kind, count] : report.lost) {
        if (kind.empty() || count <= 0) std::abort();
    }
    const std::string reason = zcad::helperReason(text);
    if (reason.size() > 300) std::abort();
    for (const char c : reason + zcad::describeDwgReport(report)) {
        if (static_cast<unsigned char>(c) < 0x20) std::abort();
    }
    return 0;
}
