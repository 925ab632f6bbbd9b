// zcad: a headless CAD console on DXF drawings. Opens a drawing, loads the
// module, answers its prompts from scripts and standard input, and saves.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <string>

#include "host_registration.h"
#include "zcad/session.h"

namespace {

// Where zcad is installed: the directory of its program.
std::filesystem::path installation() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

// The module built beside zcad, when no --module names another.
std::string defaultModule() {
    const auto dir = installation();
    if (dir.empty()) return {};
    std::error_code ec;
    const auto module = dir / "zautil.so";
    return std::filesystem::exists(module, ec) ? module.string() : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"zcad: a headless CAD console on DXF drawings"};
    zcad::SessionOptions options;
    std::string module;
    std::string version;
    bool noModule = false;
    app.add_option("--drawing", options.drawing, "DXF drawing to open (default: a new drawing)");
    app.add_option("--script", options.scripts, "script of command lines, read before standard input");
    app.add_option("--save", options.save, "save the drawing here at exit");
    app.add_option("--module", module, "module to load instead of the one beside zcad");
    app.add_flag("--no-module", noModule, "run the host alone");
    app.add_option("--dxf-version", version, "release to save in: R12, R2000, R2004, R2007, R2010, R2013, R2018");
    CLI11_PARSE(app, argc, argv);

    if (!version.empty()) {
        zcad::DxfVersion parsed;
        if (!zcad::parseDxfVersion(version, parsed)) {
            std::fprintf(stderr, "zcad: unknown DXF release '%s'\n", version.c_str());
            return 2;
        }
        options.version = parsed;
    }
    if (!noModule) {
        if (module.empty()) module = defaultModule();
        if (!module.empty()) options.modules.push_back(module);
        // A module finds the host's folders (its Fonts) through the registry.
        if (const auto dir = installation(); !dir.empty()) registerHostInstallation(dir.string() + "/");
    }
    return zcad::runSession(options);
}
