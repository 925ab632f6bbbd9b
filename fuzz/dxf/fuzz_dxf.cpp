// Drives the DXF reader with arbitrary bytes. A drawing it accepts must
// also be written and read back without complaint, and what is read back
// must hold the same values and write the same text again: nothing drifts
// from one save to the next. Saved in another release, it reads back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "zcad/dxf.h"
#include "zcad/same_drawing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto db = zcad::readDxfText(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (!db) {
        if (error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    const std::string written = zcad::writeDxfText(*db, nullptr);
    const auto again = zcad::readDxfText(written, error);
    if (!again) std::abort();
    if (!zcad::test::firstDifference(*db, *again).empty()) std::abort();
    if (zcad::writeDxfText(*again, nullptr) != written) std::abort();
    // Saved in another release, it reads back too.
    for (const auto release : {zcad::DxfVersion::R12, zcad::DxfVersion::R2018}) {
        if (!zcad::readDxfText(zcad::writeDxfText(*db, &release), error)) std::abort();
    }
    return 0;
}
