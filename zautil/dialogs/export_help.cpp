#include "dialogs/export_help.h"

#include <platform/message_box.h>
#include <platform/services.h>

#include "files/file_tests.h"
#include "settings/path_text.h"

void zaShowExportHelp(HWND parent, const ZsAcEnviron& environment) {
    if (!environment.found) {
        AfxMessageBox(
            "Could not determine Zarvo Software install directory.\nSome or ALL of the required registry entries "
            "are not accessible.\nContact Zarvo Software for assistance.");
        return;
    }
    const std::string path = zaWithSeparator(environment.installDir) + "zautils.hlp";
    if (!zafiles::isFile(path)) {
        AfxMessageBox("Sorry, the help system has not been found.");
        return;
    }
    WinHelpA(parent, path.c_str(), HELP_CONTEXT, kZaExportHelpContext);
}
