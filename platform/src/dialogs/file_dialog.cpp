#include <platform/file_dialog.h>
#include <platform/message_box.h>

#include <zcad/console.h>
#include <zcad/text_edges.h>

#include <filesystem>
#include <unistd.h>

namespace zplat {

namespace {

std::size_t lastSeparator(const std::string& path) { return path.find_last_of("/\\"); }

std::string namePart(const std::string& path) {
    const auto sep = lastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

// The module holds its paths as host text.
std::string currentDirectory() {
    std::error_code ec;
    const auto dir = std::filesystem::current_path(ec);
    return ec ? std::string(".") : zcad::hostTextOfUtf8(dir.string());
}

bool exists(const std::string& path) { return ::access(zcad::fileSystemName(path).c_str(), F_OK) == 0; }

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(zcad::fileSystemName(path), ec);
}

}  // namespace

FileDialog::FileDialog(bool openFileDialog, std::string defaultExt, std::string fileName, DWORD flags,
                       std::string filter, HWND) {
    request_.open = openFileDialog;
    request_.defaultExt = std::move(defaultExt);
    request_.flags = flags;
    request_.filter = std::move(filter);
    // A proposed name with a directory opens the dialog in that directory.
    const auto sep = lastSeparator(fileName);
    if (sep != std::string::npos) {
        request_.initialDir = fileName.substr(0, sep);
        fileName = fileName.substr(sep + 1);
    }
    request_.fileName = std::move(fileName);
}

void FileDialog::setInitialDir(std::string dir) {
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
    request_.initialDir = std::move(dir);
}

std::string FileDialog::resolve(const std::string& answer) const {
    std::string path = answer;
    if (path.empty() || path.front() != '/') {
        // A bare name lands in the folder the dialog shows; a relative path
        // with folders is taken from the working directory, as at a shell.
        const bool bareName = lastSeparator(path) == std::string::npos;
        const std::string dir =
            request_.initialDir.empty() || !bareName ? currentDirectory() : request_.initialDir;
        path = dir + (dir.back() == '/' ? "" : "/") + path;
    }
    const std::string name = namePart(path);
    if (!request_.defaultExt.empty() && name.find('.') == std::string::npos)
        path += "." + request_.defaultExt;
    return path;
}

int FileDialog::doModal() {
    for (;;) {
        const auto answer = dialogDriver().askFile(request_);
        if (!answer || answer->empty()) return IDCANCEL;
        const std::string path = resolve(*answer);
        const std::string caption = request_.title.empty() ? (request_.open ? "Open" : "Save As") : request_.title;
        if (request_.open && (request_.flags & OFN_FILEMUSTEXIST) && !exists(path)) {
            messageBox(namePart(path) + "\nFile not found.\nCheck the file name and try again.", caption,
                       MB_OK | MB_ICONWARNING);
            zcad::noteScriptFault(zcad::ScriptFault::Refused, path + ": File not found.");
            continue;
        }
        // A folder is never the file a save writes: say so and ask again,
        // as a save dialog opens a folder rather than returning it.
        if (!request_.open && isDirectory(path)) {
            messageBox(namePart(path) + "\nThis is a folder, not a file.\nType a file name.", caption,
                       MB_OK | MB_ICONWARNING);
            zcad::noteScriptFault(zcad::ScriptFault::Refused, path + ": is a folder.");
            continue;
        }
        if (!request_.open && (request_.flags & OFN_OVERWRITEPROMPT) && exists(path) &&
            !dialogDriver().confirmReplace({namePart(path) + " already exists.\nDo you want to replace it?", caption,
                                            MB_YESNO | MB_ICONWARNING}))
            continue;
        path_ = path;
        return IDOK;
    }
}

std::string FileDialog::fileName() const { return namePart(path_); }

std::string FileDialog::fileExt() const {
    const std::string name = fileName();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string FileDialog::fileTitle() const {
    const std::string name = fileName();
    return name.substr(0, name.rfind('.'));
}

std::string FileDialog::folderPath() const {
    const auto sep = lastSeparator(path_);
    if (sep == std::string::npos) return {};
    return sep == 0 ? std::string("/") : path_.substr(0, sep);
}

}  // namespace zplat
