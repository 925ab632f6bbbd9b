// Finding the suite's installation directory: the keys in their order, the
// old key, ZARV$PROG, and the separator at the end.
#include "settings_fixture.h"

#include "settings/install_dir.h"

namespace {

constexpr const char* kWow32 = "Software\\Wow6432Node\\Zarvo Software\\Install";
constexpr const char* kNew = "Software\\Zarvo Software\\Install";
constexpr const char* kOld = "Software\\Zarvo\\Install";

class InstallDir : public SettingsTest {
protected:
    static void putHome(const char* key, const std::string& dir) {
        putText("Home", dir, HKEY_LOCAL_MACHINE, key);
    }
    int lookup(std::size_t size = kZaPathSize) { return zaGetZarvoInstallDir(dir_found_, size); }
    std::string dir_found_;
};

TEST_F(InstallDir, HomeGetsOneSeparatorWhenItLacksOne) {
    for (const char* home : {"/opt/zarvo", "/opt/zarvo/", "C:\\zarvo\\"}) {
        putHome(kNew, home);
        EXPECT_EQ(lookup(), 0);
        EXPECT_EQ(dir_found_, home[1] == ':' ? std::string(home) : "/opt/zarvo/");
    }
    // The first new key that opens wins.
    putHome(kWow32, "/wow");
    EXPECT_EQ(lookup(), 0);
    EXPECT_EQ(dir_found_, "/wow/");
}

TEST_F(InstallDir, OldKeyServesWhenNoNewKeyGivesHome) {
    putText("Other", "x", HKEY_LOCAL_MACHINE, kNew);
    putHome(kOld, "/old");
    EXPECT_EQ(lookup(), 1);
    EXPECT_EQ(dir_found_, "/old/");
    std::string value;
    EXPECT_EQ(GetZInstVar(HKEY_LOCAL_MACHINE, "Home", value, kZaPathSize), 1);
    EXPECT_EQ(value, "/old");
}

TEST_F(InstallDir, ResultCodesOfTheKeyLookup) {
    std::string value;
    EXPECT_EQ(GetZInstVar(HKEY_LOCAL_MACHINE, "Home", value, kZaPathSize), -2);
    putDword("Home", 7, HKEY_LOCAL_MACHINE, kOld);
    EXPECT_EQ(GetZInstVar(HKEY_LOCAL_MACHINE, "Home", value, kZaPathSize), -4);
    putHome(kOld, "/old/zarvo");
    EXPECT_EQ(GetZInstVar(HKEY_LOCAL_MACHINE, "Home", value, 8), -1);
    putHome(kNew, "/new/zarvo");
    EXPECT_EQ(GetZInstVar(HKEY_LOCAL_MACHINE, "Home", value, 8), -3);
    // "/new/zarvo" and its zero fill 11 bytes exactly.
    EXPECT_EQ(GetZInstVar(HKEY_LOCAL_MACHINE, "Home", value, 11), 0);
    EXPECT_EQ(value, "/new/zarvo");
}

TEST_F(InstallDir, EnvironmentVariableWhenNoKeyGivesIt) {
    EXPECT_EQ(lookup(), 2);
    EXPECT_EQ(dir_found_, install_);
    ::setenv("ZARV$PROG", "/srv/zarvo", 1);
    EXPECT_EQ(lookup(), 2);
    EXPECT_EQ(dir_found_, "/srv/zarvo/");
    ::unsetenv("ZARV$PROG");
    EXPECT_EQ(lookup(), -8);
    EXPECT_EQ(dir_found_, "");
}

TEST_F(InstallDir, NoRoomForTheSeparator) {
    putHome(kNew, "/opt/zarvo");
    // The directory fits 11 bytes, its separator does not.
    EXPECT_EQ(lookup(11), -3);
    EXPECT_EQ(lookup(12), 0);
    EXPECT_EQ(dir_found_, "/opt/zarvo/");
}

}  // namespace
