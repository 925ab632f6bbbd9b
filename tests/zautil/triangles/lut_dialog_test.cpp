// The triangle import dialog: what it opens with, what enables what,
// Browse, and what OK and Cancel give back.
#include <gtest/gtest.h>

#include <platform/user_input.h>

#include "triangle_fixture.h"
#include "triangles/lut_dialog.h"

namespace {

using namespace tritest;
using zplat::Dialog;

class LutDialog : public TriangleTest {
protected:
    // Runs the dialog with the script; its result.
    int run(ZPromptLUTDlg& dialog, std::function<void(Dialog&)> script) {
        driver().onNextDialog(std::move(script));
        return dialog.doModal();
    }
    static zplat::Edit& edit(Dialog& d, int id) { return *d.itemAs<zplat::Edit>(id); }
    static bool enabled(Dialog& d, int id) { return d.itemEnabled(id); }
};

TEST_F(LutDialog, OpensOnTheCurrentJobAndBuildsTheFileNameAsFieldsChange) {
    ZPromptLUTDlg dialog;
    const int result = run(dialog, [this](Dialog& d) {
        EXPECT_EQ(d.itemText(ZPromptLUTDlg::kDirectoryId) + "/", install_);
        EXPECT_EQ(d.itemText(ZPromptLUTDlg::kJobNameId), "unknownf");
        EXPECT_EQ(d.itemText(ZPromptLUTDlg::kRunId), "1");
        EXPECT_EQ(d.itemText(ZPromptLUTDlg::kTriangleFileId), install_ + "unknownf.ut1");
        zplat::user::type(edit(d, ZPromptLUTDlg::kJobNameId), "road 1");
        zplat::user::type(edit(d, ZPromptLUTDlg::kRunId), "B");
        EXPECT_EQ(d.itemText(ZPromptLUTDlg::kTriangleFileId), install_ + "road_1.utB");
        zplat::user::type(edit(d, ZPromptLUTDlg::kTriangleFileId), "x");  // read-only
        EXPECT_EQ(d.itemText(ZPromptLUTDlg::kTriangleFileId), install_ + "road_1.utB");
        zplat::user::enter(d);
    });
    EXPECT_EQ(result, zplat::IDOK);
    EXPECT_EQ(dialog.jobName, "road_1");
    EXPECT_EQ(dialog.run, "B");
    EXPECT_EQ(dialog.extension, "ut");
}

TEST_F(LutDialog, BoundaryDisplayIsForTheMeshAndTheFacesOnly) {
    ZPromptLUTDlg dialog;
    dialog.method = 1;
    dialog.edges = 2;
    const int result = run(dialog, [](Dialog& d) {
        EXPECT_FALSE(enabled(d, ZPromptLUTDlg::kEdgesGroupId));
        EXPECT_FALSE(enabled(d, ZPromptLUTDlg::kBreaklinesId + 3));
        EXPECT_TRUE(d.isChecked(ZPromptLUTDlg::kBreaklinesId + 2));
        zplat::user::click(*d.item(ZPromptLUTDlg::kMeshId + 3));
        EXPECT_TRUE(enabled(d, ZPromptLUTDlg::kBreaklinesId + 3));
        zplat::user::click(*d.item(ZPromptLUTDlg::kMeshId + 1));
        EXPECT_FALSE(enabled(d, ZPromptLUTDlg::kBreaklinesId));
        zplat::user::click(*d.item(ZPromptLUTDlg::kMeshId + 2));
        zplat::user::click(*d.item(ZPromptLUTDlg::kBreaklinesId + 1));
        zplat::user::enter(d);
    });
    EXPECT_EQ(result, zplat::IDOK);
    EXPECT_EQ(dialog.method, 2);
    EXPECT_EQ(dialog.edges, 1);

    // Catchments open without it; an unknown method opens as the mesh.
    for (const auto& [method, shownEnabled, checked] : {std::tuple{3, false, 3}, std::tuple{9, true, 0}}) {
        ZPromptLUTDlg other;
        other.method = method;
        run(other, [&](Dialog& d) {
            EXPECT_EQ(enabled(d, ZPromptLUTDlg::kEdgesGroupId), shownEnabled);
            EXPECT_TRUE(d.isChecked(ZPromptLUTDlg::kMeshId + checked));
            zplat::user::cancel(d);
        });
        EXPECT_EQ(other.method, checked);
    }
}

// Cancel keeping the choices as they came in: Utin.ACancelledDialogStillKeepsItsChoicesAndAMissingFileEndsTheImport.
TEST_F(LutDialog, BrowseTakesAUTFileApartAndRefusesAnyOther) {
    const std::string ut = write("road0001.utA", "");
    const std::string ur = write("road0001.urA", "");
    ZPromptLUTDlg dialog;
    driver().answerNextFile(ur);
    driver().answerNextFile(ut);
    run(dialog, [](Dialog& d) {
        zplat::user::click(*d.item(ZPromptLUTDlg::kBrowseId));
        EXPECT_EQ(d.itemText(ZPromptLUTDlg::kJobNameId), "unknownf");
        zplat::user::click(*d.item(ZPromptLUTDlg::kBrowseId));
        zplat::user::enter(d);
    });
    const auto& request = driver().fileRequests().at(0);
    EXPECT_EQ(request.filter, "Zarvo Triangle Files (*.ut?)|*.ut?||");
    EXPECT_EQ(request.fileName, "unknownf.ut1");
    EXPECT_EQ(request.initialDir + "/", install_);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].box.text,
              "The filename specified has an invalid extension\nMust be of the format <jobname>.ut<run number>\n\nWhere "
              "<run number> is a single alphanumeric character.");
    EXPECT_EQ(dialog.directory + "/", dir_);
    EXPECT_EQ(dialog.jobName, "road0001");
    EXPECT_EQ(dialog.run, "A");
}

TEST_F(LutDialog, WithoutACurrentJobItSaysSoAndCloses) {
    ::unsetenv("ZARV$PROG");
    ZPromptLUTDlg dialog;
    EXPECT_EQ(dialog.doModal(), zplat::IDCANCEL);
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].box.text,
              "An error occured while trying to retrieve the current job from Zarvo Environment");
    EXPECT_TRUE(driver().dialogsOpened().empty());
}

}  // namespace
