#include "menu/help_file.h"

#include <platform/message_box.h>
#include <platform/services.h>

#include "files/file_tests.h"
#include "settings/path_text.h"
#include "settings/za_env.h"

namespace {

constexpr ULONG_PTR kExportOptionsContext = 98320;

}  // namespace

void zaShowHelpFile(HWND owner) {
    const ZsAcEnviron env;
    if (!env.found) {
        AfxMessageBox(
            "Could not determine Zarvo Software install directory.\nSome or ALL of the required registry entries "
            "are not accessible.\nContact Zarvo Software for assistance.");
        return;
    }
    const std::string path = zaWithSeparator(env.installDir) + "zautils.hlp";
    if (!zafiles::isFile(path)) {
        AfxMessageBox("Sorry, the help system has not been found.");
        return;
    }
    WinHelpA(owner, path.c_str(), HELP_CONTEXT, kExportOptionsContext);
}
