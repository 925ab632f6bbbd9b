// The configuration dialog's buttons, pages and browse buttons, and the
// ZCONFIG loop that opens it again after a restore, reload or loaded file.
#include "config_fixture.h"

#include "arx/dbtables.h"
#include "config/config_browse.h"
#include "settings/current_job.h"

#include <gmock/gmock.h>

#include <filesystem>

namespace {

using testing::HasSubstr;
using D = ZConfigMasterDlg;

constexpr int kExport = 2, kStringsExport = 1, kValue = 1705;

TEST_F(ConfigTest, OpensOnTheGeneralPageWithItsStatusAndButtonHints) {
    onNextDialog([&](D& d) {
        EXPECT_EQ(d.title(), "Zarvo configurations while using AutoCAD");
        EXPECT_TRUE(d.page(0).windowShown());
        EXPECT_FALSE(d.page(1).windowShown());
        EXPECT_EQ(d.statusText(), "Configure Zarvo AutoCAD Interface global default settings.");
        zplat::user::focus(*d.item(D::kRestore));
        EXPECT_EQ(d.statusText(), "Restore the defaults to Zarvo Install defaults.");
        zplat::user::focus(*d.itemAs<zplat::ListView>(D::kPages));
        EXPECT_EQ(d.statusText(), "Configure Zarvo AutoCAD Interface global default settings.");

        zplat::user::clickItem(*d.itemAs<zplat::ListView>(D::kPages), 2);
        EXPECT_TRUE(d.page(2).windowShown());
        zplat::user::clickItem(*d.itemAs<zplat::ListView>(D::kPages), -1);
        EXPECT_TRUE(d.page(2).windowShown()) << "a click beside every item keeps the page";
        EXPECT_FALSE(d.page(0).windowShown());
        // The tab controls' hints reach the master's status line.
        ZaSettingsTab& tab = show(d, kExport, 3);
        zplat::user::focus(*tab.item(1904));
        EXPECT_EQ(d.statusText(), "Restrict the exported file name length to be 8 characters.");
    });
    zaZConfig();
    EXPECT_EQ(output_, "\nZARVO Software Dialogs, Version V3.0.0  (Aug  2014)\n");
}

TEST_F(ConfigTest, CancelLeavesTheRegistryAndTheRecordAlone) {
    const std::string stored = store();
    for (const int cancelBy : {D::kCancel, zplat::IDCANCEL}) {
        onNextDialog([&](D& d) {
            type(show(d, kExport, kStringsExport), kValue, "3");
            click(show(d, 0, 0), 1100);
            if (cancelBy == D::kCancel) click(d, D::kCancel);
            else zplat::user::cancel(d);
        });
        zaZConfig();
    }
    EXPECT_EQ(store(), stored);
    EXPECT_EQ(zaSettings(), defaults_);
    EXPECT_EQ(driver().dialogsOpened().size(), 2u);
}

TEST_F(ConfigTest, ApplyWritesAndARefusedValueKeepsTheDialogOpenOnItsTab) {
    onNextDialog([&](D& d) {
        type(show(d, kExport, kStringsExport), kValue, "0");
        type(show(d, 0, 2), 1125, "4");
        click(d, D::kApply);
        EXPECT_EQ(boxes(), Texts{"Please enter a number between 0.00001 and 40000."});
        EXPECT_TRUE(d.page(kExport).windowShown()) << "the refused value is shown to the user";
        EXPECT_EQ(d.focused(), d.page(kExport).tabs()[kStringsExport]->item(kValue));
        EXPECT_EQ(zaSettings(), defaults_) << "nothing is applied while a value is refused";

        type(show(d, kExport, kStringsExport), kValue, "0.00001");
        click(d, D::kApply);
        EXPECT_TRUE(d.running());
        EXPECT_EQ(zaSettings().p2lTextHeight, 4.0);
        EXPECT_TRUE(storeHas("\"UROut Value\"=\"0.00001\""));
        click(d, D::kCancel);
    });
    zaZConfig();
    EXPECT_EQ(zaSettings().xyzValue, 0.00001) << "Cancel after Apply keeps what was applied";
}

TEST_F(ConfigTest, RestoreAnsweredNoChangesNothingAndYesWritesTheDefaultsCancelKeeps) {
    set(zaSettings(), "UROut Value=99\nText Font=romans");
    ASSERT_TRUE(zaWriteAllSettings(zaSettings()));
    driver().answerNextBox(zplat::IDNO);
    driver().answerNextBox(zplat::IDYES);
    onNextDialog([&](D& d) {
        click(d, D::kRestore);
        EXPECT_TRUE(d.running()) << "answered no";
        type(show(d, 0, 2), 1125, "7");
        click(d, D::kRestore);
    });
    std::string reopenedValue;
    onNextDialog([&](D& d) {
        reopenedValue = shown(show(d, kExport, kStringsExport), kValue);
        click(d, D::kCancel);
    });
    zaZConfig();
    EXPECT_EQ(driver().boxes().at(0).box.text,
              "This will restore the original Zarvo default settings, and will\noverwrite any changes you have "
              "made.\nDo you want to procede with the restore?");
    EXPECT_EQ(reopenedValue, "8");
    EXPECT_EQ(zaSettings(), defaults_);
    EXPECT_TRUE(storeHas("\"UROut Value\"=\"8.00000\""));
    EXPECT_TRUE(storeHas("\"Text Font\"=\"txt.shx\""));
}

TEST_F(ConfigTest, ReloadDiscardsTheEditsAndReopensOnTheRecord) {
    driver().answerNextBox(zplat::IDYES);
    onNextDialog([&](D& d) {
        type(show(d, kExport, 0), 1601, "25");
        click(d, D::kReload);
    });
    std::string reopened;
    onNextDialog([&](D& d) {
        reopened = shown(show(d, kExport, 0), 1601);
        click(d, D::kOk);
    });
    zaZConfig();
    EXPECT_THAT(driver().boxes().at(0).box.text, testing::StartsWith("This will restore the saved settings"));
    EXPECT_EQ(reopened, "20");
    EXPECT_EQ(zaSettings().halStraightInterval, 20.0);
}

TEST_F(ConfigTest, SaveConfigWritesThePagesAndGetConfigReopensOnTheFile) {
    onNextDialog([&](D& d) {
        type(show(d, 1, 2), 1401, "2.5");
        driver().answerNextFile(dir_ + "/mine");
        click(d, D::kSaveConfig);
        click(d, D::kCancel);
    });
    zaZConfig();
    const std::string path = dir_ + "/mine.dat";
    EXPECT_EQ(driver().fileRequests().at(0).title, "Open ZautilConfig File");
    EXPECT_EQ(driver().fileRequests().at(0).fileName, "ZautilConfig.dat");
    EXPECT_EQ(driver().fileRequests().at(0).initialDir, install_.substr(0, install_.size() - 1));
    EXPECT_THAT(readFile(path), HasSubstr("\r\nText Height=2.5\r\n"));
    EXPECT_THAT(output_, HasSubstr("\nThe selected ZautilConfig file '" + path + "' \nFile has 78 lines output as '" +
                                   path + "' \n"));
    EXPECT_EQ(zaSettings().textHeight, "2.5") << "saving takes the pages into the record";
    EXPECT_FALSE(storeHas("\"Text Height\"=\"2.5\"")) << "but not into the registry";

    // What the file's lines do to the record is the file reader's test.
    std::ofstream(dir_ + "/other.dat") << "UROut Value=12\n";
    output_.clear();
    onNextDialog([&](D& d) {
        driver().answerNextFile(dir_ + "/other.dat");
        click(d, D::kGetConfig);
    });
    std::string reopened;
    onNextDialog([&](D& d) {
        reopened = shown(show(d, kExport, kStringsExport), kValue);
        click(d, D::kCancel);
    });
    zaZConfig();
    EXPECT_EQ(reopened, "12");
    EXPECT_THAT(output_, HasSubstr("\nThe selected ZautilConfig file is '" + dir_ + "/other.dat'.\n"));

    output_.clear();
    onNextDialog([&](D& d) {
        driver().answerNextFile(std::nullopt);
        click(d, D::kGetConfig);
        driver().answerNextFile(std::nullopt);
        click(d, D::kSaveConfig);
        click(d, D::kCancel);
    });
    zaZConfig();
    EXPECT_THAT(output_, HasSubstr("\n*Cancelled or ZautilConfig does not exist*\n"));
    EXPECT_THAT(output_, HasSubstr("\n*Cancelled and 'ZautilConfig.dat' failed to save\n"));
}

TEST_F(ConfigTest, TheEnablingFollowsTheChoices) {
    onNextDialog([&](D& d) {
        ZaSettingsTab& triangles = show(d, 1, 0);
        EXPECT_TRUE(triangles.itemEnabled(1220));
        click(triangles, 1211);  // 2D Solids show no edges
        EXPECT_FALSE(triangles.itemEnabled(1220));
        EXPECT_FALSE(triangles.itemEnabled(1234)) << "the control file path needs its choice";
        click(triangles, 1231);
        EXPECT_TRUE(triangles.itemEnabled(1234));
        EXPECT_FALSE(triangles.itemEnabled(1236)) << "no setting keeps the triangle layer file choice";

        ZaSettingsTab& strings = show(d, kExport, kStringsExport);
        EXPECT_FALSE(strings.itemEnabled(1706)) << "only the chord rule rounds";
        click(strings, 1701);
        EXPECT_FALSE(strings.itemEnabled(kValue));
        click(strings, 1703);
        EXPECT_TRUE(strings.itemEnabled(kValue));
        EXPECT_TRUE(strings.itemEnabled(1706));

        ZaSettingsTab& p2l = show(d, 0, 2);
        EXPECT_FALSE(p2l.itemEnabled(1136));
        click(p2l, 1133);
        EXPECT_TRUE(p2l.itemEnabled(1136));
        for (const int id : {1121, 1124, 1126}) click(p2l, id);
        EXPECT_EQ(p2l.isChecked(1129), zplat::BST_UNCHECKED);
        click(p2l, 1128);
        EXPECT_EQ(p2l.isChecked(1129), zplat::BST_CHECKED) << "the four ticked are all of them";
        click(d, D::kCancel);
    });
    zaZConfig();
}

TEST_F(ConfigTest, ANullRecordIsReportedAndCancels) {
    ZConfigMasterDlg dialog(nullptr, nullptr);
    EXPECT_EQ(dialog.doModal(), zplat::IDCANCEL);
    EXPECT_EQ(boxes(), Texts{"A NULL pointer has been found in ZConfigMasterDlg()\nContact Zarvo Software"});
}

TEST_F(ConfigTest, AJobBrowsedOrTypedBecomesTheCurrentJob) {
    const std::string jobs = dir_ + "/jobs/";
    std::filesystem::create_directories(jobs);
    std::ofstream(jobs + "abcdefgh.urA") << "";
    onNextDialog([&](D& d) {
        ZaSettingsTab& job = show(d, 0, 0);
        driver().answerNextFile(jobs + "abcdefgh.urA");
        click(job, 1106);
        EXPECT_EQ(shown(job, 1103), jobs);
        EXPECT_EQ(shown(job, 1104), "abcdefgh");
        EXPECT_EQ(shown(job, 1105), "A");
        driver().answerNextFile(std::nullopt);
        click(job, 1106);
        click(d, D::kCancel);
    });
    zaZConfig();
    std::string current;
    zaGetCurrentJob(current);
    EXPECT_EQ(current, jobs + "abcdefgh.xxA") << "browsing sets the job at once, whatever follows";
    EXPECT_EQ(driver().fileRequests().at(0).title, "Open Zarvo Job Files");
    EXPECT_THAT(output_, HasSubstr("\n*Browse For Job - Cancelled*\n"));

    onNextDialog([&](D& d) {
        ZaSettingsTab& job = show(d, 0, 0);
        type(job, 1104, "road two");
        type(job, 1105, "7");
        click(d, D::kOk);
    });
    zaZConfig();
    zaGetCurrentJob(current);
    EXPECT_EQ(current, jobs + "road_two.xx7");
}

class FontBrowse : public ConfigTest {
protected:
    void SetUp() override {
        ConfigTest::SetUp();
        fonts_ = dir_ + "/host/Fonts/";
        std::filesystem::create_directories(fonts_);
        std::ofstream(fonts_ + "romans.shx") << "";
        std::ofstream(dir_ + "/elsewhere.shx") << "";
    }
    // The text font as the Text tab's browse button leaves it.
    std::string browse(std::optional<std::string> answer) {
        std::string font;
        onNextDialog([&](D& d) {
            ZaSettingsTab& text = show(d, 1, 2);
            click(text, 1404);
            driver().answerNextFile(answer);
            click(text, 1406);
            font = shown(text, 1405);
            click(d, D::kCancel);
        });
        zaZConfig();
        return font;
    }
    static const char* hostKey() { return acdbHostApplicationServices()->getMachineRegistryProductRootKey(); }
    std::string fonts_;
};

TEST_F(FontBrowse, TheFontMustLieInTheHostsFontsFolder) {
    putText("AcadLocation", dir_ + "/host", HKEY_LOCAL_MACHINE, hostKey());
    EXPECT_EQ(browse(fonts_ + "romans.shx"), "romans");
    EXPECT_EQ(driver().fileRequests().back().initialDir, dir_ + "/host/Fonts");
    EXPECT_EQ(driver().fileRequests().back().title, "Open Text Font Files");
    EXPECT_EQ(browse(dir_ + "/elsewhere.shx"), "txt.shx");
    EXPECT_EQ(boxes(), Texts{"The file selected has to be in the host's Fonts folder."});
    EXPECT_EQ(browse(std::nullopt), "txt.shx");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(FontBrowse, AHostThatDoesNotSayWhereItLivesIsTold) {
    EXPECT_EQ(browse(fonts_ + "romans.shx"), "txt.shx");
    EXPECT_EQ(boxes(), (Texts{"Could not open the AutoCAD Directory Registry keys.\n",
                              "The file selected has to be in the host's Fonts folder."}));
    putDword("AcadLocation", 1, HKEY_LOCAL_MACHINE, hostKey());
    EXPECT_EQ(zaHostFontFolder(), std::nullopt);
    EXPECT_EQ(boxes(), Texts{"Could not read ACAD directory information\n"});
}

}  // namespace
