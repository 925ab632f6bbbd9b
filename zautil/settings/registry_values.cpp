#include "settings/registry_values.h"

#include "files/c_numbers.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t kRealTextLimit = 64;
constexpr std::size_t kCountedTextLimit = 256;

std::optional<std::uint32_t> readDword(HKEY key, const char* name) {
    DWORD type = REG_NONE;
    BYTE bytes[4] = {};
    DWORD size = sizeof bytes;
    if (RegQueryValueExA(key, name, nullptr, &type, bytes, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_DWORD || size != sizeof bytes) return std::nullopt;
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

bool writeDword(HKEY key, const char* name, std::uint32_t value) {
    const BYTE bytes[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                           static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)};
    return RegSetValueExA(key, name, 0, REG_DWORD, bytes, sizeof bytes) == ERROR_SUCCESS;
}

bool writeString(HKEY key, const char* name, std::string_view text) {
    std::string bytes(text);
    bytes += '\0';
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

// Room for "%.5f" of the largest double (309 digits, sign, point, decimals).
template <typename T>
std::string formatNumber(const char* format, T value) {
    char text[400];
    const int length = std::snprintf(text, sizeof text, format, value);
    if (length < 0) return {};
    return std::string(text, std::min(static_cast<std::size_t>(length), sizeof text - 1));
}

}  // namespace

ZaRegText zaRegQueryText(HKEY key, const char* name, std::size_t limit, std::string& text) {
    text.clear();
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return ZaRegText::Missing;
    if (type != REG_SZ) return ZaRegText::NotText;
    if (size > limit) return ZaRegText::TooLong;
    std::string bytes(size, '\0');
    DWORD got = size;
    const LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(bytes.data()), &got);
    if (rc == ERROR_MORE_DATA) return ZaRegText::TooLong;  // it grew in between
    if (rc != ERROR_SUCCESS) return ZaRegText::Missing;
    if (type != REG_SZ) return ZaRegText::NotText;
    bytes.resize(got);
    text = bytes.substr(0, bytes.find('\0'));
    return ZaRegText::Ok;
}

std::optional<bool> zaRegReadFlag(HKEY key, const char* name) {
    const auto value = readDword(key, name);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<int> zaRegReadWhole(HKEY key, const char* name) {
    const auto value = readDword(key, name);
    if (!value) return std::nullopt;
    return static_cast<int>(static_cast<std::int32_t>(*value));
}

std::optional<double> zaRegReadReal(HKEY key, const char* name) {
    const auto text = zaRegReadText(key, name, kRealTextLimit);
    if (!text) return std::nullopt;
    return zafiles::readCReal(*text);
}

std::optional<std::string> zaRegReadText(HKEY key, const char* name, std::size_t limit) {
    std::string text;
    if (zaRegQueryText(key, name, limit, text) != ZaRegText::Ok) return std::nullopt;
    return text;
}

std::optional<int> zaRegReadCounted(HKEY key, const char* name) {
    const auto text = zaRegReadText(key, name, kCountedTextLimit);
    if (!text) return std::nullopt;
    // atoi's value, without its undefined overflow
    return zafiles::readCInt(*text);
}

bool zaRegWriteFlag(HKEY key, const char* name, bool value) { return writeDword(key, name, value ? 1 : 0); }

bool zaRegWriteWhole(HKEY key, const char* name, int value) {
    return writeDword(key, name, static_cast<std::uint32_t>(value));
}

bool zaRegWriteReal(HKEY key, const char* name, double value) {
    return writeString(key, name, formatNumber("%.5f", value));
}

bool zaRegWriteText(HKEY key, const char* name, std::string_view text, std::size_t limit) {
    return writeString(key, name, text.substr(0, limit > 0 ? limit - 1 : 0));
}

bool zaRegWriteCounted(HKEY key, const char* name, int value) {
    return writeString(key, name, formatNumber("%d", value));
}
