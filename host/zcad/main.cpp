// zcad: a headless CAD console on DXF drawings. Opens a drawing, loads the
// module, answers its prompts from scripts and standard input, and saves.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <string>

#include "host_registration.h"
#include "zcad/session.h"
#include "zcad/text_edges.h"

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

constexpr const char* kExitStatus = R"(
Exit status:
  0    the run went as written
  1    a script line went wrong: not a command, an answer refused, input ran
       out inside a command, a command reported a failure (the script stops
       there and --save and --render are not written, unless --keep-going);
       or memory ran out
  2    the options, or a script file that cannot be read
  3    the drawing could not be read (a DWG: also when its helper is missing)
  4    the drawing could not be saved, or the picture written
  5    the module could not be loaded
  130  the break key (Ctrl-C) stopped a script; 129 and 143: ended by
       SIGHUP or SIGTERM (nothing saved))";

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"zcad: a headless CAD console on DXF drawings"};
    app.footer(kExitStatus);
    zcad::SessionOptions options;
    std::string module;
    std::string version;
    bool noModule = false;
    std::string pictureSize;
    std::string ground = "white";
    app.add_option("--drawing", options.drawing,
                   "DXF drawing to open, or DWG through the DWG helper (scripts/install-dwg); default: a new drawing");
    app.add_option("--script", options.scripts, "script of command lines, read before standard input");
    app.add_option("--save", options.save, "save the drawing here at exit, as DXF");
    app.add_option("--module", module, "module to load instead of the one beside zcad");
    app.add_flag("--no-module", noModule, "run the host alone");
    app.add_option("--dxf-version", version, "release to save in: R12, R2000, R2004, R2007, R2010, R2013, R2018");
    app.add_option("--render", options.picture,
                   "write a picture of the drawing at exit, after --save: FILE.png, .svg, .pdf or .html");
    app.add_option("--render-size", pictureSize, "size of the picture, WxH (default 1600x1200)");
    app.add_flag("--render-lineweights", options.pictureOptions.lineweights, "draw lines as wide as their lineweights");
    app.add_option("--render-background", ground, "white (default) or dark");
    app.add_flag("--audit", options.auditOnly,
                 "read the drawing, print what reading it repaired, and stop: nothing is run or saved");
    app.add_flag("--keep-going", options.keepGoing,
                 "go on past script lines that go wrong, save all the same, and exit with 1 at the end");
    bool noUndo = false;
    app.add_flag("--no-undo", noUndo, "keep no undo journal (as UNDO Control None), for batch runs");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? zcad::kExitDone : zcad::kExitUsage;
    }

    options.undo = !noUndo;
    if (!options.picture.empty() && !zcad::pictureFormatOf(options.picture)) {
        std::fprintf(stderr, "zcad: --render wants a file ending in .png, .svg, .pdf or .html, not '%s'\n",
                     options.picture.c_str());
        return zcad::kExitUsage;
    }
    if (!pictureSize.empty() &&
        !zcad::parsePictureSize(pictureSize, options.pictureOptions.width, options.pictureOptions.height)) {
        std::fprintf(stderr, "zcad: --render-size wants WxH, each from 1 to %d, not '%s'\n", zcad::kLargestPicture,
                     pictureSize.c_str());
        return zcad::kExitUsage;
    }
    if (ground != "white" && ground != "dark") {
        std::fprintf(stderr, "zcad: --render-background is white or dark, not '%s'\n", ground.c_str());
        return zcad::kExitUsage;
    }
    options.pictureOptions.dark = ground == "dark";
    if (options.auditOnly && options.drawing.empty()) {
        std::fprintf(stderr, "zcad: --audit wants a --drawing to read\n");
        return zcad::kExitUsage;
    }

    if (!version.empty()) {
        zcad::DxfVersion parsed;
        if (!zcad::parseDxfVersion(version, parsed)) {
            std::fprintf(stderr, "zcad: unknown DXF release '%s'\n", version.c_str());
            return zcad::kExitUsage;
        }
        options.version = parsed;
    }
    if (!noModule) {
        if (module.empty()) module = defaultModule();
        if (!module.empty()) options.modules.push_back(module);
        // A module finds the host's folders (its Fonts) through the registry.
        if (const auto dir = installation(); !dir.empty()) registerHostInstallation(zcad::hostTextOfUtf8(dir.string()) + "/");
    }
    return zcad::runSession(options);
}
