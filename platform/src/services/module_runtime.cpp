// The C runtime the module was written against. On its home platform the
// C library takes file names in the program's code page (Windows-1252
// here) and getenv gives text in it; here the file system names files in
// UTF-8. The module's calls of these C and C++ library functions are bound
// at its link to the ones below (ld --wrap, platform/CMakeLists.txt), which
// convert with the host's one helper and call the library.
#include <zcad/text_edges.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

#define ZPLAT_MODULE_CALL(name) __asm__(name) __attribute__((visibility("default")))

std::FILE* moduleFopen(const char* name, const char* mode) ZPLAT_MODULE_CALL("__wrap_fopen");
int moduleRemove(const char* name) ZPLAT_MODULE_CALL("__wrap_remove");
int moduleRename(const char* from, const char* to) ZPLAT_MODULE_CALL("__wrap_rename");
int moduleAccess(const char* name, int mode) ZPLAT_MODULE_CALL("__wrap_access");
char* moduleGetenv(const char* name) ZPLAT_MODULE_CALL("__wrap_getenv");
fs::file_status moduleStatus(const fs::path& path, std::error_code& error) noexcept
    ZPLAT_MODULE_CALL("__wrap__ZNSt10filesystem6statusERKNS_7__cxx114pathERSt10error_code");
bool moduleEquivalent(const fs::path& a, const fs::path& b, std::error_code& error) noexcept
    ZPLAT_MODULE_CALL("__wrap__ZNSt10filesystem10equivalentERKNS_7__cxx114pathES3_RSt10error_code");

namespace {

// A null name names no file, as an empty one does.
std::string named(const char* name) { return name ? zcad::fileSystemName(name) : std::string(); }

}  // namespace

std::FILE* moduleFopen(const char* name, const char* mode) { return std::fopen(named(name).c_str(), mode); }

int moduleRemove(const char* name) { return std::remove(named(name).c_str()); }

int moduleRename(const char* from, const char* to) { return std::rename(named(from).c_str(), named(to).c_str()); }

int moduleAccess(const char* name, int mode) { return ::access(named(name).c_str(), mode); }

// The text is kept for the life of the process, as the C library keeps
// its own: a caller may hold it while it reads the variable again.
char* moduleGetenv(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return nullptr;
    static std::mutex guard;
    static std::map<std::string, std::string> converted;
    const std::lock_guard lock(guard);
    std::string& kept = converted[name];
    if (std::string text = zcad::hostTextOfUtf8(value); text != kept) kept = std::move(text);
    return kept.data();
}

fs::file_status moduleStatus(const fs::path& path, std::error_code& error) noexcept {
    return fs::status(fs::path(zcad::fileSystemName(path.native())), error);
}

bool moduleEquivalent(const fs::path& a, const fs::path& b, std::error_code& error) noexcept {
    return fs::equivalent(fs::path(zcad::fileSystemName(a.native())), fs::path(zcad::fileSystemName(b.native())), error);
}
