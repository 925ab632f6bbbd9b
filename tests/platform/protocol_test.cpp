// Dialogs, message boxes and file dialogs driven by protocol lines.
#include "fake_console.h"
#include "sample_dialogs.h"

#include <platform/message_box.h>
#include <platform/services.h>
#include <platform/test_driver.h>
#include <zcad/console.h>
#include <zcad/host_test.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace zplat;

struct Protocol {
    explicit Protocol(std::vector<std::string> lines, bool person = false)
        : console(std::move(lines), person), driver(console), scoped(driver) {}
    FakeConsole console;
    ProtocolDriver driver;
    ScopedDialogDriver scoped;
};

TEST(ProtocolDialog, LinesTypeClickAndEndWithTheDefaultButton) {
    Protocol p({"precision=12", "text height=2.5", "Layer", "layer name= my layer ", "1150", ""});
    sample::LevelDlg dlg;
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_EQ(dlg.precision, 12);
    EXPECT_DOUBLE_EQ(dlg.height, 2.5);
    EXPECT_EQ(dlg.preference, 2);
    EXPECT_EQ(dlg.layer, " my layer");  // blanks after "=" are typed; those ending the line are not
    EXPECT_TRUE(dlg.saveDefaults);
    // The form names each control with its id, value and state.
    EXPECT_NE(p.console.out.find("== Z.AutoCAD: Point to Level =="), std::string::npos);
    EXPECT_NE(p.console.out.find("  Precision [1075]: \"3\"\n"), std::string::npos);
    EXPECT_NE(p.console.out.find("  Layer name [1149] (disabled): \"mk_lev\"\n"), std::string::npos);
    EXPECT_NE(p.console.out.find("  (*) Layer [1148]\n"), std::string::npos);
    EXPECT_NE(p.console.out.find("  <<OK>> [1]\n"), std::string::npos);
    EXPECT_NE(p.console.out.find("  Status: ready\n"), std::string::npos);
}

TEST(ProtocolDialog, FocusShowsTheStatusTextInTheReprintedForm) {
    Protocol p({"Precision", "*Cancel*"});
    sample::LevelDlg dlg;
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_NE(p.console.out.find("Status: Enter the number of decimal digits precision to use."),
              std::string::npos);
}

TEST(ProtocolDialog, DisabledAndUnknownControlsAreToldAndNothingChanges) {
    Protocol p({"layer name=x", "Frobnicate", "precision=", "*Cancel*"});
    sample::LevelDlg dlg;
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_NE(p.console.out.find("\"Layer name\" is disabled."), std::string::npos);
    EXPECT_NE(p.console.out.find("No control \"Frobnicate\" in this dialog."), std::string::npos);
    EXPECT_EQ(dlg.layer, "mk_lev");
    EXPECT_EQ(p.console.refusals, (std::vector<std::string>{"\"Layer name\" is disabled.", "No control \"Frobnicate\" in this dialog."}));
}

// An edit that refuses a key with the refusal sound refuses the line that
// typed it: what the line says is not what the dialog holds.
TEST(ProtocolDialog, KeysAnEditRefusesRefuseTheLine) {
    struct Digits : Edit {
        using Edit::Edit;
        void onChar(char key) override {
            if (key >= '0' && key <= '9') defaultChar(key);
            else PlaySoundA("Exclamation", nullptr, SND_ALIAS);
        }
    };
    struct Form : Dialog {
        Form() : Dialog("Value") {
            add<Digits>(1001, "Value");
            addButton(IDOK, "OK");
        }
    };
    const SoundSink previous = setSoundSink([](std::string_view) {});
    Protocol p({"Value=12", "Value=2x5", "*Cancel*"});
    Form form;
    form.doModal();
    setSoundSink(previous);
    EXPECT_EQ(p.console.refusals, (std::vector<std::string>{"\"Value\" refused keys of \"2x5\"; it holds \"25\"."}));
}

TEST(ProtocolDialog, AFieldThatChangesWhatWasTypedSaysWhatItTook) {
    // One character, each key taking the place of the last, as a run letter.
    struct OneChar : Edit {
        using Edit::Edit;
        void onChar(char key) override {
            if (key == kBackspace) {
                defaultChar(key);
                return;
            }
            replaceText(std::string(1, key));
        }
    };
    struct Form : Dialog {
        Form() : Dialog("Run") {
            add<OneChar>(1001, "Run");
            addButton(IDOK, "OK");
        }
    };
    Protocol p({"Run=abc", "Run=d", "*Cancel*"});
    Form form;
    form.doModal();
    EXPECT_NE(p.console.out.find("\"Run\" took \"abc\" as \"c\".\n"), std::string::npos) << p.console.out;
    EXPECT_EQ(p.console.out.find("took \"d\""), std::string::npos);
    EXPECT_TRUE(p.console.refusals.empty());
}

TEST(ProtocolDialog, EndOfInputCancelsEvenADialogThatRefusesCancel) {
    struct Stubborn : Dialog {
        Stubborn() : Dialog("Stubborn") {
            addCheckBox(10, "Option");  // something to choose: not acknowledged like a box
            addButton(IDOK, "OK");
        }
        void onCancel() override {}
    };
    Protocol p({});
    Stubborn dlg;
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
}

TEST(ProtocolDialog, LabelsMayHoldEqualsSigns) {
    struct Options : Dialog {
        Options() : Dialog("Z.AutoCAD to ZARVO String ") {
            addStatic(1, "Flatness =");
            addEdit(1100, "Flatness =");
            addCheckBox(1101, "Always use last  chars of layer =");
            addButton(IDOK, "&Yes");
        }
    };
    Protocol p({"always use last chars of layer =", "Flatness ==2.5", "yes"});
    Options dlg;
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_EQ(dlg.isChecked(1101), BST_CHECKED);
    EXPECT_EQ(dlg.itemText(1100), "2.5");
}

TEST(ProtocolDialog, NestedDialogReadsItsOwnLines) {
    Protocol p({"Options...", "precision=8", "", "ok"});
    sample::OuterDlg outer;
    EXPECT_EQ(outer.doModal(), IDOK);
    EXPECT_EQ(outer.innerResult, IDOK);
    EXPECT_EQ(outer.inner.precision, 8);
    // Back from the inner dialog, the outer form is shown again.
    const auto inner = p.console.out.find("== Z.AutoCAD: Point to Level ==");
    EXPECT_NE(p.console.out.find("== Outer ==", inner), std::string::npos);
}

TEST(ProtocolDialog, PagesListsAndTabsBySelection) {
    Protocol p({"General option", "Pages=Import", "Import option", "tabs=general", "General option", ""});
    sample::TabbedDlg dlg;
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_EQ(dlg.import.isChecked(2001), BST_CHECKED);
    EXPECT_EQ(dlg.general.isChecked(2001), BST_UNCHECKED);  // toggled twice
    EXPECT_NE(p.console.out.find("Pages [1005]: General {general.bmp} | >Import {import.bmp}<"),
              std::string::npos);
}

TEST(ProtocolDialog, SplashClosesAtOnceInAScript) {
    Protocol p({"left alone"});
    sample::SplashDlg splash(2000);
    EXPECT_EQ(splash.doModal(), IDOK);
    EXPECT_EQ(p.console.left(), 1u);
}

TEST(ProtocolDialog, OkOnlyDialogIsPrintedButNotAnsweredFromAScript) {
    Protocol p({"next line"});
    sample::NoticeDlg notice;
    EXPECT_EQ(notice.doModal(), IDOK);
    EXPECT_EQ(p.console.left(), 1u);
    EXPECT_NE(p.console.out.find("== Notice ==\n  Message [1001] (read-only): \"\"\n  <<OK>> [1]\n<OK>\n"),
              std::string::npos)
        << p.console.out;
}

TEST(ProtocolDialog, OkOnlyDialogWaitsForEnterAtATerminal) {
    Protocol p({"", "next line"}, true);
    sample::NoticeDlg notice;
    EXPECT_EQ(notice.doModal(), IDOK);
    EXPECT_EQ(p.console.left(), 1u);

    Protocol ended({}, true);
    EXPECT_EQ(notice.doModal(), IDCANCEL);
}

TEST(ProtocolBox, OkOnlyIsNotAnsweredFromAScript) {
    Protocol p({"next line"});
    EXPECT_EQ(MessageBoxA(nullptr, "Settings restored.", "Zarvo", MB_OK | MB_ICONWARNING), IDOK);
    EXPECT_EQ(p.console.left(), 1u);
    EXPECT_NE(p.console.out.find("*** Zarvo (warning) ***\nSettings restored.\n"), std::string::npos);
}

TEST(ProtocolBox, OkOnlyWaitsForEnterAtATerminal) {
    Protocol p({"", "next line"}, true);
    EXPECT_EQ(AfxMessageBox("Done."), IDOK);
    EXPECT_EQ(p.console.left(), 1u);
}

TEST(ProtocolBox, ChoicesByNameOrPrefixDefaultOnEmpty) {
    Protocol p({"y", "NO", "", "c", "maybe", "yes", "*Cancel*"});
    EXPECT_EQ(messageBox("Go on?", "Q", MB_YESNO), IDYES);
    EXPECT_EQ(messageBox("Go on?", "Q", MB_YESNO), IDNO);
    EXPECT_EQ(messageBox("Go on?", "Q", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(messageBox("Save?", "Q", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(messageBox("Go on?", "Q", MB_YESNO), IDYES);  // after one re-ask
    EXPECT_NE(p.console.out.find("Answer Yes/No.\n"), std::string::npos);
    EXPECT_EQ(messageBox("Go on?", "Q", MB_YESNO), IDNO);  // a cancel line on a box without Cancel
    EXPECT_EQ(messageBox("Go on?", "Q", MB_OKCANCEL), IDCANCEL);  // input has run out
}

class ProtocolFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("zplat-file-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        std::ofstream(dir_ / "abcdefgh.p11") << "x";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(ProtocolFile, EmptyTakesTheProposedNameInTheInitialFolder) {
    Protocol p({""});
    FileDialog fd(true, {}, (dir_ / "abcdefgh.p11").string(), OFN_FILEMUSTEXIST,
                  "Zarvo Plot Files (*.p?\?)|*.p?\?|All Files (*.*)|*.*||");
    fd.setTitle("Open ZARVO Plot File");
    ASSERT_EQ(fd.doModal(), IDOK);
    EXPECT_EQ(fd.pathName(), (dir_ / "abcdefgh.p11").string());
    EXPECT_EQ(fd.fileTitle(), "abcdefgh");
    EXPECT_EQ(fd.fileExt(), "p11");
    EXPECT_EQ(fd.folderPath(), dir_.string());
    EXPECT_NE(p.console.out.find("*** Open ZARVO Plot File ***\nFiles: Zarvo Plot Files (*.p?\?); All Files (*.*)\n"),
              std::string::npos);
}

TEST_F(ProtocolFile, EmptyWithoutAProposalCancels) {
    Protocol p({""});
    FileDialog fd(true);
    EXPECT_EQ(fd.doModal(), IDCANCEL);
}

TEST_F(ProtocolFile, MustExistAsksAgain) {
    Protocol p({"missing.p11", "abcdefgh.p11"});
    FileDialog fd(true, {}, {}, OFN_FILEMUSTEXIST);
    fd.setInitialDir(dir_.string() + "/");
    ASSERT_EQ(fd.doModal(), IDOK);
    EXPECT_EQ(fd.fileName(), "abcdefgh.p11");
    EXPECT_NE(p.console.out.find("missing.p11\nFile not found."), std::string::npos);
}

// A person is asked before a file is replaced; a script, which cannot know
// whether the question will come, replaces it.
TEST_F(ProtocolFile, OverwritePromptAndDefaultExtension) {
    Protocol p({"abcdefgh", "n", "abcdefgh", "y"}, true);
    FileDialog fd(false, "p11", {}, OFN_OVERWRITEPROMPT);
    fd.setInitialDir(dir_.string());
    ASSERT_EQ(fd.doModal(), IDOK);
    EXPECT_EQ(fd.fileName(), "abcdefgh.p11");
    EXPECT_EQ(p.console.left(), 0u);
    EXPECT_NE(p.console.out.find("abcdefgh.p11 already exists.\nDo you want to replace it?"), std::string::npos);

    Protocol script({"abcdefgh", "next line"});
    FileDialog again(false, "p11", {}, OFN_OVERWRITEPROMPT);
    again.setInitialDir(dir_.string());
    ASSERT_EQ(again.doModal(), IDOK);
    EXPECT_EQ(script.console.left(), 1u);
    EXPECT_NE(script.console.out.find("Do you want to replace it? <Yes>"), std::string::npos);
}

TEST_F(ProtocolFile, AFolderIsNeverTheFileASaveWrites) {
    std::filesystem::create_directory(dir_ / "folder01.p11");
    Protocol p({"folder01.p11", "", "newname1"}, true);
    FileDialog fd(false, "p11", {}, OFN_OVERWRITEPROMPT);
    fd.setInitialDir(dir_.string());
    ASSERT_EQ(fd.doModal(), IDOK);
    EXPECT_EQ(fd.fileName(), "newname1.p11");
    EXPECT_NE(p.console.out.find("folder01.p11\nThis is a folder, not a file."), std::string::npos);
    EXPECT_EQ(p.console.out.find("already exists"), std::string::npos);

    Protocol script({"folder01.p11"});
    FileDialog again(false, "p11", {}, OFN_OVERWRITEPROMPT);
    again.setInitialDir(dir_.string());
    EXPECT_EQ(again.doModal(), IDCANCEL);
}

TEST_F(ProtocolFile, CancelLineCancels) {
    Protocol p({"*Cancel*"});
    FileDialog fd(true, {}, "proposed.dat");
    EXPECT_EQ(fd.doModal(), IDCANCEL);
}

}  // namespace

namespace {

const zplat::Menu kMenu = {
    {"&Import", 0, {{"&Plot File (pfin)", 40011, {}}, {}, {"&Universal Reduced File input (urin)", 40014, {}}}},
    {"&Export", 0, {{"&Plot file output (pfout)", 40020, {}}}},
    {},
    {"&Configuration", 40045, {}},
};

TEST(ProtocolMenu, ItemsByTextMenuPathOrIdAndNothingWhenClosed) {
    Protocol p({"plot file (pfin)", "import/universal reduced file input (urin)", "40045", "bogus", "",
                "*Cancel*"});
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 40011);
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 40014);
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 40045);
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 0);  // after "bogus" is told off, an empty line
    EXPECT_NE(p.console.out.find("No menu item \"bogus\"."), std::string::npos);
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 0);
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 0);  // input has run out
    EXPECT_NE(p.console.out.find("  Import\n    Plot File (pfin) [40011]\n    ----\n"), std::string::npos);
}

TEST(TestDriverMenu, AnswersOutsideTheMenuAreNoChoice) {
    zplat::TestDriver driver;
    zplat::ScopedDialogDriver scoped(driver);
    driver.answerNextMenu(40020);
    driver.answerNextMenu(12345);
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 40020);
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 0);
    EXPECT_EQ(zplat::trackPopupMenu(kMenu), 0);
    EXPECT_EQ(driver.menus().size(), 3u);
}

}  // namespace

namespace {

// Every failure a user is shown counts against the script line that led to
// it: a box with the error icon, and a box that only tells of an error, as
// the module's advice box; a warning or a question does not.
TEST(FailuresShown, ErrorBoxesAndAdviceBoxesCountAgainstTheScript) {
    struct Advice : zplat::Dialog {
        Advice() : Dialog("Application information ... Error") {
            addEdit(1001, "Message").setReadOnly(true);
            addButton(zplat::IDOK, "OK");
        }
        bool onInitDialog() override {
            setItemText(1001, "Cannot open UR file");
            return true;
        }
    };
    zplat::TestDriver driver;
    zplat::ScopedDialogDriver scoped(driver);
    const zcad::OutputSink previous = zcad::setOutputSink([](std::string_view) {});
    zcad::test::resetHost();
    zcad::addInput(zcad::queueSource({"URIN"}));
    ASSERT_TRUE(zcad::readCommandLine());
    zplat::messageBox("Import as a 3D Polyline?", "zcad", MB_YESNO | MB_ICONQUESTION);
    zplat::messageBox("Check the file name", "zcad", MB_OK | MB_ICONWARNING);
    EXPECT_FALSE(zcad::firstScriptFailure());
    Advice advice;
    advice.doModal();
    ASSERT_TRUE(zcad::firstScriptFailure());
    EXPECT_EQ(zcad::firstScriptFailure()->what, "Cannot open UR file");
    zcad::test::resetHost();
    zcad::addInput(zcad::queueSource({"ZCONFIG"}));
    ASSERT_TRUE(zcad::readCommandLine());
    zplat::messageBox("Failed to retrieve the settings", "zcad", MB_OK | MB_ICONERROR);
    EXPECT_EQ(zcad::firstScriptFailure()->text, "ZCONFIG");
    zcad::test::resetHost();
    zcad::setOutputSink(previous);
}

}  // namespace
