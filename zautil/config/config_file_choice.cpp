#include "config/config_file_choice.h"

#include <platform/dialog.h>
#include <platform/file_dialog.h>

#include "arx/acedads.h"
#include "files/file_tests.h"
#include "settings/config_file.h"
#include "settings/path_text.h"

std::optional<std::string> zaChooseConfigFile(const std::string& directory, bool load, HWND owner) {
    const std::string folder = directory.empty() ? std::string() : zaWithSeparator(directory);
    const DWORD flags = OFN_HIDEREADONLY | (load ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    // The default extension gives a name without any "." its ".dat".
    zplat::FileDialog dialog(load, "dat", folder + kZaConfigFileName, flags,
                             "ZautilConfig Files (*.dat)|*.dat|All Files (*.*)|*.*||", owner);
    dialog.setTitle("Open ZautilConfig File");
    if (dialog.doModal() != zplat::IDOK) {
        acutPrintf(load ? "\n*Cancelled or ZautilConfig does not exist*\n"
                        : "\n*Cancelled and 'ZautilConfig.dat' failed to save\n");
        return std::nullopt;
    }
    const std::string path = dialog.pathName();
    if (load && !zafiles::isFile(path)) {
        acutPrintf("\nThe selected ZautilConfig file '%s' does not exist", path.c_str());
        return std::nullopt;
    }
    return path;
}
