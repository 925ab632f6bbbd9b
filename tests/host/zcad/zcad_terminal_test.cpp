// zcad at a terminal (a pseudo-terminal, in the C locale): no key loses
// work. Ctrl-C cancels and never ends zcad; Ctrl-D, QUIT and EXIT ask about
// unsaved changes; SAVEAS asks before replacing; letters beyond ASCII,
// Tab completion and the history file work as at a shell.
#include <thread>

#include "string_file_generator.h"
#include "zcad_fixture.h"

namespace {

class Terminal : public ZcadRun {
protected:
    std::unique_ptr<ZcadProcess> start(std::vector<std::string> args = {"--no-module"}) {
        auto zcad = std::make_unique<ZcadProcess>(options(std::move(args), true));
        EXPECT_TRUE(zcad->waitFor("Command: ")) << zcad->output();
        return zcad;
    }
};

TEST_F(Terminal, UnsavedChangesAreAskedAboutBeforeTheSessionEnds) {
    auto zcad = start();
    zcad->type("PDMODE\r3\r");
    ASSERT_TRUE(zcad->waitFor("Command: "));
    // Ctrl-D as a person presses it, once the editor has the terminal: a
    // Ctrl-D typed ahead of the editor is an end of file the terminal
    // driver may drop when the editor takes over.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    zcad->type("\x04");
    ASSERT_TRUE(zcad->waitFor("Save changes to Drawing1.dxf? [Yes/No/Cancel] <Yes>: ")) << zcad->output();
    zcad->type("Cancel\r");
    ASSERT_TRUE(zcad->waitFor("Command: "));
    zcad->type("QUIT\r");
    ASSERT_TRUE(zcad->waitFor("Save changes to Drawing1.dxf?"));
    zcad->type("\r");  // Yes, the default; the new drawing wants a name
    ASSERT_TRUE(zcad->waitFor("Enter file name: "));
    zcad->type("plan été\r");
    EXPECT_EQ(zcad->wait(), 0) << zcad->output();
    EXPECT_NE(read(path("plan été.dxf")).find("$PDMODE\n 70\n3\n"), std::string::npos) << zcad->output();

    // A drawing that was opened is asked about by its name; No drops the changes.
    zcad = start({"--no-module", "--drawing", "plan été.dxf"});
    zcad->type("PDMODE\r4\rEXIT\r");
    ASSERT_TRUE(zcad->waitFor("Save changes to plan été.dxf?")) << zcad->output();
    zcad->type("No\r");
    EXPECT_EQ(zcad->wait(), 0);
    EXPECT_NE(read(path("plan été.dxf")).find("$PDMODE\n 70\n3\n"), std::string::npos);

    // Nothing changed, nothing asked.
    zcad = start({"--no-module", "--drawing", "plan été.dxf"});
    zcad->type("ZOOM\r");
    ASSERT_TRUE(zcad->waitFor("<real time>: "));
    zcad->type("\x03");
    ASSERT_TRUE(zcad->waitFor("Command: "));
    zcad->type("QUIT\r");
    EXPECT_EQ(zcad->wait(), 0) << zcad->output();
    EXPECT_EQ(zcad->output().find("Save changes"), std::string::npos) << zcad->output();
}

TEST_F(Terminal, SaveAsAsksBeforeReplacingAFile) {
    write(path("kept.dxf"), "a drawing to keep");
    auto zcad = start();
    zcad->type("SAVEAS kept.dxf\r");
    ASSERT_TRUE(zcad->waitFor("kept.dxf already exists. Do you want to replace it? [Yes/No] <No>: ")) << zcad->output();
    zcad->type("\r");
    ASSERT_TRUE(zcad->waitFor("Not saved."));
    EXPECT_EQ(read(path("kept.dxf")), "a drawing to keep");
    zcad->type("SAVEAS kept.dxf\ry\rQUIT\r");
    EXPECT_EQ(zcad->wait(), 0);
    EXPECT_NE(read(path("kept.dxf")).find("EOF"), std::string::npos);
}

// The break key at the Command prompt, at a prompt and in a long import:
// each time the prompt comes back, and the drawing holds what the import
// drew before it stopped.
TEST_F(Terminal, TheBreakKeyCancelsAndNeverEndsZcad) {
    zastrings::StringFileShape shape;
    shape.records = 1000000;
    std::string error;
    ASSERT_TRUE(zastrings::generateURFile(path("bigroads.ur1"), shape, error)) << error;
    auto zcad = start({});
    zcad->type("\x03");
    ASSERT_TRUE(zcad->waitFor("*Cancel*\r\nCommand: ")) << zcad->output();
    zcad->type("URIN\r");
    ASSERT_TRUE(zcad->waitFor("File name: "));
    zcad->type("\x03");
    ASSERT_TRUE(zcad->waitFor("Command: ")) << zcad->output();
    zcad->type("URIN\r" + path("bigroads.ur1") + "\rYes\r" + source("examples/strings.map") + "\r");
    ASSERT_TRUE(zcad->waitFor("At record 51")) << zcad->output();
    zcad->type("\x03");
    ASSERT_TRUE(zcad->waitFor("User Abort")) << zcad->output();
    ASSERT_TRUE(zcad->waitFor("Command: "));
    zcad->type("SAVEAS part.dxf\rQUIT\r");
    EXPECT_EQ(zcad->wait(), 0) << zcad->output();
    const std::string part = read(path("part.dxf"));
    EXPECT_NE(part.find("\nPOLYLINE\n"), std::string::npos);
    EXPECT_LT(part.size(), 100000000u) << "the import stopped part way";
}

// Letters beyond ASCII typed in the C locale; Tab completes command names
// and paths; each line typed is in the history file under $HOME at once.
TEST_F(Terminal, TypedLettersCompletionAndHistory) {
    std::filesystem::create_directory(path("relevé é"));
    auto zcad = start();
    zcad->type("SAVEA\t rel\tplan\r");
    ASSERT_TRUE(zcad->waitFor("Saved relevé é/plan.dxf")) << zcad->output();
    EXPECT_TRUE(std::filesystem::exists(path("relevé é/plan.dxf")));
    zcad->type("SAVEAS \xe6\x96\x87.dxf\r");
    ASSERT_TRUE(zcad->waitFor("The line holds U+6587")) << zcad->output();
    zcad->type("HELP\r");
    ASSERT_TRUE(zcad->waitFor("  PNGOUT        writes a PNG picture of the drawing"));
    zcad->type("QUIT\r");
    EXPECT_EQ(zcad->wait(), 0);
    const std::string history = read((root_ / ".zcad_history").string());
    EXPECT_NE(history.find("SAVEAS\\040relevé\\040é/plan"), std::string::npos) << history;
    EXPECT_NE(history.find("HELP"), std::string::npos) << history;
}

}  // namespace
