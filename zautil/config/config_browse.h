// The browse buttons of the configuration tabs: standard file dialogs for
// the current job, a layer map, a layer control file and a text font.
#pragma once

#include <platform/win32.h>

#include <optional>
#include <string>

// A job file of the suite, starting in the directory given; it becomes the
// suite's current job at once. Nothing when cancelled (and told).
std::optional<std::string> zaBrowseJob(const std::string& directory, HWND owner);
std::optional<std::string> zaBrowseMapFile(const std::string& directory, HWND owner);
std::optional<std::string> zaBrowseControlFile(const std::string& directory, HWND owner);

// The host's Fonts folder: "Fonts" in the host's installation directory,
// the "AcadLocation" value under the host's product key. Nothing (told in
// a message box) when the host does not say.
std::optional<std::string> zaHostFontFolder();

// A font of the host's Fonts folder, as the text font setting names it: the
// file name without its extension. Nothing when cancelled or refused.
std::optional<std::string> zaBrowseFont(HWND owner);
