// Writing the settings: every group with its encoding, limits, and path
// defaults without an installation.
#include "settings_fixture.h"

#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace {

class SettingsWrite : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        ASSERT_TRUE(zaCreateDefaultSettings(settings_));
        output_.clear();
        boxes();
    }
    ZaSettings settings_;
};

TEST_F(SettingsWrite, WriteAllStoresEveryValueAndReadsBackTheSame) {
    settings_.useTitleBlock = true;
    settings_.titleBlockPath = "C:\\blocks\\tb.dwg";
    settings_.textFont = "romans.shx";
    settings_.xyzValue = 12.5;
    settings_.coordinatePreference = 1;
    settings_.p2lXOffset = -1.5;
    settings_.p2lPreferences = 0x103;
    settings_.padStartLot = 42;
    settings_.mapPath = "";
    ASSERT_TRUE(zaWriteAllSettings(settings_));
    EXPECT_EQ(boxes(), Texts{});
    EXPECT_EQ(count(store(), "\r\n\""), 76);
    EXPECT_TRUE(storeHas("\"TBlock Use Title Block\"=dword:00000001"));
    EXPECT_TRUE(storeHas("\"TBlock Title Block Path\"=\"C:\\\\blocks\\\\tb.dwg\""));
    EXPECT_TRUE(storeHas("\"UROut Value\"=\"12.50000\""));
    EXPECT_TRUE(storeHas("\"P2L X Offset\"=\"-1.50000\""));
    EXPECT_TRUE(storeHas("\"P2L Preferences\"=dword:00000103"));
    EXPECT_TRUE(storeHas("\"CadPad start lot\"=\"42\""));
    EXPECT_TRUE(storeHas("\"Map File Path\"=\"\""));

    ZaSettings read;
    ASSERT_TRUE(zaReadAllSettings(read));
    EXPECT_EQ(output_, "");
    EXPECT_EQ(boxes(), Texts{});
    // Written, never read at load.
    EXPECT_FALSE(read.useTitleBlock);
    EXPECT_EQ(read.titleBlockPath, "");
    EXPECT_FALSE(read.polyline3D);
    read.useTitleBlock = settings_.useTitleBlock;
    read.titleBlockPath = settings_.titleBlockPath;
    read.polyline3D = settings_.polyline3D;
    EXPECT_EQ(read, settings_);
}

TEST_F(SettingsWrite, RealsAreFiveDecimalTextAndTextsKeepTheirLimit) {
    settings_.halStraightInterval = 25.123456;
    settings_.padOffset = 1e20;
    settings_.textFont = std::string(300, 'f');
    ASSERT_TRUE(zaWriteAllSettings(settings_));
    EXPECT_TRUE(storeHas("\"HAL Straight Interval\"=\"25.12346\""));
    EXPECT_TRUE(storeHas("\"CadPad offset\"=\"100000000000000000000.00000\""));
    // Cut to the buffer, so that what is written reads back.
    EXPECT_TRUE(storeHas("\"Text Font\"=\"" + std::string(255, 'f') + "\""));
    ZaSettings read;
    ASSERT_TRUE(zaReadAllSettings(read));
    EXPECT_EQ(boxes(), Texts{});
    EXPECT_EQ(read.textFont, std::string(255, 'f'));
}

TEST_F(SettingsWrite, PathDefaultsAreEmptyWithoutAnInstallation) {
    ::unsetenv("ZARV$PROG");
    ASSERT_TRUE(zaSetSettingsGroupDefaults(settings_, ZaSettingsGroup::MapFile));
    EXPECT_EQ(settings_.mapPath, "");
    EXPECT_TRUE(storeHas("\"Map File Path\"=\"\""));
    EXPECT_TRUE(storeHas("\"CTL File Path\"=\"" + install_ + "sample.ctl\""));
}

}  // namespace
