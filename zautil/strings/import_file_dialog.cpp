#include "strings/import_file_dialog.h"

#include <platform/dialog.h>
#include <platform/file_dialog.h>

namespace zastrings {

std::optional<std::string> chooseFileToOpen(const char* title, const char* filter, const std::string& directory) {
    zplat::FileDialog dialog(true, {}, {}, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter);
    dialog.setTitle(title);
    dialog.setInitialDir(directory);
    if (dialog.doModal() != zplat::IDOK) return std::nullopt;
    return dialog.pathName();
}

}  // namespace zastrings
