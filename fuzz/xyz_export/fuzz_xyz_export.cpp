// Drives the string export with drawings from arbitrary bytes: the first
// byte picks the file kind and the breakup rule, the second its value, the
// rest is DXF. Every entity the reader accepts is converted; the export may
// refuse an entity, but never crashes, and a UR file it completes holds
// exactly the points it counted.
#include <platform/test_driver.h>

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "arx/acedads.h"
#include "drawing/entity_list.h"
#include "settings/settings_record.h"
#include "string_export/xyz_export.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dxf.h"

namespace {

const std::string& outputPath() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz_xyz_export_" + std::to_string(::getpid()))).string();
    return path;
}

void setUp() {
    static zplat::TestDriver driver;  // every dialog and box answered at once
    static zplat::ScopedDialogDriver scoped(driver);
    zcad::setOutputSink([](std::string_view) {});
    ZaSettings& s = zaSettings();
    s.xyzUseDefaults = true;
    s.coordinateUseDefaults = true;
    s.xyzCreateNote = s.xyzLast8Layer = true;
    s.xyzLastNumberText = 8;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = (setUp(), true);
    (void)ready;
    if (size < 2) return 0;
    std::string error;
    auto db = zcad::readDxfText(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2), error);
    if (!db) return 0;
    zcad::replaceCurrentDatabase(std::move(db));

    ZaSettings& s = zaSettings();
    s.xyzBreakup = data[0] & 3;
    s.xyzRounding = (data[0] & 4) != 0;
    // Within the range the settings accept, small values the likelier; not
    // the very smallest, which only make each arc slow to write.
    const double share = data[1] / 255.0;
    s.xyzValue = 0.01 + 40000.0 * share * share * share;
    const bool ur = (data[0] & 8) != 0;
    zastringexport::XYZExport run(ur ? zastringexport::XYZKind::Binary : zastringexport::XYZKind::Text, s);
    run.setTarget((data[0] & 16) ? zadrawing::TargetSystem::User : zadrawing::TargetSystem::World);
    if (!run.open(outputPath())) std::abort();
    bool going = true;
    for (ads_name name, previous{}; going && acdbEntNext(previous[0] ? previous : nullptr, name) == RTNORM;
         ads_name_set(name, previous)) {
        const zadrawing::EntityList list = zadrawing::readEntity(name);
        going = list && run.DoEntity(list.get());
    }
    if (!going || !run.finish()) {
        run.abandon();
        return 0;
    }
    const auto bytes = std::filesystem::file_size(outputPath());
    if (ur && bytes != 224 + 56 * static_cast<std::uintmax_t>(run.points())) std::abort();
    return 0;
}
