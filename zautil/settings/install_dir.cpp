#include "settings/install_dir.h"

#include "settings/path_text.h"
#include "settings/registry_values.h"

#include <cstdlib>
#include <cstring>

namespace {

const char* const kNewInstallKeys[] = {
    "Software\\Wow6432Node\\Zarvo Software\\Install",
    "Software\\Wow6464Node\\Zarvo Software\\Install",
    "Software\\Zarvo Software\\Install",
};
const char* const kOldInstallKey = "Software\\Zarvo\\Install";
const char* const kInstallVariable = "ZARV$PROG";
constexpr std::size_t kVariableLimit = 256;

HKEY openFirstNewKey(HKEY hive) {
    for (const char* name : kNewInstallKeys) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(hive, name, 0, KEY_READ, &key) == ERROR_SUCCESS) return key;
    }
    return nullptr;
}

ZaRegText queryAndClose(HKEY key, const char* valueName, std::string& value, std::size_t size) {
    const ZaRegText result = zaRegQueryText(key, valueName, size, value);
    RegCloseKey(key);
    return result;
}

}  // namespace

int GetZInstVar(HKEY hive, const char* valueName, std::string& value, std::size_t size) {
    value.clear();
    if (HKEY key = openFirstNewKey(hive)) {
        const ZaRegText result = queryAndClose(key, valueName, value, size);
        if (result == ZaRegText::Ok) return 0;
        if (result == ZaRegText::TooLong) return -3;
        // a new key without the value: the old key may still have it
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(hive, kOldInstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -2;
    switch (queryAndClose(key, valueName, value, size)) {
    case ZaRegText::Ok: return 1;
    case ZaRegText::TooLong: return -1;
    case ZaRegText::NotText: return -4;
    case ZaRegText::Missing: break;
    }
    return -2;
}

int zaGetZarvoInstallDir(std::string& dir, std::size_t size) {
    int result = GetZInstVar(HKEY_LOCAL_MACHINE, "Home", dir, size);
    if (result < 0 || result > 2) {
        const char* variable = std::getenv(kInstallVariable);
        // An empty or over-long variable names no directory we could use.
        if (!variable || !*variable || std::strlen(variable) >= kVariableLimit) {
            dir.clear();
            return -8;
        }
        dir = variable;
        result = 2;
    }
    if (dir.size() >= size) return -3;
    if (zaEndsInSeparator(dir)) return result;
    if (dir.size() + 1 >= size) return -3;
    dir += '/';
    return result;
}
