#include "import/open_file_dialog.h"

#include <platform/dialog.h>
#include <platform/file_dialog.h>

namespace zaimport {

std::optional<std::string> chooseFileToOpen(const OpenFileRequest& request) {
    const DWORD flags = OFN_HIDEREADONLY | (request.mustExist ? OFN_FILEMUSTEXIST : 0);
    zplat::FileDialog dialog(true, {}, request.proposedName, flags, request.filter);
    dialog.setTitle(request.title);
    dialog.setInitialDir(request.directory);
    if (dialog.doModal() != zplat::IDOK) return std::nullopt;
    return dialog.pathName();
}

std::optional<std::string> chooseFileToOpen(const char* title, const char* filter, const std::string& directory) {
    OpenFileRequest request;
    request.title = title;
    request.filter = filter;
    request.directory = directory;
    return chooseFileToOpen(request);
}

}  // namespace zaimport
