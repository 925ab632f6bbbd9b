// Draws whatever drawing the DXF reader accepts: odd numbers, blocks that
// insert themselves, texts full of codes. A picture must always be written.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "zcad/dxf.h"
#include "zcad/picture.h"

// Leaks that are not ours: fontconfig keeps a little of what it read from
// its configuration files for good.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto db = zcad::readDxfText(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (!db) return 0;
    static const std::string path = "/tmp/fuzz_render_" + std::to_string(::getpid()) + ".png";
    zcad::PictureOptions options;
    options.width = 48;
    options.height = 32;
    if (!zcad::writePicture(*db, path, options, error)) std::abort();
    return 0;
}
