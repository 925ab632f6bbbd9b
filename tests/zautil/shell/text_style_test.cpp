#include <cstdlib>
#include <string>

#include "arx/dbtables.h"
#include "host_fixture.h"
#include "shell/text_style.h"

namespace {

class TextStyles : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        for (const char* name : {"ROMANS.shx", "Simplex"}) {
            zcad::TableRecord record;
            record.groups = {zcad::OwnedGroup::string(2, name), zcad::OwnedGroup::real(40, 0.0)};
            db().styles().add(std::move(record));
        }
    }
    static std::string current() {
        resbuf value{};
        if (acedGetVar("TEXTSTYLE", &value) != RTNORM) return "<unset>";
        std::string name = value.resval.rstring;
        std::free(value.resval.rstring);
        return name;
    }
    // "typeface size xscale oblique" of a style.
    static std::string style(const char* name) {
        AcDbTextStyleTable* table = nullptr;
        acdbHostApplicationServices()->workingDatabase()->getTextStyleTable(table, AcDb::kForRead);
        AcDbTextStyleTableRecord* record = nullptr;
        table->getAt(name, record, AcDb::kForRead);
        table->close();
        const ACHAR* typeface = nullptr;
        record->font(typeface);
        const std::string shown = std::string(typeface) + " " + std::to_string(record->textSize()) + " " +
                                  std::to_string(record->xScale()) + " " + std::to_string(record->obliquingAngle());
        record->close();
        return shown;
    }
    static ZaTextStyleSettings settings(const char* font) { return {font, 2.5, 0.8, 0.25, 10.0}; }
};

TEST_F(TextStyles, MatchTakesTheSettingsAndBecomesCurrent) {
    zaSetTextStyle(settings("simplex"));
    EXPECT_EQ(style("Simplex"), "simplex 2.500000 0.800000 0.250000");
    EXPECT_EQ(style("ROMANS.shx"), " 0.000000 1.000000 0.000000");
    EXPECT_EQ(current(), "Simplex");
    EXPECT_EQ(output_, "Font <simplex> height 2.50 ratio 0.80 oblique 2.50 \n");
}

TEST_F(TextStyles, NameIsCutAtTheDotAndMatchedAsAPattern) {
    zaSetTextStyle(settings("rom*"));
    EXPECT_EQ(style("ROMANS.shx"), "rom* 2.500000 0.800000 0.250000");
    EXPECT_EQ(output_, "Font <romans> height 2.50 ratio 0.80 oblique 2.50 \n");
}

TEST_F(TextStyles, NoMatchOrHostRefusalLeavesTheCurrentStyle) {
    zaSetTextStyle(settings("gothic*"));
    EXPECT_EQ(output_, "Font \"gothic*\" not found in currently loaded text fonts\n");
    EXPECT_EQ(style("Simplex"), " 0.000000 1.000000 0.000000");

    ZaTextStyleSettings bad = settings("simplex");
    bad.widthRatio = 0;
    zaSetTextStyle(bad);
    EXPECT_NE(output_.find("Text error eInvalidInput \n"), std::string::npos) << output_;
    EXPECT_EQ(current(), "STANDARD");
}

}  // namespace
