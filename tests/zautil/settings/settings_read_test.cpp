// Loading the settings: a store that is empty, complete, damaged or out of
// range, and how each is healed.
#include "settings_fixture.h"

#include "settings/settings_store.h"

namespace {

class SettingsRead : public SettingsTest {
protected:
    // A complete store of defaults.
    void SetUp() override {
        SettingsTest::SetUp();
        ZaSettings complete;
        ASSERT_TRUE(zaReadAllSettings(complete));
        output_.clear();
        boxes();
    }
    ZaSettings reload() {
        output_.clear();
        ZaSettings settings;
        EXPECT_TRUE(zaReadAllSettings(settings));
        return settings;
    }
};

TEST_F(SettingsTest, EmptyStoreCreatesEveryDefaultValueOnce) {
    ZaSettings settings;
    ASSERT_TRUE(zaReadAllSettings(settings));
    EXPECT_EQ(boxes(), Texts{"Could not open the Zarvo AutoCAD Interface Registry keys.Creating Defaults"});
    EXPECT_EQ(output_, "Create defaults \n");

    const std::string d0 = "=dword:00000000", d1 = "=dword:00000001";
    // clang-format off
    const Texts expected = {
        "\"General Use Dialogs\"" + d1, "\"General Colour Layers\"" + d1, "\"General Save Option\"" + d0,
        "\"THtW Height to Width Ratio\"=\"0.70\"", "\"Save Current Job - PFIN\"" + d0,
        "\"Save Current Job - URIN\"" + d0, "\"Save Current Job - TRIN\"" + d0, "\"Save Current Job - UTIN\"" + d0,
        "\"Save Current Job - PFOUT\"" + d0, "\"Save Current Job - UROUT\"" + d1,
        "\"Save Current Job - TROUT\"" + d0, "\"Save Current Job - HALOUT\"" + d1,
        "\"Restrict File Name Length\"" + d1, "\"Text Height\"=\"1\"", "\"Text obligning Angle\"=\"0\"",
        "\"Text Font\"=\"txt.shx\"", "\"Adding Layer Defaults\"" + d1, "\"Text Font Preference\"" + d0,
        "\"3D Polyline Defaults\"" + d1, "\"End Name At Space Defaults\"" + d0,
        "\"Include Numerics Defaults\"" + d1, "\"Maximum Size Defaults\"=\"14\"",
        "\"Coordinate System Defaults\"" + d0, "\"Coordinate System Preference\"" + d0,
        "\"UROut Use Defaults\"" + d0, "\"UROut Breakup\"" + d1, "\"UROut Last number Text\"=dword:00000008",
        "\"UROut Rounding\"" + d1, "\"UROut Create Note\"" + d1, "\"UROut Last8Layer\"" + d1,
        "\"UROut Use Text\"" + d1, "\"UROut Create Point\"" + d1, "\"UROut Value\"=\"8.00000\"",
        "\"UROut Face Mode\"" + d1, "\"UROut Face Close Triangles\"" + d1, "\"UTIn Use Defaults\"" + d0,
        "\"UTIn Method\"" + d0, "\"UTIn Edges\"" + d0, "\"CTL File Preference\"" + d0,
        "\"CTL File Path\"=\"" + install_ + "sample.ctl\"", "\"Map File Preference\"" + d0,
        "\"Map File Path\"=\"" + install_ + "sample.map\"", "\"Lay File Preference\"" + d0,
        "\"Lay File Path\"=\"" + install_ + "plot.lay\"", "\"Import Pen File Preference\"" + d0,
        "\"Import Pen File Path\"=\"" + install_ + "plot.pen\"", "\"Export Plot File Use Defaults\"" + d0,
        "\"Export Pen File Preference\"" + d0, "\"Export Pen File Path\"=\"" + install_ + "plot.pen\"",
        "\"HAL Use Defaults\"" + d0, "\"HAL Get Shift Line\"" + d1, "\"HAL Straight Interval\"=\"20.00000\"",
        "\"HAL Curve Interval\"=\"10.00000\"", "\"P2L Precision\"=dword:00000003", "\"P2L X Offset\"=\"0.00000\"",
        "\"P2L Y Offset\"=\"0.00000\"", "\"P2L Text Height\"=\"3.00000\"", "\"P2L Text Angle\"=\"0.00000\"",
        "\"P2L Layer Name\"=\"mk_lev\"", "\"P2L Preferences\"" + d0, "\"L2P Layer Name\"=\"mk_pt\"",
        "\"L2P Preferences\"" + d0, "\"CadPad use dialog\"" + d1, "\"CadPad Cad or level\"" + d1,
        "\"CadPad use text\"" + d1, "\"CadPad newlayer\"" + d1, "\"CadPad show lot number\"" + d1,
        "\"CadPad unique lot\"" + d1, "\"CadPad transfer\"" + d1, "\"CadPad start lot\"=\"1\"",
        "\"CadPad offset\"=\"1.00000\"", "\"CadPad bnd level\"=\"1.00000\"", "\"CadPad layername\"=\"mklev\"",
        "\"CadPad cadFileName\"=\"cadastra.txt\"",
    };
    // clang-format on
    for (const std::string& line : expected) EXPECT_TRUE(storeHas(line)) << line;
    // Nothing else: the title block has no defaults.
    EXPECT_EQ(count(store(), "\r\n\""), static_cast<int>(expected.size()));
    EXPECT_EQ(settings.mapPath, install_ + "sample.map");
    EXPECT_EQ(settings.xyzValue, 8.0);
}

TEST_F(SettingsRead, ValuesAtAndBeyondTheirLimits) {
    struct Case {
        const char* name;
        std::string text;  // empty: the dword
        std::uint32_t dword;
        const char* rejection;  // nullptr: accepted
        std::string restored;   // the value's line after a rejection
    };
    const std::vector<Case> cases = {
        {"UROut Value", "0", 0,
         "An invalid value was found for Zarvo XYZ files,\nArcs & Circles default value",
         "\"UROut Value\"=\"8.00000\""},
        {"UROut Value", "40000.5", 0, "An invalid value was found for Zarvo XYZ files,",
         "\"UROut Value\"=\"8.00000\""},
        {"UROut Value", "0.00001", 0, nullptr, ""},
        {"UROut Value", "40000", 0, nullptr, ""},
        {"UROut Breakup", "", 4, "Arcs & Circles Breakup Option", "\"UROut Breakup\"=dword:00000001"},
        {"HAL Straight Interval", "0.05", 0, "Interval on Straight value",
         "\"HAL Straight Interval\"=\"20.00000\""},
        {"HAL Straight Interval", "0.1", 0, nullptr, ""},
        {"HAL Straight Interval", "1000", 0, nullptr, ""},
        {"HAL Curve Interval", "1000.01", 0, "Interval on Curve value",
         "\"HAL Curve Interval\"=\"10.00000\""},
        {"P2L Text Height", "0.49", 0, "Read invalid Pt2Lev Text Height information.",
         "\"P2L Text Height\"=\"3.00000\""},
        {"P2L Text Height", "0.5", 0, nullptr, ""},
        {"P2L Precision", "", 0xFFFFFFFFu, "Read invalid Pt2Lev Precision information.",
         "\"P2L Precision\"=dword:00000003"},
        {"P2L X Offset", "nan", 0, "Could not read Pt2Lev X Offset information.",
         "\"P2L X Offset\"=\"0.00000\""},
        {"CTL File Preference", "", 4, nullptr, ""},
        {"Map File Preference", "", 4, "An invalid value was found for Zarvo MAP File - Usage Preference",
         "\"Map File Preference\"=dword:00000000"},
        {"General Save Option", "", 3, "An invalid value was found for Zarvo default save options",
         "\"General Save Option\"=dword:00000000"},
        {"Coordinate System Preference", "", 2, "coordinate system preference",
         "\"Coordinate System Preference\"=dword:00000000"},
    };
    putText("Text Font", "romans.shx");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + (c.text.empty() ? std::to_string(c.dword) : c.text));
        if (c.text.empty()) {
            putDword(c.name, c.dword);
        } else {
            putText(c.name, c.text);
        }
        const ZaSettings settings = reload();
        const Texts shown = boxes();
        if (!c.rejection) {
            EXPECT_EQ(shown, Texts{});
            continue;
        }
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_NE(shown[0].find(c.rejection), std::string::npos) << shown[0];
        EXPECT_TRUE(storeHas(c.restored));
        // Only the value's own group is restored.
        EXPECT_EQ(settings.textFont, "romans.shx");
        EXPECT_EQ(output_, "");
    }
}

TEST_F(SettingsRead, FlagStoredAsTextRestoresItsGroup) {
    putDword("General Use Dialogs", 0);
    putText("General Colour Layers", "1");
    putText("Text Font", "romans.shx");
    const ZaSettings settings = reload();
    EXPECT_EQ(boxes(),
              Texts{"Could not retrieve colour layers information from registry,\nRestoring Defaults."});
    EXPECT_TRUE(settings.useDialogs);
    EXPECT_TRUE(storeHas("\"General Use Dialogs\"=dword:00000001"));
    EXPECT_TRUE(storeHas("\"General Colour Layers\"=dword:00000001"));
    EXPECT_EQ(settings.textFont, "romans.shx");
}

TEST_F(SettingsRead, SixXyzValuesRebuildEveryGroup) {
    for (const char* name : {"UROut Rounding", "UROut Last number Text", "UROut Create Note",
                             "UROut Last8Layer", "UROut Use Text", "UROut Create Point"}) {
        SCOPED_TRACE(name);
        putText("Text Font", "romans.shx");
        putDword("UTIn Method", 2);
        remove(name);
        const ZaSettings settings = reload();
        EXPECT_EQ(output_, "Create defaults \n");
        EXPECT_EQ(boxes().size(), 1u);
        EXPECT_EQ(settings.textFont, "txt.shx");
        EXPECT_EQ(settings.utMethod, 0);
        EXPECT_TRUE(storeHas("\"Text Font\"=\"txt.shx\""));
        EXPECT_NE(store().find(std::string("\"") + name + "\"="), std::string::npos);
    }
    // The other XYZ values restore their own group only.
    putText("Text Font", "romans.shx");
    remove("UROut Face Close Triangles");
    const ZaSettings settings = reload();
    EXPECT_EQ(output_, "");
    EXPECT_EQ(boxes(), Texts{"Could not retrieve Zarvo XYZ files information from registry,"
                             "3D Face close triangle - UR/TR Export Settings,\nRestoring Defaults"});
    EXPECT_EQ(settings.textFont, "romans.shx");
    EXPECT_TRUE(storeHas("\"UROut Face Close Triangles\"=dword:00000001"));
}

TEST_F(SettingsRead, EmptyLayerNamesReadAsDefaultsAndPadHasOneMessage) {
    for (const char* name : {"P2L Layer Name", "L2P Layer Name", "CadPad layername", "CadPad cadFileName"})
        putText(name, "");
    putText("CadPad start lot", "12");
    ZaSettings settings = reload();
    EXPECT_EQ(boxes(), Texts{});
    EXPECT_EQ(settings.p2lLayerName, "mk_lev");
    EXPECT_EQ(settings.l2pLayerName, "mk_pt");
    EXPECT_EQ(settings.padLayerName, "mklev");
    EXPECT_EQ(settings.padCadFileName, "cadastra.txt");
    EXPECT_EQ(settings.padStartLot, 12);

    putDword("CadPad use text", 0);
    putDword("CadPad start lot", 12);  // counted text: a number of another type is missing
    settings = reload();
    EXPECT_EQ(boxes(),
              Texts{"Could not retrieve Zarvo \"Padlev registry values PADLEV\" setting from registry,\n"
                    "Restoring Defaults for PADLEV."});
    EXPECT_TRUE(storeHas("\"CadPad use text\"=dword:00000001"));
    EXPECT_TRUE(storeHas("\"CadPad start lot\"=\"1\""));
}

TEST_F(SettingsRead, TextsKeepTheirBufferLimits) {
    // 255 for the font is the write test's.
    putText("P2L Layer Name", std::string(127, 'p'));
    ZaSettings settings = reload();
    EXPECT_EQ(boxes(), Texts{});
    EXPECT_EQ(settings.p2lLayerName.size(), 127u);

    putText("Text Font", std::string(256, 'f'));
    putText("P2L Layer Name", std::string(128, 'p'));
    settings = reload();
    EXPECT_EQ(boxes(),
              (Texts{"Could not retrieve Text Font - Default Font from registry,\nRestoring Defaults.",
                     "Could not read Pt2Lev Layer information\nRestoring Pt2Lev Defaults."}));
    EXPECT_EQ(settings.textFont, "txt.shx");
    EXPECT_EQ(settings.p2lLayerName, "mk_lev");
}

TEST_F(SettingsTest, MissingOrUnwritableKey) {
    ZaSettings settings;
    ASSERT_TRUE(zaReadSettingsGroup(settings, ZaSettingsGroup::AddingLayers));
    EXPECT_EQ(boxes(), Texts{"Could not open the Zarvo AutoCAD Interface Registry keys.\nCreating Defaults"});

    std::ofstream(dir_ + "/file") << "not a directory";
    ::setenv("ZARVO_REGISTRY", (dir_ + "/file/registry.reg").c_str(), 1);
    EXPECT_FALSE(zaReadAllSettings(settings));
    EXPECT_EQ(boxes(), (Texts{"Could not open the Zarvo AutoCAD Interface Registry keys.Creating Defaults",
                              "Could not open OR create the Zarvo AutoCAD Interface Registry keys."}));
    EXPECT_FALSE(zaWriteSettingsGroup(settings, ZaSettingsGroup::General));
    EXPECT_EQ(boxes(), Texts{"Could not open the Zarvo AutoCAD Interface Registry keys."});
}

}  // namespace
