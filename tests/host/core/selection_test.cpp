#include "host_fixture.h"
#include "zcad/selection.h"

namespace {

using Selection = HostTest;

std::vector<std::string> layersOf(const ads_name set) {
    std::vector<std::string> layers;
    ads_int32 n = 0;
    acedSSLength(set, &n);
    for (ads_int32 i = 0; i < n; ++i) {
        ads_name e;
        acedSSName(set, i, e);
        resbuf* list = acdbEntGet(e);
        for (resbuf* rb = list; rb; rb = rb->rbnext) {
            if (rb->restype == 8) layers.emplace_back(rb->resval.rstring);
        }
        acutRelRb(list);
    }
    return layers;
}

class SelectionWithLines : public Selection {
protected:
    void SetUp() override {
        Selection::SetUp();
        makeLine(0, 0, 10, 0, "A");
        makeLine(0, 5, 10, 5, "B");
        makeLine(20, 20, 30, 30, "C");
        const ads_point p = {50, 50, 0};
        makeEntity(acutBuildList(RTDXF0, "TEXT", 8, "C", 10, p, 40, 2.0, 1, "hi", 0));
    }
};

TEST_F(SelectionWithLines, WindowTakesWhatIsInsideCrossingWhatTouches) {
    ads_name set;
    answer({"W -1,-1 11,6", ""});
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
    EXPECT_EQ(layersOf(set), (std::vector<std::string>{"A", "B"}));
    acedSSFree(set);
    answer({"C 5,-1 6,1", ""});
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
    EXPECT_EQ(layersOf(set), std::vector<std::string>{"A"});
    acedSSFree(set);
}

TEST_F(SelectionWithLines, LinesAccumulateAndTheCallersFilterStillApplies) {
    ads_name set;
    answer({"LAYER c", "0,0", ""});
    resbuf* filter = acutBuildList(RTDXF0, "TEXT", 0);
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, filter, set), RTNORM);
    acutRelRb(filter);
    EXPECT_EQ(layersOf(set), std::vector<std::string>{"C"});
    acedSSFree(set);
}

TEST_F(SelectionWithLines, OverlappingLinesTakeEachEntityOnceInTheOrderFound) {
    ads_name set;
    answer({"LAYER b", "W -1,-1 11,6", "ALL", ""});
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
    EXPECT_EQ(layersOf(set), (std::vector<std::string>{"B", "A", "C", "C"}));
    EXPECT_NE(output_.find("1 found\n"), std::string::npos);
    EXPECT_NE(output_.find("2 found\n"), std::string::npos) << "A new, B already in; then C and the text";
    acedSSFree(set);
}

TEST_F(SelectionWithLines, PreviousAndLastAndAll) {
    ads_name set;
    answer({"TYPE line", "", "P", "", "L", "", "ALL", ""});
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
    EXPECT_EQ(zcad::previousSelection().size(), 3u);
    ads_name again;
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, again), RTNORM);
    EXPECT_EQ(layersOf(again), (std::vector<std::string>{"A", "B", "C"}));
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, again), RTNORM);
    EXPECT_EQ(layersOf(again), std::vector<std::string>{"C"}) << "L is the text";
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, again), RTNORM);
    ads_int32 n = 0;
    acedSSLength(again, &n);
    EXPECT_EQ(n, 4);
}

// A set chosen before an edit is looked at again: what went to paper space
// since stays out of "P".
TEST_F(SelectionWithLines, PreviousLeavesOutWhatAnEditMadeUnselectable) {
    ads_name set;
    answer({"TYPE line", ""});
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTNORM);
    ads_name b;
    ASSERT_EQ(acedSSName(set, 1, b), RTNORM);
    resbuf* list = acdbEntGet(b);
    resbuf* tail = list;
    while (tail->rbnext) tail = tail->rbnext;
    tail->rbnext = acutBuildList(67, 1, 0);
    ASSERT_EQ(acdbEntMod(list), RTNORM);
    acutRelRb(list);
    ads_name again;
    ASSERT_EQ(acedSSGet("P", nullptr, nullptr, nullptr, again), RTNORM);
    EXPECT_EQ(layersOf(again), (std::vector<std::string>{"A", "C"}));
}

TEST_F(SelectionWithLines, NothingSelectedCancelAndSetBookkeeping) {
    ads_name set;
    answer({"W 100,100 200,200", "", "nonsense", "*Cancel*"});
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTERROR);
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTCAN);
    EXPECT_NE(output_.find("*Invalid selection*"), std::string::npos);
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, set), RTCAN) << "input has run out";

    ASSERT_EQ(acedSSGet("X", nullptr, nullptr, nullptr, set), RTNORM);
    ads_name first;
    ASSERT_EQ(acedSSName(set, 0, first), RTNORM);
    EXPECT_EQ(acedSSDel(first, set), RTNORM);
    ads_int32 n = 0;
    acedSSLength(set, &n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(acedSSName(set, 3, first), RTERROR);
    EXPECT_EQ(acedSSFree(set), RTNORM);
    EXPECT_EQ(acedSSLength(set, &n), RTERROR) << "a freed set is gone";
}

TEST_F(SelectionWithLines, EntSelPicksTheNearestWithinTheAperture) {
    ads_name e;
    ads_point pick;
    answer({"5,4.5", "500,500", ""});
    ASSERT_EQ(acedEntSel("Pick: ", e, pick), RTNORM);
    EXPECT_EQ(layersOf([&] {
                  static ads_name s;
                  acedSSAdd(e, nullptr, s);
                  return s;
              }()),
              std::vector<std::string>{"B"});
    EXPECT_EQ(pick[1], 4.5);
    EXPECT_EQ(acedEntSel("Pick: ", e, pick), RTERROR) << "nothing near";
    EXPECT_EQ(acedEntSel("Pick: ", e, pick), RTERROR) << "empty answer";
}

TEST_F(SelectionWithLines, EntSelAnswersAnOfferedKeywordOnlyAtItsOwnPrompt) {
    ads_name e;
    ads_point pick;
    answer({"peg", "peg", "5,4.5"});
    acedInitGet(0, "Pegged");
    ASSERT_EQ(acedEntSel("Pick: ", e, pick), RTKWORD);
    char word[16] = {};
    acedGetInput(word, sizeof word);
    EXPECT_STREQ(word, "Pegged");
    EXPECT_EQ(acedEntSel("Pick: ", e, pick), RTNORM) << "the keyword was for one prompt only";
    EXPECT_NE(output_.find("Invalid point."), std::string::npos);
}

}  // namespace
