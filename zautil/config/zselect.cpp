#include "config/zselect.h"

#include "settings/settings_message.h"
#include "settings/za_env.h"

#include <platform/services.h>

#include <unistd.h>

#include <string>

void zaZSelect() {
    const ZsAcEnviron env;
    if (!env.found) {
        zaSettingsMessage("Failed to locate Zarvo install directory.");
        return;
    }
    // The suite's own name first; a port of it may carry no extension.
    std::string program = env.installDir + "ZSelect.exe";
    if (::access(program.c_str(), F_OK) != 0) program = env.installDir + "ZSelect";
    if (::access(program.c_str(), F_OK) != 0) {
        zaSettingsMessage("Failed to locate ZSelect executable in Zarvo install directory.");
        return;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // The selector runs on its own: not waited for, its result ignored.
    if (CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
