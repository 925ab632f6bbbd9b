// The Win32 registry calls over the store.
#include <platform/registry.h>

#include "reg_codec.h"
#include "reg_document.h"
#include "reg_store.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace {

using namespace zplat::reg;

struct OpenKey {
    std::string path;  // with its root: HKEY_CURRENT_USER\Software\...
    REGSAM access = 0;
};

std::mutex gHandlesMutex;
std::map<HKEY, std::unique_ptr<OpenKey>> gHandles;

std::optional<OpenKey> rootKey(HKEY h) {
    if (h == HKEY_CURRENT_USER) return OpenKey{"HKEY_CURRENT_USER", KEY_ALL_ACCESS};
    if (h == HKEY_LOCAL_MACHINE) return OpenKey{"HKEY_LOCAL_MACHINE", KEY_ALL_ACCESS};
    if (h == HKEY_CLASSES_ROOT) return OpenKey{"HKEY_CLASSES_ROOT", KEY_ALL_ACCESS};
    if (h == HKEY_USERS) return OpenKey{"HKEY_USERS", KEY_ALL_ACCESS};
    if (h == HKEY_CURRENT_CONFIG) return OpenKey{"HKEY_CURRENT_CONFIG", KEY_ALL_ACCESS};
    return std::nullopt;
}

std::optional<OpenKey> lookup(HKEY h) {
    if (auto root = rootKey(h)) return root;
    const std::lock_guard lock(gHandlesMutex);
    const auto it = gHandles.find(h);
    if (it == gHandles.end()) return std::nullopt;
    return *it->second;
}

HKEY newHandle(std::string path, REGSAM access) {
    auto key = std::make_unique<OpenKey>(OpenKey{std::move(path), access});
    HKEY h = reinterpret_cast<HKEY>(key.get());
    const std::lock_guard lock(gHandlesMutex);
    gHandles.emplace(h, std::move(key));
    return h;
}

bool breaksLine(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// The full path of a sub-key, or the error for a name Windows refuses.
LONG subKeyPath(const OpenKey& base, LPCSTR subKey, std::string& path) {
    std::string_view sub = subKey ? subKey : "";
    while (!sub.empty() && sub.back() == '\\') sub.remove_suffix(1);
    if (breaksLine(sub)) return ERROR_INVALID_PARAMETER;
    if (!sub.empty() && (sub.front() == '\\' || sub.find("\\\\") != std::string_view::npos))
        return ERROR_BAD_PATHNAME;
    path = base.path;
    if (!sub.empty()) path += "\\" + std::string(sub);
    return ERROR_SUCCESS;
}

bool isRootPath(std::string_view path) { return path.find('\\') == std::string_view::npos; }

// The value as the A calls hand it out: type and bytes.
struct Data {
    DWORD type = REG_NONE;
    std::string bytes;
};

std::optional<Data> dataOf(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Dword: {
        Data d{REG_DWORD, std::string(4, '\0')};
        for (int i = 0; i < 4; ++i) d.bytes[i] = static_cast<char>((v.dword >> (8 * i)) & 0xFF);
        return d;
    }
    case Value::Kind::String:
        return Data{REG_SZ, v.text + '\0'};
    case Value::Kind::Raw: {
        const auto hex = parseHex(v.text);
        if (!hex) return std::nullopt;  // a deletion ("-") is no value
        Data d{hex->type, {}};
        if (hex->type == REG_SZ || hex->type == REG_EXPAND_SZ || hex->type == REG_MULTI_SZ)
            d.bytes = utf16ToText(hex->bytes);
        else
            d.bytes.assign(hex->bytes.begin(), hex->bytes.end());
        return d;
    }
    }
    return std::nullopt;
}

std::optional<Value> valueFrom(std::string name, DWORD type, const BYTE* data, DWORD size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    Value v;
    v.name = std::move(name);
    if (type == REG_DWORD) {
        if (size != 4) return std::nullopt;
        v.kind = Value::Kind::Dword;
        v.dword = static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
                  (static_cast<std::uint32_t>(data[2]) << 16) |
                  (static_cast<std::uint32_t>(data[3]) << 24);
        return v;
    }
    if (type == REG_SZ) {
        const std::string_view given(bytes, size);
        const std::string text(given.substr(0, given.find('\0')));
        if (!breaksLine(text)) {
            v.kind = Value::Kind::String;
            v.text = text;
            return v;
        }
        // A line break cannot stand inside "text"; the hex form keeps it.
        v.kind = Value::Kind::Raw;
        v.text = formatHex(REG_SZ, textToUtf16(text + '\0'));
        return v;
    }
    v.kind = Value::Kind::Raw;
    if (type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
        v.text = formatHex(type, textToUtf16(std::string_view(bytes, size)));
        return v;
    }
    v.text = formatHex(type, std::vector<std::uint8_t>(data, data + size));
    return v;
}

}  // namespace

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    if (!phkResult) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    const auto base = lookup(hKey);
    if (!base) return ERROR_INVALID_HANDLE;
    std::string path;
    if (const LONG rc = subKeyPath(*base, lpSubKey, path); rc != ERROR_SUCCESS) return rc;
    if (!isRootPath(path) && !keyExists(*snapshot(), path)) return ERROR_FILE_NOT_FOUND;
    *phkResult = newHandle(std::move(path), samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                        const LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    if (!phkResult) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    const auto base = lookup(hKey);
    if (!base) return ERROR_INVALID_HANDLE;
    if (!(base->access & KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
    std::string path;
    if (const LONG rc = subKeyPath(*base, lpSubKey, path); rc != ERROR_SUCCESS) return rc;
    bool created = false;
    if (!isRootPath(path) && !keyExists(*snapshot(), path)) {
        const LONG rc = update([&](Document& doc) { return created = createKey(doc, path); });
        if (rc != ERROR_SUCCESS) return rc;
    }
    if (lpdwDisposition) *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *phkResult = newHandle(std::move(path), samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData) {
    if (lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
    const auto key = lookup(hKey);
    if (!key) return ERROR_INVALID_HANDLE;
    if (!(key->access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    const auto doc = snapshot();
    const Value* v = findValue(*doc, key->path, lpValueName ? lpValueName : "");
    const auto data = v ? dataOf(*v) : std::nullopt;
    if (!data) return ERROR_FILE_NOT_FOUND;
    if (lpType) *lpType = data->type;
    if (!lpcbData) return ERROR_SUCCESS;
    const DWORD need = static_cast<DWORD>(data->bytes.size());
    if (!lpData) {
        *lpcbData = need;
        return ERROR_SUCCESS;
    }
    if (*lpcbData < need) {
        *lpcbData = need;
        return ERROR_MORE_DATA;
    }
    std::memcpy(lpData, data->bytes.data(), need);
    *lpcbData = need;
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                       DWORD cbData) {
    const auto key = lookup(hKey);
    if (!key) return ERROR_INVALID_HANDLE;
    if (!(key->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    if (!lpData && cbData > 0) return ERROR_INVALID_PARAMETER;
    std::string name = lpValueName ? lpValueName : "";
    if (breaksLine(name)) return ERROR_INVALID_PARAMETER;
    static const BYTE kNothing[1] = {0};
    auto value = valueFrom(std::move(name), dwType, lpData ? lpData : kNothing, cbData);
    if (!value) return ERROR_INVALID_PARAMETER;
    if (const Value* now = findValue(*snapshot(), key->path, value->name);
        now && now->kind == value->kind && now->dword == value->dword && now->text == value->text)
        return ERROR_SUCCESS;  // unchanged: no need to replace the file
    return update([&](Document& doc) {
        setValue(doc, key->path, *value);
        return true;
    });
}

LSTATUS RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
    const auto key = lookup(hKey);
    if (!key) return ERROR_INVALID_HANDLE;
    if (!(key->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    bool found = false;
    const LONG rc = update([&](Document& doc) {
        return found = deleteValue(doc, key->path, lpValueName ? lpValueName : "");
    });
    if (rc != ERROR_SUCCESS) return rc;
    return found ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LSTATUS RegCloseKey(HKEY hKey) {
    if (rootKey(hKey)) return ERROR_SUCCESS;
    const std::lock_guard lock(gHandlesMutex);
    return gHandles.erase(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::string zplat::registryPath() { return storePath(); }
