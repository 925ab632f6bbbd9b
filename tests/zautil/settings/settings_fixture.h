// A host with captured output, a test dialog driver, a private registry
// store and a private installation directory (ZARV$PROG) for each test.
#pragma once

#include "host_fixture.h"

#include <platform/registry.h>
#include <platform/test_driver.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

inline constexpr const char* kInterfaceKey = "Software\\Zarvo Software\\AutoCAD Interface";

class SettingsTest : public HostTest {
protected:
    using Texts = std::vector<std::string>;

    void SetUp() override {
        HostTest::SetUp();
        // Every registry write is synced: memory-backed storage keeps tests quick.
        std::string templ =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm/zaset-XXXXXX" : "/tmp/zaset-XXXXXX";
        dir_ = ::mkdtemp(templ.data());
        ::setenv("ZARVO_REGISTRY", (dir_ + "/registry.reg").c_str(), 1);
        install_ = dir_ + "/zarvo/";
        std::filesystem::create_directories(install_);
        ::setenv("ZARV$PROG", install_.c_str(), 1);
        scopedDriver_.emplace(driver_);
    }
    void TearDown() override {
        scopedDriver_.reset();
        ::unsetenv("ZARVO_REGISTRY");
        ::unsetenv("ZARV$PROG");
        std::filesystem::remove_all(dir_);
        HostTest::TearDown();
    }

    static std::string readFile(const std::string& path) {
        std::stringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }
    std::string store() const { return readFile(dir_ + "/registry.reg"); }
    bool storeHas(const std::string& line) const { return store().find(line + "\r\n") != std::string::npos; }

    // Values put straight into the store, as another program would.
    static void put(const char* name, DWORD type, const std::string& bytes, HKEY hive = HKEY_CURRENT_USER,
                    const char* key = kInterfaceKey) {
        HKEY k = nullptr;
        ASSERT_EQ(RegCreateKeyExA(hive, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(k, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(k);
    }
    static void putText(const char* name, const std::string& text, HKEY hive = HKEY_CURRENT_USER,
                        const char* key = kInterfaceKey) {
        put(name, REG_SZ, text + '\0', hive, key);
    }
    static void putDword(const char* name, std::uint32_t v, HKEY hive = HKEY_CURRENT_USER,
                         const char* key = kInterfaceKey) {
        put(name, REG_DWORD,
            {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
             static_cast<char>(v >> 24)},
            hive, key);
    }
    static void remove(const char* name) {
        HKEY k = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kInterfaceKey, 0, KEY_ALL_ACCESS, &k), ERROR_SUCCESS);
        ASSERT_EQ(RegDeleteValueA(k, name), ERROR_SUCCESS);
        RegCloseKey(k);
    }

    static int count(const std::string& text, const std::string& what) {
        int n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }

    // The texts of the message boxes shown since the last call.
    Texts boxes() {
        Texts texts;
        for (; seen_ < driver_.boxes().size(); ++seen_) texts.push_back(driver_.boxes()[seen_].box.text);
        return texts;
    }

    zplat::TestDriver& driver() { return driver_; }

    std::string dir_;
    std::string install_;

private:
    zplat::TestDriver driver_;
    std::optional<zplat::ScopedDialogDriver> scopedDriver_;
    std::size_t seen_ = 0;
};
