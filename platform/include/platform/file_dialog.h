// The standard open and save dialogs: filter, title, initial directory and
// file name, must-exist and overwrite prompt.
#pragma once

#include <platform/dialog_driver.h>
#include <platform/win32.h>

#include <string>

#pragma GCC visibility push(default)

inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

namespace zplat {

class FileDialog {
public:
    // As CFileDialog: open or save, default extension, proposed name, flags,
    // and the filter "Description|pattern|...||".
    FileDialog(bool openFileDialog, std::string defaultExt = {}, std::string fileName = {},
               DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, std::string filter = {},
               HWND parent = nullptr);

    void setTitle(std::string title) { request_.title = std::move(title); }
    void setInitialDir(std::string dir);
    const FileRequest& request() const { return request_; }

    // IDOK with a name chosen, or IDCANCEL.
    int doModal();

    std::string pathName() const { return path_; }  // the whole path
    std::string fileName() const;                   // name and extension
    std::string fileExt() const;                    // extension without its dot
    std::string fileTitle() const;                  // name without extension
    std::string folderPath() const;                 // directory without a final separator

private:
    std::string resolve(const std::string& answer) const;

    FileRequest request_;
    std::string path_;
};

}  // namespace zplat

#pragma GCC visibility pop
