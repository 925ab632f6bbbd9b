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

TEST_F(ConfigFile, EverySettingHasItsOwnKey) {
    std::set<std::string> names;
    for (const char* key : zaConfigFileKeys()) {
        EXPECT_NE(zaFindSettingValue(key), nullptr) << key;
        names.insert(key);
    }
    std::size_t tableValues = 0;
    for (int g = 0; g <= static_cast<int>(ZaSettingsGroup::TitleBlock); ++g)
        tableValues += zaSettingsGroupTable(static_cast<ZaSettingsGroup>(g)).values.size();
    EXPECT_EQ(names.size(), tableValues) << "a setting the file leaves out would be lost on the way";
    EXPECT_EQ(zaConfigFileKeys().size(), tableValues);
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

// Values at their limits are taken; past them, or no boolean or number, or
// past the integers, are refused and never guessed at.
TEST_F(ConfigFile, ValuesASettingCannotHoldAreRefusedAndTheRecordKept) {
    struct Taken {
        const char* key;
        const char* value;
        const char* held;
    };
    ZaSettings s;
    for (const Taken& t : {Taken{"UROut Value", "40000", "40000.00000"}, Taken{"CTL File Preference", "4", "4"},
                           Taken{"General Colour Layers", "True", "true"}}) {
        EXPECT_EQ(read(std::string(t.key) + "=" + t.value, s).good, 1) << t.key;
        EXPECT_EQ(value(s, t.key), t.held);
    }
    for (const char* line :
         {"UROut Value=0", "UROut Breakup=4", "HAL Straight Interval=0.05", "P2L Text Height=0.49", "P2L Precision=-1",
          "Map File Preference=4", "HAL Curve Interval=1e999", "General Use Dialogs=banana",
          "P2L Precision=99999999999999999999", "P2L Precision=-99999999999999999999", "P2L Precision=four",
          "HAL Curve Interval=wide", "General Colour Layers="}) {
        SCOPED_TRACE(line);
        const ZaConfigRead r = read(line, s);
        EXPECT_EQ(s, defaults_);
        EXPECT_EQ(r.lines, 1);
        EXPECT_EQ(r.good, 0);
        ASSERT_EQ(r.refusals.size(), 1u);
        EXPECT_EQ(r.refusals[0].reason, ZaConfigRefusal::Reason::OutOfRange);
        EXPECT_EQ(r.refusals[0].key + "=" + r.refusals[0].value, line);
    }

    const std::string path = dir_ + "/bad.dat";
    std::ofstream(path) << "General Use Dialogs=false\nUROut Value=0\n";
    zaLoadConfiguration(s, path);
    EXPECT_THAT(output_, HasSubstr("Line 2: \"UROut Value\" cannot be \"0\": the setting is unchanged\n"));
    EXPECT_THAT(output_, HasSubstr("Config read 2 lines 1 good"));
}

TEST_F(ConfigFile, NamesAreHeldAsTheRegistryHoldsThem) {
    ZaSettings s;
    read("P2L Layer Name=\nCadPad cadFileName=\nL2P Layer Name=" + std::string(200, 'P') +
             std::string("\nText Font=a\0b\n", 15),
         s);
    EXPECT_EQ(s.p2lLayerName, "mk_lev");
    EXPECT_EQ(s.padCadFileName, "cadastra.txt");
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
