#include "config/config_browse.h"

#include <platform/file_dialog.h>
#include <platform/message_box.h>

#include "arx/acedads.h"
#include "arx/dbtables.h"
#include "settings/current_job.h"
#include "settings/path_text.h"
#include "settings/registry_values.h"

#include <filesystem>

namespace {

constexpr const char* kJobFilter =
    "Zarvo Job Files|*.ur?;*.tr?;*.tm?;*.uf?;*.ut?;*.w1?;*.w2?;*.w3?;*.d1?;*.d2?;*.d3?;*.h0?;*.h1?;*.h2?;"
    "*.h3?;*.h4?;*.h5?;*.h6?;*.h7?;*.h8?;*.h9?;*.ht?;*.b1?;*.b2?;*.b3?;*.rn?;*.rt?;*.nw?||";

std::optional<std::string> askFile(const char* filter, const char* title, const std::string& directory, HWND owner) {
    zplat::FileDialog dialog(true, {}, {}, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter, owner);
    dialog.setTitle(title);
    if (!directory.empty()) dialog.setInitialDir(directory);
    if (dialog.doModal() != zplat::IDOK) return std::nullopt;
    return dialog.pathName();
}

bool isDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace

std::optional<std::string> zaBrowseJob(const std::string& directory, HWND owner) {
    auto path = askFile(kJobFilter, "Open Zarvo Job Files", directory, owner);
    if (!path) {
        acutPrintf("\n*Browse For Job - Cancelled*\n");
        return std::nullopt;
    }
    zaSetCurrentJob(*path);
    return path;
}

std::optional<std::string> zaBrowseMapFile(const std::string& directory, HWND owner) {
    return askFile("Zarvo Layer Map File (*.map )|*.map|All Files (*.*)|*.*||", "Open Zarvo Layer Map Files",
                   directory, owner);
}

std::optional<std::string> zaBrowseControlFile(const std::string& directory, HWND owner) {
    auto path = askFile("Zarvo Layer Control Files (*.ctl )|*.ctl||", "Open Zarvo Layer Control Files", directory,
                        owner);
    if (!path) acutPrintf("\n*Browse For ctlFile - Cancelled*\n");
    return path;
}

std::optional<std::string> zaHostFontFolder() {
    HKEY key = nullptr;
    const char* productKey = acdbHostApplicationServices()->getMachineRegistryProductRootKey();
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, productKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        AfxMessageBox("Could not open the AutoCAD Directory Registry keys.\n");
        return std::nullopt;
    }
    std::string location;
    const ZaRegText read = zaRegQueryText(key, "AcadLocation", kZaPathSize, location);
    RegCloseKey(key);
    if (read != ZaRegText::Ok) {
        AfxMessageBox("Could not read ACAD directory information\n");
        return std::nullopt;
    }
    const std::string folder = zaWithSeparator(location) + "Fonts/";
    // Folder names differ in letter case only on this side of the port.
    const std::string lower = zaWithSeparator(location) + "fonts/";
    return !isDirectory(folder) && isDirectory(lower) ? lower : folder;
}

std::optional<std::string> zaBrowseFont(HWND owner) {
    const std::optional<std::string> folder = zaHostFontFolder();
    zplat::FileDialog dialog(true, {}, {}, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                             "Text Font Files (*.shx )|*.shx|TrueType files (*.ttf)|*.ttf||", owner);
    dialog.setTitle("Open Text Font Files");
    if (folder) dialog.setInitialDir(*folder);
    if (dialog.doModal() != zplat::IDOK) return std::nullopt;
    if (!folder || zaWithSeparator(dialog.folderPath()) != *folder) {
        AfxMessageBox("The file selected has to be in the host's Fonts folder.");
        return std::nullopt;
    }
    return dialog.fileTitle();
}
