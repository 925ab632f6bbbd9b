// The store file: the .reg text round trip, what we do not use kept as it
// was, and a damaged store.
#include "registry_fixture.h"

#include "registry/reg_text.h"

#include <cstring>

namespace {

using zplat::reg::parseRegText;
using zplat::reg::writeRegText;

std::string queryText(HKEY k, const char* name, DWORD* type = nullptr) {
    DWORD size = 0, t = 0;
    if (RegQueryValueExA(k, name, nullptr, &t, nullptr, &size) != ERROR_SUCCESS) return "<missing>";
    std::string buf(size, '\0');
    if (RegQueryValueExA(k, name, nullptr, &t, reinterpret_cast<LPBYTE>(buf.data()), &size) !=
        ERROR_SUCCESS)
        return "<failed>";
    if (type) *type = t;
    return buf;
}

const std::string kForeign =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; kept by hand\r\n"
    "\r\n"
    "[HKEY_CLASSES_ROOT\\.ur1]\r\n"
    "@=\"Zarvo.UR\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Zarvo Software\\AutoCAD Interface]\r\n"
    "\"Text Font\"=\"txt.shx\"\r\n"
    "; a note among the values\r\n"
    "\"Blob\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\r\n"
    "  17,18\r\n"
    "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n"
    "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
    "\"Quad\"=hex(b):01,00,00,00,00,00,00,00\r\n"
    "\"Gone\"=-\r\n"
    "\r\n"
    "[-HKEY_CURRENT_USER\\Software\\Old Stuff]\r\n"
    "\r\n";

TEST_F(RegistryTest, ForeignKeysTypesAndCommentsSurviveAWrite) {
    writeFile(kForeign);
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_ALL_ACCESS, &k), ERROR_SUCCESS);
    const DWORD seven = 7;
    ASSERT_EQ(RegSetValueExA(k, "New", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&seven), 4),
              ERROR_SUCCESS);
    RegCloseKey(k);
    const std::string after = readFile();
    // Every line we did not touch is still there, in its place.
    std::string expected = kForeign;
    expected.insert(expected.find("\"Gone\"=-\r\n") + 10, "\"New\"=dword:00000007\r\n");
    EXPECT_EQ(after, expected);
}

TEST_F(RegistryTest, HexValuesReadWithTheirTypes) {
    writeFile(kForeign);
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &k), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(queryText(k, "Blob", &type).size(), 24u);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(queryText(k, "Expand", &type), std::string("%A%\0", 4));
    EXPECT_EQ(type, REG_EXPAND_SZ);
    EXPECT_EQ(queryText(k, "Multi", &type), std::string("a\0b\0\0", 5));
    EXPECT_EQ(type, REG_MULTI_SZ);
    EXPECT_EQ(queryText(k, "Quad", &type), std::string("\1\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(type, REG_QWORD);
    EXPECT_EQ(queryText(k, "Gone"), "<missing>");
    RegCloseKey(k);
    HKEY cls = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".ur1", 0, KEY_READ, &cls), ERROR_SUCCESS);
    EXPECT_EQ(queryText(cls, nullptr), std::string("Zarvo.UR\0", 9));
    RegCloseKey(cls);
}

TEST_F(RegistryTest, EveryKindWeWriteReadsBackFromTheFile) {
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &k, nullptr),
              ERROR_SUCCESS);
    const char path[] = "C:\\jobs\\\"quoted\" \\\\server\\";
    const char lines[] = "first\r\nsecond";
    const char latin[] = "Caf\xe9 \x80";  // Windows-1252 e-acute and euro
    const DWORD big = 0xDEADBEEF;
    const BYTE blob[] = {0, 1, 2, 255};
    const char multi[] = "a\0bc\0";
    auto set = [&](const char* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS)
            << name;
    };
    set("Path", REG_SZ, path, sizeof path);
    set("Lines", REG_SZ, lines, sizeof lines);
    set("Latin", REG_SZ, latin, sizeof latin);
    set("Empty", REG_SZ, "", 1);
    set("Big", REG_DWORD, &big, 4);
    set("Blob", REG_BINARY, blob, sizeof blob);
    set("Multi", REG_MULTI_SZ, multi, sizeof multi);
    set(nullptr, REG_SZ, "default", 8);
    RegCloseKey(k);

    const std::string text = readFile();
    EXPECT_NE(text.find("\"Path\"=\"C:\\\\jobs\\\\\\\"quoted\\\" \\\\\\\\server\\\\\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\"Big\"=dword:deadbeef\r\n"), std::string::npos);
    EXPECT_NE(text.find("@=\"default\"\r\n"), std::string::npos);
    EXPECT_EQ(text.find("first\r\nsecond"), std::string::npos);  // no raw line break inside a value

    // A second store file with the same text is read from disk, not from memory.
    const std::string copy = dir_ + "/copy.reg";
    writeFile(text, copy);
    ::setenv("ZARVO_REGISTRY", copy.c_str(), 1);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &k), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(queryText(k, "Path", &type), std::string(path, sizeof path));
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(queryText(k, "Lines", &type), std::string(lines, sizeof lines));
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(queryText(k, "Latin"), std::string(latin, sizeof latin));
    EXPECT_EQ(queryText(k, "Empty"), std::string(1, '\0'));
    EXPECT_EQ(queryText(k, "Big"), std::string("\xef\xbe\xad\xde", 4));
    EXPECT_EQ(queryText(k, "Blob", &type), std::string("\0\1\2\xff", 4));
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(queryText(k, "Multi", &type), std::string(multi, sizeof multi));
    EXPECT_EQ(type, REG_MULTI_SZ);
    EXPECT_EQ(queryText(k, ""), std::string("default\0", 8));
    RegCloseKey(k);
}

TEST_F(RegistryTest, FilesSavedByRegeditAreRead) {
    // regedit saves UTF-16LE with a byte-order mark.
    const std::string text =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Z]\r\n"
        "\"Name\"=\"Caf\xe9\"\r\n";
    std::string utf16 = "\xff\xfe";
    for (const char c : text) {
        utf16.push_back(c);
        utf16.push_back('\0');
    }
    writeFile(utf16);
    HKEY k = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Z", 0, KEY_READ, &k), ERROR_SUCCESS);
    EXPECT_EQ(queryText(k, "Name"), std::string("Caf\xe9\0", 5));
    RegCloseKey(k);
    EXPECT_TRUE(reports_.empty());
}

TEST(RegistryText, RefusesWhatIsNotARegFileWithTheLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"just some text\n", "line 1: the file does not begin with"},
        {"Windows Registry Editor Version 5.00\n\"a\"=\"b\"\n", "line 2: a value before any [key]"},
        {"Windows Registry Editor Version 5.00\n[K]\n\"a\"=\"b\n", "line 3: a text value without"},
        {"Windows Registry Editor Version 5.00\n[K]\n\"a\"=dword:123456789\n", "line 3: dword:"},
        {"Windows Registry Editor Version 5.00\n[K]\n\"a\"=dword:xyz\n", "line 3: dword:"},
        {"Windows Registry Editor Version 5.00\n[K]\n\"a\"=hex:01,\\", "line 3: hex data continues"},
        {"Windows Registry Editor Version 5.00\n[K]\n\"a\"=hex:01,\\\n", "line 4: hex data that"},
        {"Windows Registry Editor Version 5.00\n[K]\n\"a\"=hex:1g\n", "line 3: hex data"},
        {"Windows Registry Editor Version 5.00\n[K\n", "line 2: a [key] line"},
        {"Windows Registry Editor Version 5.00\n[]\n", "line 2: a [key] without a name"},
        {"Windows Registry Editor Version 5.00\n[K]\nbare words\n", "line 3: not a [key]"},
        {"\xef\xbb\xbfWindows Registry Editor Version 5.00\n[K]\n\"\xc3\"=\"\"\n", "not valid UTF-8"},
        {"\xff\xfeW", "odd number of bytes"},
    };
    for (const auto& c : cases) {
        const auto r = parseRegText(c.text);
        EXPECT_FALSE(r.document) << c.text;
        EXPECT_NE(r.error.find(c.error), std::string::npos) << c.text << " -> " << r.error;
    }
    EXPECT_TRUE(parseRegText("").document);
    EXPECT_TRUE(parseRegText("\n\r\n  \n").document);
}

TEST(RegistryText, AcceptsLfLinesAndWritesCrlf) {
    const auto r = parseRegText("REGEDIT4\n\n[HKEY_CURRENT_USER\\X]\n\"A\"=\"1\"\n\"a\"=\"2\"\n");
    ASSERT_TRUE(r.document);
    // The second spelling of the same name replaces the first in place.
    EXPECT_EQ(writeRegText(*r.document),
              "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n\"A\"=\"2\"\r\n\r\n");
}

TEST_F(RegistryTest, DamagedStoreIsReportedOnceKeptAsideAndReplacedOnlyWhenWritten) {
    const std::string garbage = "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\X\r\n";
    writeFile(garbage);
    HKEY k = nullptr;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "X", 0, KEY_READ, &k), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find(path_), std::string::npos);
    EXPECT_NE(reports_[0].find("line 2"), std::string::npos);
    EXPECT_EQ(readFile(path_ + ".damaged"), garbage);
    EXPECT_EQ(readFile(), garbage);  // reading never replaces it

    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "X", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k,
                              nullptr),
              ERROR_SUCCESS);
    const DWORD one = 1;
    ASSERT_EQ(RegSetValueExA(k, "V", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4),
              ERROR_SUCCESS);
    RegCloseKey(k);
    EXPECT_EQ(readFile(),
              "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n"
              "\"V\"=dword:00000001\r\n\r\n");
    EXPECT_EQ(readFile(path_ + ".damaged"), garbage);
    EXPECT_EQ(reports_.size(), 1u);

    // Damaged again, differently: a second copy beside the first.
    writeFile("nonsense");
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "X", 0, KEY_READ, &k), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(reports_.size(), 2u);
    EXPECT_EQ(readFile(path_ + ".damaged.2"), "nonsense");
}

TEST_F(RegistryTest, StoreFileFollowsTheEnvironment) {
    EXPECT_EQ(zplat::registryPath(), path_);
    ::unsetenv("ZARVO_REGISTRY");
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string keep = oldXdg ? oldXdg : "";
    ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    EXPECT_EQ(zplat::registryPath(), dir_ + "/zarvo/registry.reg");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(zplat::registryPath(), std::string(std::getenv("HOME")) + "/.config/zarvo/registry.reg");
    if (oldXdg) ::setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
}

TEST_F(RegistryTest, MissingDirectoryIsMadeOnFirstWrite) {
    const std::string nested = dir_ + "/a/b/registry.reg";
    ::setenv("ZARVO_REGISTRY", nested.c_str(), 1);
    HKEY k = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, KEY_READ, &k), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kZarvoKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &k, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(k);
    EXPECT_NE(readFile(nested).find("[HKEY_CURRENT_USER\\Software\\Zarvo Software\\AutoCAD Interface]"),
              std::string::npos);
}

}  // namespace
