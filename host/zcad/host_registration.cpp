#include "host_registration.h"

#include <platform/registry.h>

#include "arx/dbtables.h"

namespace {

constexpr const char* kLocation = "AcadLocation";

std::string storedLocation(HKEY key) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, kLocation, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return {};
    std::string text(size, '\0');
    if (RegQueryValueExA(key, kLocation, nullptr, &type, reinterpret_cast<LPBYTE>(text.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    text.resize(text.find('\0'));
    return text;
}

}  // namespace

void registerHostInstallation(const std::string& directory) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kZcadProductKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (storedLocation(key) != directory)
        RegSetValueExA(key, kLocation, 0, REG_SZ, reinterpret_cast<const BYTE*>(directory.c_str()),
                       static_cast<DWORD>(directory.size() + 1));
    RegCloseKey(key);
}
