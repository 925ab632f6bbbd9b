// The undo journal under the host's own commands and under entity makes:
// each command one step, the drawing saved byte for byte as before it,
// REDO until the next change, marks, groups and the journal turned off.
#include "arx/acedads.h"
#include "editor/picking.h"
#include "host_fixture.h"
#include "zcad/dxf.h"
#include "zcad/host_test.h"
#include "zcad/undo.h"

namespace zcad::testing {
namespace {

class UndoTest : public HostTest {
protected:
    // A drawing in a release with handles, read from our own output.
    void SetUp() override {
        HostTest::SetUp();
        ListBuilder("LINE", "roads").point(10, 0, 0).point(11, 10, 0).append(db());
        appendPolyline2d(db(), 2.0, {{0, 5}, {5, 5}, {5, 10}});
        ListBuilder("POINT", "spots").point(10, 20, 20, 3).append(db());
        ListBuilder("TEXT", "spots").point(10, 21, 20, 3).real(40, 1.5).text(1, "3.00").append(db());
        std::string error;
        auto read = readDxfText(writeDxfText(db(), &kRelease), error);
        ASSERT_TRUE(read) << error;
        read->markSaved();
        replaceCurrentDatabase(std::move(read));
    }
    std::string saved() { return writeDxfText(db(), &kRelease); }
    std::string run(const std::vector<std::string>& lines) { return test::runCommands(lines); }

    // Appends a POINT inside a step of its own, as a module command would.
    void drawPoint(double x, const char* name = "POINTS") {
        db().journal().begin(db(), name);
        const ads_point at = {x, 0, 0};
        resbuf* list = acutBuildList(RTDXF0, "POINT", 8, "0", 10, at, 0);
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        db().journal().end(db());
    }

    int entityCount() { return static_cast<int>(selectableEntities(db()).size()); }

    static constexpr DxfVersion kRelease = DxfVersion::R2000;
};

TEST_F(UndoTest, EachHostCommandUndoneSavesAsBefore) {
    const std::vector<std::vector<std::string>> commands = {
        {"MOVE", "ALL", "", "0,0", "5,5"},
        {"CHANGE", "LAYER spots", "", "P", "E", "7", "C", "1", "LA", "roads", ""},
        {"ERASE", "W -1,-1 11,11", ""},
        {"ERASE", "ALL", ""},
        {"-LAYER", "M", "new", "C", "3", "new", "S", "roads", ""},
        {"PDMODE", "35"},
        {"ZOOM", "W", "0,0", "3,3"},
    };
    const std::string before = saved();
    for (const auto& lines : commands) {
        SCOPED_TRACE(lines[0]);
        const std::string ran = run(lines);
        ASSERT_NE(saved(), before) << ran;
        EXPECT_TRUE(db().hasUnsavedChanges());
        EXPECT_EQ(run({"U"}), "Command: U\nUndone: " + lines[0] + "\n");
        EXPECT_EQ(saved(), before);
        EXPECT_FALSE(db().hasUnsavedChanges()) << "back where it was saved";
    }
}

TEST_F(UndoTest, UAcrossSeveralCommandsThenRedoUntilTheNextChange) {
    const std::string s0 = saved();
    run({"MOVE", "L", "", "0,0", "1,0"});
    const std::string s1 = saved();
    run({"ERASE", "C 0,4 1,6", ""});
    const std::string s2 = saved();
    run({"-LAYER", "M", "kerbs", ""});
    const std::string s3 = saved();

    EXPECT_EQ(run({"U", "U"}), "Command: U\nUndone: -LAYER\nCommand: U\nUndone: ERASE\n");
    EXPECT_EQ(saved(), s1);
    // A command that changes nothing leaves the steps to redo waiting.
    run({"HELP", "REDO"});
    EXPECT_EQ(saved(), s2);
    run({"REDO"});
    EXPECT_EQ(saved(), s3);
    EXPECT_NE(run({"REDO"}).find("Previous command did not undo things"), std::string::npos);

    EXPECT_NE(run({"UNDO", "5"}).find("Undone: MOVE\nEverything has been undone\n"), std::string::npos);
    EXPECT_EQ(saved(), s0);
    // A new change drops what could be redone.
    run({"PDMODE", "3"});
    EXPECT_NE(run({"REDO"}).find("Previous command did not undo things"), std::string::npos);
    run({"U"});
    EXPECT_EQ(saved(), s0);
}

TEST_F(UndoTest, AppendedEntitiesGoAndComeBackWithTheirHandles) {
    const std::string before = saved();
    const std::size_t held = db().bytesHeld();
    drawPoint(1);
    const std::string once = saved();
    run({"U"});
    EXPECT_EQ(saved(), before);
    run({"REDO"});
    EXPECT_EQ(saved(), once);
    run({"U"});
    // Drawn again after the undo, the point takes the same handle.
    drawPoint(1);
    EXPECT_EQ(saved(), once);
    // Steps dropped from the redo list give back their store.
    run({"U"});
    drawPoint(1);
    run({"U"});
    for (int i = 0; i < 3; ++i) {
        drawPoint(i);
        run({"U"});
    }
    drawPoint(1);
    EXPECT_EQ(db().bytesHeld(), held) << "no growth from steps dropped";
    EXPECT_EQ(saved(), once);
}

TEST_F(UndoTest, AnEntityErasedThenChangedInOneStepComesBackAsItWas) {
    const std::string before = saved();
    db().journal().begin(db(), "EDIT");
    ads_name last;
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    resbuf* list = acdbEntGet(last);
    for (resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == 40) rb->resval.rreal = 9;
    }
    EXPECT_EQ(acdbEntMod(list), RTNORM);
    acutRelRb(list);
    EXPECT_EQ(acdbEntDel(last), RTNORM);
    ads_name first;
    ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
    EXPECT_EQ(acdbEntDel(first), RTNORM);
    db().journal().end(db());
    const std::string after = saved();
    run({"U"});
    EXPECT_EQ(saved(), before);
    run({"REDO"});
    EXPECT_EQ(saved(), after);
}

TEST_F(UndoTest, AHeldSequenceDroppedPartWayLeavesOneStepThatGoesWhole) {
    const std::string before = saved();
    db().journal().begin(db(), "IMPORT");
    const ads_point a = {0, 0, 0}, b = {1, 1, 0};
    resbuf* head = acutBuildList(RTDXF0, "POLYLINE", 66, 1, 0);
    resbuf* vertex = acutBuildList(RTDXF0, "VERTEX", 10, a, 0);
    resbuf* point = acutBuildList(RTDXF0, "POINT", 10, b, 0);
    EXPECT_EQ(acdbEntMake(point), RTNORM);
    EXPECT_EQ(acdbEntMake(head), RTNORM);
    test::failEntityMakeAt(2);
    EXPECT_EQ(acdbEntMake(vertex), RTNORM);
    EXPECT_EQ(acdbEntMake(vertex), RTERROR);
    test::failEntityMakeAt(0);
    acdbEntMake(nullptr);
    for (resbuf* rb : {head, vertex, point}) acutRelRb(rb);
    db().journal().end(db());
    EXPECT_EQ(db().journal().steps(), 1u);
    run({"U"});
    EXPECT_EQ(saved(), before);
}

TEST_F(UndoTest, MarkBackAndGroups) {
    const std::string s0 = saved();
    run({"UNDO", "M", "PDMODE", "3"});
    const std::string s1 = saved();
    run({"UNDO", "Mark", "ERASE", "L", "", "MOVE", "ALL", "", "0,0", "1,1"});
    EXPECT_NE(run({"UNDO", "B"}).find("Undone: MOVE\nUndone: ERASE\nMark encountered\n"), std::string::npos);
    EXPECT_EQ(saved(), s1);
    run({"UNDO", "Back"});
    EXPECT_EQ(saved(), s0);
    // No mark left: Back asks before undoing everything.
    run({"PDMODE", "3"});
    EXPECT_NE(run({"UNDO", "Back", "No"}).find("This will undo everything. OK?"), std::string::npos);
    EXPECT_EQ(saved(), s1);
    run({"UNDO", "Back", ""});
    EXPECT_EQ(saved(), s0);

    // BEgin to End is one step, whatever ran between.
    run({"UNDO", "BE", "PDMODE", "3", "ERASE", "ALL", "", "UNDO", "E", "-LAYER", "M", "x", ""});
    EXPECT_EQ(run({"U", "U"}), "Command: U\nUndone: -LAYER\nCommand: U\nUndone: GROUP\n");
    EXPECT_EQ(saved(), s0);
    // U ends a group left open.
    run({"UNDO", "BEgin", "ERASE", "ALL", ""});
    run({"U"});
    EXPECT_EQ(saved(), s0);
    EXPECT_FALSE(db().journal().grouping());
}

TEST_F(UndoTest, ControlNoneKeepsNothingAndOneKeepsOneStep) {
    const std::string s0 = saved();
    run({"UNDO", "C", "N", "ERASE", "ALL", ""});
    EXPECT_EQ(db().journal().steps(), 0u);
    EXPECT_NE(run({"U"}).find("U command disabled. Use UNDO command to turn it on."), std::string::npos);
    // With the journal off, UNDO asks only for the control.
    run({"UNDO", "One", "OOPS", "PDMODE", "3"});
    EXPECT_EQ(db().journal().steps(), 1u);
    EXPECT_NE(run({"UNDO", "", "UNDO", ""}).find("Undone: PDMODE\nCommand: UNDO\nEnter the number"), std::string::npos);
    EXPECT_EQ(entityCount(), 4) << "the step of OOPS was dropped";
    EXPECT_EQ(saved(), s0);
}

TEST_F(UndoTest, ChangesMadeOutsideAnyCommandAreNotKept) {
    EXPECT_EQ(acedCommandS(RTSTR, "move", RTSTR, "ALL", RTSTR, "", RTSTR, "0,0", RTSTR, "1,1", RTNONE), RTNORM);
    EXPECT_EQ(acedCommandS(RTSTR, "erase", RTSTR, "L", RTSTR, "", RTNONE), RTNORM);
    EXPECT_EQ(db().journal().steps(), 0u);
    EXPECT_NE(run({"U"}).find("Everything has been undone"), std::string::npos);
}

TEST_F(UndoTest, UndoIsRefusedInsideAnotherCommand) {
    db().journal().begin(db(), "MODULE");
    EXPECT_EQ(acedCommandS(RTSTR, "U", RTNONE), RTERROR);
    EXPECT_EQ(acedCommandS(RTSTR, "UNDO", RTSTR, "1", RTNONE), RTERROR);
    db().journal().end(db());
}

TEST_F(UndoTest, EraseTakesEverySelectionAndOopsBringsTheLastBack) {
    const std::string s0 = saved();
    run({"ERASE", "TYPE POLYLINE", "", "ERASE", "LAYER spots", ""});
    EXPECT_EQ(entityCount(), 1);
    run({"OOPS"});
    EXPECT_EQ(entityCount(), 3);
    EXPECT_NE(run({"OOPS"}).find("Nothing to restore."), std::string::npos);
    run({"U", "U", "U"});
    EXPECT_EQ(saved(), s0);
    // A window takes what lies wholly inside it, a crossing what it touches.
    run({"ERASE", "W -1,-1 6,11", ""});
    EXPECT_EQ(entityCount(), 3);
    run({"U", "ERASE", "C 4,-1 6,1", ""});
    EXPECT_EQ(entityCount(), 3);
    run({"U", "ERASE", "20,20", ""});
    EXPECT_EQ(entityCount(), 3);
    EXPECT_NE(run({"ERASE", "nothing"}).find("*Invalid selection*"), std::string::npos);
}

}  // namespace
}  // namespace zcad::testing
