// The configuration file: what it writes, what it reads back, and what it
// refuses, so that a file from anywhere never puts a value a command cannot
// use into the settings.
#include "settings_fixture.h"

#include "files/byte_source.h"
#include "settings/config_file.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

#include <gmock/gmock.h>

#include <cmath>
#include <set>
#include <variant>

namespace {

using testing::HasSubstr;

class ConfigFile : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        ASSERT_TRUE(zaCreateDefaultSettings(defaults_));
        output_.clear();
    }
    // The record after reading the text into the defaults.
    ZaConfigRead read(const std::string& text, ZaSettings& settings) {
        settings = defaults_;
        text_ = text;
        return zaReadConfigFile(zafiles::memorySource(text_), settings);
    }
    std::string value(const ZaSettings& settings, const char* key) {
        return zaConfigValueText(settings, *zaFindSettingValue(key));
    }
    ZaSettings defaults_;
    std::string text_;
};

// Every field set away from its default, within what its setting accepts.
ZaSettings unusual() {
    ZaSettings s;
    int n = 0;
    for (const char* key : zaConfigFileKeys()) {
        const ZaSettingValue& v = *zaFindSettingValue(key);
        ++n;
        std::visit(
            [&](auto member) {
                auto& field = s.*member;
                using T = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<T, bool>) field = v.number == 0.0;
                // Numbers that "%d" and "%.5f" write exactly.
                const double low = std::isfinite(v.low) ? std::ceil(v.low) : 0.0;
                if constexpr (std::is_same_v<T, int>) field = static_cast<int>(std::min(v.high, low + 1 + n % 2));
                if constexpr (std::is_same_v<T, double>) field = std::min(v.high, low + n * 0.125);
                if constexpr (std::is_same_v<T, std::string>) field = std::string("value of ") + key + " =x";
            },
            v.field);
    }
    return s;
}

TEST_F(ConfigFile, TheKeysAreTheSettingsTableInTheirFileOrder) {
    const auto keys = zaConfigFileKeys();
    ASSERT_EQ(keys.size(), 76u);
    EXPECT_STREQ(keys.front(), "General Use Dialogs");
    EXPECT_STREQ(keys[27], "UROut Value");
    EXPECT_STREQ(keys.back(), "CadPad cadFileName");
    std::set<std::string> names;
    for (const char* key : keys) {
        EXPECT_NE(zaFindSettingValue(key), nullptr) << key;
        names.insert(key);
    }
    EXPECT_EQ(names.size(), 76u);
    std::size_t tableValues = 0;
    for (int g = 0; g <= static_cast<int>(ZaSettingsGroup::TitleBlock); ++g)
        tableValues += zaSettingsGroupTable(static_cast<ZaSettingsGroup>(g)).values.size();
    EXPECT_EQ(tableValues, 76u) << "a setting the file leaves out would be lost on the way";
}

TEST_F(ConfigFile, SavingThenLoadingGivesTheSameRecordForEveryKey) {
    const ZaSettings saved = unusual();
    const std::string path = dir_ + "/saved.dat";
    zaSaveConfiguration(saved, path);
    EXPECT_EQ(output_, "File has 78 lines output as '" + path + "' \n");

    const std::string text = readFile(path);
    EXPECT_THAT(text, testing::StartsWith("file=" + path + "\r\ndate="));
    EXPECT_THAT(text, testing::ContainsRegex("\r\ndate=[A-Z][a-z]{2} [A-Z][a-z]{2} [ 123][0-9] "
                                             "[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}\r\n\r\nGeneral Use Dialogs=false\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\nUROut Value=4.50000\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\nGeneral Save Option=1\r\n"));
    EXPECT_THAT(text, testing::EndsWith("\r\nCadPad cadFileName=value of CadPad cadFileName =x\r\n"));

    output_.clear();
    ZaSettings loaded = defaults_;
    zaLoadConfiguration(loaded, path);
    EXPECT_EQ(output_, "Config read 78 lines 78 good " + std::to_string(text.size() - 2 * 79) +
                           " size from file '" + path + "'\n");
    for (const char* key : zaConfigFileKeys()) EXPECT_EQ(value(loaded, key), value(saved, key)) << key;
    EXPECT_EQ(loaded, saved);
}

TEST_F(ConfigFile, KeysAreTrimmedValuesTakenAsTheyStandAndOtherCasesIgnored) {
    ZaSettings s;
    const ZaConfigRead r = read("  Text Font  =romans.shx\n"
                                "Maximum Size Defaults=\n"
                                "TEXT HEIGHT=9\r\n"
                                "Text obligning Angle\r\r\n"
                                "\n = no key\n"
                                "General Colour Layers=false\n",
                                s);
    EXPECT_EQ(s.textFont, "romans.shx");
    EXPECT_EQ(s.maximumSize, "");
    EXPECT_EQ(s.textHeight, defaults_.textHeight) << "keys are compared in their own letter case";
    EXPECT_EQ(s.textAngle, "") << "a line without '=' is a key with an empty value";
    EXPECT_FALSE(s.colourLayers);
    EXPECT_EQ(r.lines, 5);
    EXPECT_EQ(r.good, 5);
}

TEST_F(ConfigFile, TheTwoHeaderLinesAloneChangeNothing) {
    const std::string path = dir_ + "/header.dat";
    std::ofstream(path) << "file=C:\\old\\ZautilConfig.dat\r\ndate=Mon Aug  4 10:00:00 2014\r\n\r\n";
    ZaSettings s = defaults_;
    zaLoadConfiguration(s, path);
    EXPECT_EQ(output_, "Config read 2 lines 2 good 57 size from file '" + path + "'\n");
    EXPECT_EQ(s, defaults_);
}

TEST_F(ConfigFile, ValuesASettingCannotHoldAreRefusedAndTheSettingKept) {
    ZaSettings s;
    const ZaConfigRead r = read("UROut Value=0\n"
                                "UROut Value=40000\n"
                                "HAL Straight Interval=0.05\n"
                                "UROut Breakup=4\n"
                                "P2L Text Height=0.49\n"
                                "P2L Precision=-1\n"
                                "CTL File Preference=4\n"
                                "Map File Preference=4\n"
                                "HAL Curve Interval=1e999\n",
                                s);
    EXPECT_EQ(s.xyzValue, 40000.0);
    EXPECT_EQ(s.ctlPreference, 4);
    EXPECT_EQ(s.halStraightInterval, defaults_.halStraightInterval);
    EXPECT_EQ(s.xyzBreakup, defaults_.xyzBreakup);
    EXPECT_EQ(s.p2lTextHeight, defaults_.p2lTextHeight);
    EXPECT_EQ(s.p2lPrecision, defaults_.p2lPrecision);
    EXPECT_EQ(s.mapPreference, defaults_.mapPreference);
    EXPECT_EQ(s.halCurveInterval, defaults_.halCurveInterval) << "an infinite interval never reaches HALOUT";
    EXPECT_EQ(r.lines, 9);
    EXPECT_EQ(r.good, 2);
    ASSERT_EQ(r.refusals.size(), 7u);
    EXPECT_EQ(r.refusals[0].line, 1);
    EXPECT_EQ(r.refusals[0].key, "UROut Value");
    EXPECT_EQ(r.refusals[0].value, "0");

    const std::string path = dir_ + "/bad.dat";
    std::ofstream(path) << "General Use Dialogs=false\nUROut Value=0\n";
    zaLoadConfiguration(s, path);
    EXPECT_THAT(output_, HasSubstr("Line 2: \"UROut Value\" cannot be \"0\": the setting is unchanged\n"));
    EXPECT_THAT(output_, HasSubstr("Config read 2 lines 1 good"));
}

TEST_F(ConfigFile, ValuesThatAreNoBooleanOrNumberOrPastTheIntegersAreRefusedNotGuessed) {
    ZaSettings s = defaults_;
    s.useDialogs = true;
    const ZaConfigRead r = read("General Use Dialogs=banana\n"
                                "P2L Precision=99999999999999999999\n"
                                "P2L Precision=-99999999999999999999\n"
                                "P2L Precision=four\n"
                                "HAL Curve Interval=wide\n"
                                "General Colour Layers=\n"
                                "General Colour Layers=True\n",
                                s);
    EXPECT_TRUE(s.useDialogs);
    EXPECT_EQ(s.p2lPrecision, defaults_.p2lPrecision);
    EXPECT_EQ(s.halCurveInterval, defaults_.halCurveInterval);
    EXPECT_TRUE(s.colourLayers);
    EXPECT_EQ(r.good, 1);
    ASSERT_EQ(r.refusals.size(), 6u);
    EXPECT_EQ(r.refusals[0].key, "General Use Dialogs");
    EXPECT_EQ(r.refusals[0].value, "banana");
    EXPECT_EQ(r.refusals[1].value, "99999999999999999999");
}

TEST_F(ConfigFile, NamesAreHeldAsTheRegistryHoldsThem) {
    ZaSettings s;
    read("P2L Layer Name=\nCadPad cadFileName=\nCadPad layername=" + std::string(300, 'L') +
             "\nL2P Layer Name=" + std::string(200, 'P') + std::string("\nText Font=a\0b\n", 15),
         s);
    EXPECT_EQ(s.p2lLayerName, "mk_lev");
    EXPECT_EQ(s.padCadFileName, "cadastra.txt");
    EXPECT_EQ(s.padLayerName, defaults_.padLayerName) << "a line over 259 characters is not taken";
    EXPECT_EQ(s.l2pLayerName, std::string(127, 'P'));
    EXPECT_EQ(s.textFont, "a") << "a NUL ends a line's text";
}

TEST_F(ConfigFile, ALineOver259CharactersIsRefusedWholeNeverTakenInPieces) {
    ZaSettings s;
    // The tail of the long line would read as a key of its own.
    const std::string fits = "Text Font=" + std::string(249, 'f');
    const std::string longLine = "Text Height=" + std::string(247, '7') + "General Use Dialogs=false";
    const ZaConfigRead r = read(fits + "\n" + longLine + "\nUROut Value=9\n", s);
    EXPECT_EQ(s.textFont, std::string(249, 'f'));
    EXPECT_EQ(s.textHeight, defaults_.textHeight);
    EXPECT_TRUE(s.useDialogs);
    EXPECT_EQ(s.xyzValue, 9.0);
    EXPECT_EQ(r.lines, 3);
    EXPECT_EQ(r.good, 2);
    ASSERT_EQ(r.refusals.size(), 1u);
    EXPECT_EQ(r.refusals[0].line, 2);
    EXPECT_EQ(r.refusals[0].reason, ZaConfigRefusal::Reason::TooLong);
}

TEST_F(ConfigFile, AFileThatCannotBeOpenedCancelsAndChangesNothing) {
    ZaSettings s = defaults_;
    zaLoadConfiguration(s, dir_ + "/missing.dat");
    EXPECT_EQ(output_, "File '" + dir_ + "/missing.dat' is unavailable.   cancelling getconfig\n");
    EXPECT_EQ(s, defaults_);

    output_.clear();
    zaSaveConfiguration(s, dir_ + "/no/such/dir/c.dat");
    EXPECT_EQ(output_, "File '" + dir_ + "/no/such/dir/c.dat' is unavailable.\nCancelling saveconfig\n");
}

}  // namespace
