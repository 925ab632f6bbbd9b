// Every drawing command of the module taken back with U: the drawing saves
// byte for byte as before, whether the command ran through, was broken off
// part way or met an entity the host refused.
#include <fstream>
#include <iterator>

#include "module_fixture.h"
#include "zcad/dxf.h"
#include "zcad/undo.h"

namespace {

const std::string kExamples = ZCAD_SOURCE_DIR "/examples/";

struct Case {
    const char* name;
    std::vector<std::string> lines;
};

class UndoModuleCommands : public ModuleLoad {
protected:
    void SetUp() override {
        ModuleLoad::SetUp();
        // The demo's settings, the ADAC file written in this test's folder.
        std::ifstream in(kExamples + "strings.reg", std::ios::binary);
        std::string settings{std::istreambuf_iterator<char>(in), {}};
        const std::string shipped = "examples/out/cadastra.txt";
        const std::size_t at = settings.find(shipped);
        ASSERT_NE(at, std::string::npos);
        settings.replace(at, shipped.size(), (dir_ / "cadastra.txt").string());
        std::ofstream(dir_ / "registry.reg", std::ios::binary) << settings;
        // A copy of the installation: moving to another job's queue records it there.
        fs::copy(ZCAD_SOURCE_DIR "/share/zarvo", dir_ / "zarvo", fs::copy_options::recursive);
        setenv("ZARV$PROG", (dir_ / "zarvo/").c_str(), 1);
        ASSERT_TRUE(load());
    }

    // The drawing as read back from our own output, so that it saves as it was read.
    void openOwnOutputOf(const std::vector<std::string>& lines) {
        zcad::test::runCommands(lines);
        reopen(zcad::writeDxfText(db(), nullptr));
    }
    void reopen(const std::string& text) {
        std::string error;
        std::unique_ptr<zcad::Database> read = zcad::readDxfText(text, error);
        ASSERT_TRUE(read) << error;
        read->markSaved();
        zcad::replaceCurrentDatabase(std::move(read));
    }
    void openExample(const std::string& name) {
        std::ifstream in(kExamples + name, std::ios::binary);
        reopen(std::string{std::istreambuf_iterator<char>(in), {}});
    }

    // Runs the command, checks it drew something, takes it back.
    void expectTakenBack(const Case& c) {
        SCOPED_TRACE(c.name);
        const std::string before = zcad::writeDxfText(db(), nullptr);
        const std::string ran = zcad::test::runCommands(c.lines);
        const bool changed = zcad::writeDxfText(db(), nullptr) != before;
        const std::string undone = zcad::test::runCommands({"U"});
        EXPECT_NE(undone.find(std::string("Undone: ") + c.name), std::string::npos) << ran << undone;
        EXPECT_EQ(zcad::writeDxfText(db(), nullptr), before) << ran;
        EXPECT_FALSE(db().hasUnsavedChanges());
        EXPECT_TRUE(changed) << ran;
    }

    static std::string urin() { return kExamples + "strings1.ur1"; }
};

const std::vector<std::string> kSurvey = {"URIN", kExamples + "strings1.ur1", "Yes", kExamples + "strings.map",
                                          "TRIN", kExamples + "strings1.tr1", "No",  kExamples + "strings.map"};

TEST_F(UndoModuleCommands, EachDrawingCommandRunAndUndoneSavesAsBefore) {
    openOwnOutputOf(kSurvey);
    const std::string ut = kExamples + "hillside.ut1";
    const Case cases[] = {
        {"URIN", {"URIN", urin(), "Yes", kExamples + "strings.map"}},
        {"TRIN", {"TRIN", kExamples + "strings1.tr1", "No", kExamples + "strings.map"}},
        {"UTIN", {"UTIN", "Breaklines", ut, "Faces"}},
        {"UTIN", {"UTIN", "All", ut, "Mesh"}},
        {"UTIN", {"UTIN", "None", ut, "Solids"}},
        {"UTIN", {"UTIN", "Ridges", ut, "Catch"}},
        {"PFIN", {"PFIN", kExamples + "plot2d.p01"}},
        {"PFIN", {"PFIN", kExamples + "plot3d.m01"}},
        {"PT2LEV", {"PT2LEV", "TYPE POINT", ""}},
        {"PELEV", {"PELEV", "TYPE POINT", "", "Add", "0.5"}},
        {"PELEV", {"PELEV", "ALL", "", "Set", "-4.75"}},
    };
    for (const Case& c : cases) expectTakenBack(c);
    // Texts of levels to turn back into points.
    zcad::test::runCommands({"PT2LEV", "TYPE POINT", ""});
    const std::string withTexts = zcad::writeDxfText(db(), nullptr);
    reopen(withTexts);
    expectTakenBack({"LEV2PT", {"LEV2PT", "LAYER mk_lev", "", "Layer to use=spot_levels", ""}});
}

TEST_F(UndoModuleCommands, PadsAndThePlotQueueUndoneSaveAsBefore) {
    openExample("subdivision.dxf");
    expectTakenBack({"PADLEV", {"PADLEV", "ALL", "", "", "Flat", "0.05"}});

    const fs::path jobs = dir_ / "jobs";
    fs::create_directories(jobs);
    fs::copy_file(kExamples + "plot2d.p01", jobs / "plan.p01");
    std::ofstream(jobs / "plot.que", std::ios::binary) << "plan.p01\r\n";
    expectTakenBack({"PQIN", {"PQIN", "...", (jobs / "plot.que").string(), "Plot files=plan.p01", "Load File"}});
}

TEST_F(UndoModuleCommands, ABrokenOffOrFailedCommandIsOneStepAndGoesWhole) {
    openOwnOutputOf({"TRIN", kExamples + "strings1.tr1", "No", kExamples + "strings.map"});
    const std::string before = zcad::writeDxfText(db(), nullptr);
    const std::vector<std::string> urinLines = {"URIN", urin(), "Yes", kExamples + "strings.map"};
    const std::vector<std::string> utinLines = {"UTIN", "All", kExamples + "hillside.ut1", "Mesh"};
    for (const auto* lines : {&urinLines, &utinLines}) {
        for (const int poll : {3, 40}) {
            SCOPED_TRACE((*lines)[0] + " broken off at poll " + std::to_string(poll));
            zcad::test::breakAfterPolls(poll);
            const std::string ran = zcad::test::runCommands(*lines);
            zcad::test::breakAfterPolls(0);
            EXPECT_EQ(db().journal().steps(), 1u) << ran;
            zcad::test::runCommands({"U"});
            EXPECT_EQ(zcad::writeDxfText(db(), nullptr), before) << ran;
        }
        for (const int make : {1, 7, 30}) {
            SCOPED_TRACE((*lines)[0] + " refused at make " + std::to_string(make));
            zcad::test::failEntityMakeAt(make);
            const std::string ran = zcad::test::runCommands(*lines);
            zcad::test::failEntityMakeAt(0);
            EXPECT_FALSE(zcad::test::sequenceOpen());
            zcad::test::runCommands({"U"});
            EXPECT_EQ(zcad::writeDxfText(db(), nullptr), before) << ran;
        }
    }
    // Input running out at the method's prompt cancels the command.
    zcad::test::runCommands({"UTIN", "All", kExamples + "hillside.ut1"});
    zcad::test::runCommands({"U"});
    EXPECT_EQ(zcad::writeDxfText(db(), nullptr), before);
}

TEST_F(UndoModuleCommands, SeveralImportsTakenBackAndRedoneInTurn) {
    const std::string empty = zcad::writeDxfText(db(), nullptr);
    zcad::test::runCommands(kSurvey);
    const std::string both = zcad::writeDxfText(db(), nullptr);
    zcad::test::runCommands({"PT2LEV", "TYPE POINT", ""});
    const std::string withLevels = zcad::writeDxfText(db(), nullptr);

    const std::string out = zcad::test::runCommands({"UNDO", "3"});
    EXPECT_NE(out.find("Undone: PT2LEV\nUndone: TRIN\nUndone: URIN\n"), std::string::npos) << out;
    EXPECT_EQ(zcad::writeDxfText(db(), nullptr), empty);
    EXPECT_FALSE(db().hasUnsavedChanges());
    zcad::test::runCommands({"REDO", "REDO"});
    EXPECT_EQ(zcad::writeDxfText(db(), nullptr), both);
    zcad::test::runCommands({"REDO"});
    EXPECT_EQ(zcad::writeDxfText(db(), nullptr), withLevels);
    EXPECT_TRUE(db().hasUnsavedChanges());
}

}  // namespace
