// zcad in a batch: the exit status says how the run went, a script stops at
// the first line that goes wrong and names it, and the --save target is
// written only when the run went as written.
#include <csignal>

#include "string_file_generator.h"
#include "zcad_fixture.h"

namespace {

using Batch = ZcadRun;

constexpr const char* kOld = "the drawing of yesterday";

struct Case {
    const char* what;
    std::string script;
    std::vector<std::string> args;
    int status;
    std::string told;  // on standard error
};

TEST_F(Batch, ExitStatusNamesWhatWentWrongAndTheSaveTargetIsUntouched) {
    const std::string map = source("examples/strings.map");
    write(path("binfile1.tr1"), std::string("\x01\x02\x00\xff\xfe binary\n", 14));
    const std::string ut = read(source("examples/hillside.ut1"));
    write(path("cutmodel.ut1"), ut.substr(0, ut.size() / 2));
    std::filesystem::copy_file(source("examples/hillside.up1"), path("cutmodel.up1"));
    const std::string scr = path("run.scr");
    const std::vector<Case> cases = {
        {"a line that is no command", "ZOOM\ne\nFROB\nSAVEAS after.dxf\n", {}, 1, scr + ":3: \"FROB\": not a command"},
        {"an answer refused, the next line not eaten",
         "URIN\n" + source("examples/strings1.ur1") + "\nQuarterly Division\nSAVEAS after.dxf\n", {}, 1,
         scr + ":3: \"Quarterly Division\": answer refused: Answer Yes/No."},
        {"input running out in a command", "URIN\n" + source("examples/strings1.ur1") + "\n", {}, 1,
         scr + ":1: \"URIN\": input ran out: the command still waited for \"Yes/No <Yes>:\""},
        {"a file that is not there", "URIN\n" + path("missing1.ur1") + "\nYes\n" + map + "\nSAVEAS after.dxf\n", {}, 1,
         ":4: \"" + map + "\": the command failed: Cannot open UR file"},
        {"a binary TR file", "TRIN\n" + path("binfile1.tr1") + "\nNo\n" + map + "\nSAVEAS after.dxf\n", {}, 1,
         ":4: \"" + map + "\": the command failed:"},
        {"a cut UT file", "UTIN\nAll\n" + path("cutmodel.ut1") + "\nFaces\nSAVEAS after.dxf\n", {}, 1, "the command failed:"},
        {"an option zcad does not know", "", {"--frobnicate"}, 2, "--frobnicate"},
        {"a script that is not there", "", {"--script", path("none.scr")}, 2, "cannot open script"},
        {"a drawing that cannot be read", "SAVEAS after.dxf\n", {"--drawing", path("binfile1.tr1")}, 3, ""},
        {"a module that cannot be loaded", "SAVEAS after.dxf\n", {"--module", path("none.so")}, 5, "cannot load module"},
    };
    for (const Case& c : cases) {
        write(path("target.dxf"), kOld);
        std::filesystem::remove(path("after.dxf"));
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--save", path("target.dxf")});
        EXPECT_EQ(runScript(c.script, args), c.status) << c.what << "\n" << output_;
        EXPECT_NE(output_.find(c.told), std::string::npos) << c.what << "\n" << output_;
        EXPECT_EQ(read(path("target.dxf")), kOld) << c.what;
        EXPECT_FALSE(std::filesystem::exists(path("after.dxf"))) << c.what << ": the script went on";
    }
}

TEST_F(Batch, OutputsAreCheckedBeforeAnyWork) {
    const std::string script = "SAVEAS " + path("before.dxf") + "\n";
    EXPECT_EQ(runScript(script, {"--save", path("no such folder/x.dxf")}), 4);
    EXPECT_NE(output_.find("cannot save to " + path("no such folder/x.dxf") + ": the folder " + path("no such folder") +
                           " does not exist"),
              std::string::npos)
        << output_;
    std::filesystem::create_directory(path("a folder.png"));
    EXPECT_EQ(runScript(script, {"--render", path("a folder.png")}), 4) << output_;
    EXPECT_NE(output_.find("cannot write the picture " + path("a folder.png") + ": " + path("a folder.png") + " is a folder"),
              std::string::npos)
        << output_;
    EXPECT_FALSE(std::filesystem::exists(path("before.dxf")));
    EXPECT_EQ(runScript(script, {"--save", path("out.dxf")}), 0) << output_;
    EXPECT_TRUE(std::filesystem::exists(path("before.dxf")));
    EXPECT_NE(read(path("out.dxf")).find("EOF"), std::string::npos);
}

TEST_F(Batch, KeepGoingRunsEveryLineSavesAndStillFails) {
    EXPECT_EQ(runScript("FROB\nPDMODE\nX\n3\nSAVEAS after.dxf\n", {"--keep-going", "--save", path("target.dxf")}), 1);
    EXPECT_NE(output_.find(":1: \"FROB\": not a command"), std::string::npos) << output_;
    EXPECT_NE(output_.find(":3: \"X\": answer refused"), std::string::npos) << output_;
    EXPECT_TRUE(std::filesystem::exists(path("after.dxf")));
    EXPECT_NE(read(path("target.dxf")).find("$PDMODE\n 70\n3\n"), std::string::npos);
}

// Scripts saved by editors on either platform: a byte-order mark, CR LF,
// a line in Windows-1252; a character the drawing cannot hold is refused.
TEST_F(Batch, ScriptTextInAnyEncodingNamesTheRightFiles) {
    EXPECT_EQ(runScript("\xEF\xBB\xBFSAVEAS plané.dxf\r\nSAVEAS \xFC" "ber.dxf\r\n"), 0) << output_;
    EXPECT_TRUE(std::filesystem::exists(path("plané.dxf")));
    EXPECT_TRUE(std::filesystem::exists(path("über.dxf")));
    EXPECT_EQ(runScript("SAVEAS 文.dxf\nSAVEAS after.dxf\n"), 1);
    EXPECT_NE(output_.find(":1: \"SAVEAS ?.dxf\": answer refused: The line holds U+6587"), std::string::npos) << output_;
    EXPECT_FALSE(std::filesystem::exists(path("after.dxf")));
}

TEST_F(Batch, StandardInputIsAScriptToo) {
    write(path("input.scr"), "ZOOM\ne\nFROB\n");
    auto o = options({"--no-module"});
    o.input = path("input.scr");
    ZcadProcess zcad(o);
    EXPECT_EQ(zcad.wait(), 1);
    EXPECT_NE(zcad.output().find("zcad: standard input:3: \"FROB\": not a command"), std::string::npos) << zcad.output();
}

// Output to a pipe is buffered, yet whatever feeds the input sees all that
// came before the next question while zcad waits for its answer.
TEST_F(Batch, APipeSeesTheTranscriptWhileZcadWaits) {
    auto o = options({"--no-module"});
    o.input.clear();
    ZcadProcess zcad(o);
    zcad.type("PDMODE\n");
    ASSERT_TRUE(zcad.waitFor("Command: PDMODE\n", 10)) << zcad.output();
    zcad.type("3\n");
    ASSERT_TRUE(zcad.waitFor("PDMODE <0>: 3\n", 10)) << zcad.output();
    zcad.closeInput();
    EXPECT_EQ(zcad.wait(), 0) << zcad.output();
}

// The end of the session by signal saves nothing; the break key stops a
// script, a long import where the module next looks.
TEST_F(Batch, SignalsEndOrBreakOffWithoutSaving) {
    write(path("target.dxf"), kOld);
    auto o = options({"--no-module", "--save", path("target.dxf")});
    o.input.clear();
    ZcadProcess waiting(o);
    waiting.type("PDMODE\n3\n");
    ASSERT_TRUE(waiting.waitFor("PDMODE <0>: 3")) << waiting.output();
    waiting.signal(SIGTERM);
    EXPECT_EQ(waiting.wait(), 128 + SIGTERM);
    EXPECT_NE(waiting.output().find("zcad: ended by SIGTERM; " + path("target.dxf") + " left as it was"), std::string::npos);

    zastrings::StringFileShape shape;
    shape.records = 1000000;
    std::string error;
    ASSERT_TRUE(zastrings::generateURFile(path("bigroads.ur1"), shape, error)) << error;
    write(path("run.scr"), "URIN\n" + path("bigroads.ur1") + "\nYes\n" + source("examples/strings.map") + "\nSAVEAS after.dxf\n");
    ZcadProcess importing(options({"--script", path("run.scr"), "--save", path("target.dxf")}));
    ASSERT_TRUE(importing.waitFor("At record 51")) << importing.output();
    importing.signal(SIGINT);
    EXPECT_EQ(importing.wait(), 128 + SIGINT) << importing.output();
    EXPECT_NE(importing.output().find("User Abort"), std::string::npos) << "the module saw the break";
    EXPECT_NE(importing.output().find(":1: \"URIN\": interrupted"), std::string::npos) << importing.output();
    EXPECT_FALSE(std::filesystem::exists(path("after.dxf")));
    EXPECT_EQ(read(path("target.dxf")), kOld);
}

}  // namespace

namespace {

// A drawing that needs repairs: --audit reports them and writes nothing; a
// session says they were made, and saves the drawing clean.
TEST_F(Batch, RepairsAreReportedAndTheDrawingIsSavedClean) {
    write(path("cut.dxf"), "  0\nSECTION\n  2\nENTITIES\n  0\nPOINT\n  5\n\n 10\n1\n 20\n2\n");
    ZcadProcess audit(options({"--audit", "--drawing", path("cut.dxf"), "--save", path("never.dxf")}));
    EXPECT_EQ(audit.wait(60), 0) << audit.output();
    EXPECT_NE(audit.output().find("line 7: empty handle (group 5), a new one given\n"
                                  "line 13: the file ends inside section ENTITIES, which is ended there\n"),
              std::string::npos)
        << audit.output();
    EXPECT_FALSE(std::filesystem::exists(path("never.dxf")));

    EXPECT_EQ(runScript("AUDIT\n", {"--no-module", "--drawing", path("cut.dxf"), "--save", path("clean.dxf")}), 0)
        << output_;
    EXPECT_NE(output_.find("2 repairs made in reading the drawing (AUDIT lists them)"), std::string::npos) << output_;
    EXPECT_NE(output_.find("line 7: empty handle"), std::string::npos) << output_;
    ZcadProcess again(options({"--audit", "--drawing", path("clean.dxf")}));
    EXPECT_EQ(again.wait(60), 0);
    EXPECT_NE(again.output().find("No repairs"), std::string::npos) << again.output();

    write(path("broken.dxf"), "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n 62\n256QSW\n");
    ZcadProcess refused(options({"--audit", "--drawing", path("broken.dxf")}));
    EXPECT_EQ(refused.wait(60), 3);
    EXPECT_NE(refused.output().find("line 7: group 62 value \"256QSW\" is not an integer"), std::string::npos)
        << refused.output();
}

}  // namespace
