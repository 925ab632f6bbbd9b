// The Win32 answers callers depend on: missing keys and values, a value of
// another type, a buffer too small, access, handles.
#include "registry_fixture.h"

#include <cstring>

namespace {

class RegistryApi : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        writeFile(
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Zarvo Software\\AutoCAD Interface]\r\n"
            "\"General Use Dialogs\"=dword:00000001\r\n"
            "\"Text Font\"=\"txt.shx\"\r\n"
            "\"UROut Value\"=\"8.00000\"\r\n"
            "\"Flag As Text\"=\"1\"\r\n");
    }
};

TEST_F(RegistryApi, MissingKeyAndMissingValueAreFileNotFound) {
    HKEY k = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Nobody", 0, KEY_READ, &k),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(k, nullptr);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &k), ERROR_SUCCESS);
    DWORD v = 0, size = sizeof v, type = 0;
    EXPECT_EQ(RegQueryValueExA(k, "No Such Value", nullptr, &type, reinterpret_cast<LPBYTE>(&v),
                               &size),
              ERROR_FILE_NOT_FOUND);
    // Names are matched without regard to case, as on Windows.
    EXPECT_EQ(RegQueryValueExA(k, "general use DIALOGS", nullptr, &type,
                               reinterpret_cast<LPBYTE>(&v), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(v, 1u);
    EXPECT_EQ(RegCloseKey(k), ERROR_SUCCESS);
}

TEST_F(RegistryApi, ParentOfAStoredKeyExists) {
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Zarvo Software", 0, KEY_READ, &k),
              ERROR_SUCCESS);
    HKEY child = nullptr;
    EXPECT_EQ(RegOpenKeyExA(k, "AutoCAD Interface", 0, KEY_READ, &child), ERROR_SUCCESS);
    RegCloseKey(child);
    RegCloseKey(k);
    // A prefix that is not a whole key name is not a key.
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Zarvo Soft", 0, KEY_READ, &k),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryApi, ValueOfAnotherTypeReportsItsOwnType) {
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &k), ERROR_SUCCESS);
    DWORD v = 77, size = sizeof v, type = 0;
    // "1" with its zero is two bytes: it fits a DWORD buffer but is REG_SZ.
    ASSERT_EQ(RegQueryValueExA(k, "Flag As Text", nullptr, &type, reinterpret_cast<LPBYTE>(&v),
                               &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 2u);
    // "txt.shx" does not fit four bytes: more data, with the size it needs.
    size = sizeof v;
    EXPECT_EQ(RegQueryValueExA(k, "Text Font", nullptr, &type, reinterpret_cast<LPBYTE>(&v), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 8u);
    // A DWORD asked for as text still comes as REG_DWORD.
    char text[64];
    size = sizeof text;
    ASSERT_EQ(RegQueryValueExA(k, "General Use Dialogs", nullptr, &type,
                               reinterpret_cast<LPBYTE>(text), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);
    RegCloseKey(k);
}

TEST_F(RegistryApi, BufferSizesCountTheTerminatingZero) {
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &k), ERROR_SUCCESS);
    DWORD size = 0, type = 0;
    ASSERT_EQ(RegQueryValueExA(k, "Text Font", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 8u);
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    size = 7;  // room for the text but not its zero
    EXPECT_EQ(RegQueryValueExA(k, "Text Font", nullptr, &type, reinterpret_cast<LPBYTE>(buf), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(buf[0], 'x');  // nothing half-copied
    size = 8;
    ASSERT_EQ(RegQueryValueExA(k, "Text Font", nullptr, &type, reinterpret_cast<LPBYTE>(buf), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(buf, "txt.shx");
    EXPECT_EQ(RegQueryValueExA(k, "Text Font", nullptr, &type, reinterpret_cast<LPBYTE>(buf), nullptr),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(k);
}

TEST_F(RegistryApi, AccessFollowsTheRightsAsked) {
    HKEY reader = nullptr, writer = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &reader), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_WRITE, &writer), ERROR_SUCCESS);
    const DWORD one = 1;
    EXPECT_EQ(RegSetValueExA(reader, "X", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4),
              ERROR_ACCESS_DENIED);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(writer, "Text Font", nullptr, nullptr, nullptr, &size),
              ERROR_ACCESS_DENIED);
    HKEY sub = nullptr;
    EXPECT_EQ(RegCreateKeyExA(reader, "Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
              ERROR_ACCESS_DENIED);
    RegCloseKey(reader);
    RegCloseKey(writer);
}

TEST_F(RegistryApi, ClosedOrForgedHandlesAreRefused) {
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &k), ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(k), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(k), ERROR_INVALID_HANDLE);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(k, "Text Font", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryApi, CreateReportsNewOrExistingAndMakesParents) {
    HKEY k = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Zarvo Software", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &k, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    RegCloseKey(k);
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Zarvo Software\\Install", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &k, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    const char home[] = "/opt/zarvo/";
    ASSERT_EQ(RegSetValueExA(k, "Home", 0, REG_SZ, reinterpret_cast<const BYTE*>(home), sizeof home),
              ERROR_SUCCESS);
    RegCloseKey(k);
    HKEY parent = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Zarvo Software", 0, KEY_READ, &parent),
              ERROR_SUCCESS);
    RegCloseKey(parent);
    // Both hives live in the one file, each under its own root.
    const std::string text = readFile();
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Zarvo Software\\Install]\r\n"
                        "\"Home\"=\"/opt/zarvo/\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Zarvo Software\\AutoCAD Interface]"),
              std::string::npos);
}

TEST_F(RegistryApi, BadNamesAreRefusedBeforeTheyReachTheFile) {
    HKEY k = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\A]\r\n[B", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &k, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\\\A", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &k, nullptr),
              ERROR_BAD_PATHNAME);
    // A ']' is an ordinary character of a key name.
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\[odd] name]", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(k);
    EXPECT_NE(readFile().find("[HKEY_CURRENT_USER\\Software\\[odd] name]]\r\n"), std::string::npos);
    ::setenv("ZARVO_REGISTRY", (path_ + ".copy").c_str(), 1);
    writeFile(readFile(), path_ + ".copy");
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\[odd] name]", 0, KEY_READ, &k), ERROR_SUCCESS);
    RegCloseKey(k);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_WRITE, &k), ERROR_SUCCESS);
    const DWORD one = 1;
    EXPECT_EQ(RegSetValueExA(k, "two\nlines", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(k, "short", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 2),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(k);
}

}  // namespace
