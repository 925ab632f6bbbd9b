// The triangle import dialog: the UT file as the current job's directory,
// name and run, the import method and which triangle edges show.
#pragma once

#include <platform/dialog.h>

#include <string>
#include <string_view>

class ZPromptLUTDlg : public zplat::Dialog {
public:
    enum : int {
        kDirectoryId = 1075,
        kJobNameId = 1076,
        kRunId = 1077,
        kBrowseId = 1051,
        kTriangleFileId = 1117,
        kMethodGroupId = 1319,
        kMeshId = 1320,   // 1320 to 1323: methods 0 to 3
        kEdgesGroupId = 1329,
        kBreaklinesId = 1330,  // 1330 to 1333: edge display 0 to 3
        kStatusId = 1126,
    };

    explicit ZPromptLUTDlg(HWND parent = nullptr);

    // In and out: written back on OK only.
    int method = 0;
    int edges = 0;
    bool useTriangleLayerFile = true;
    // Filled from the current job on opening.
    std::string directory;  // without a final separator
    std::string jobName;
    std::string extension = "ut";
    std::string run;

    // The text shown while the pointer rests on a button; empty for none.
    static std::string_view hoverText(int id);

protected:
    bool onInitDialog() override;
    void doDataExchange(zplat::DataExchange& dx) override;

private:
    void browse();
    void showTriangleFile();
    void enableEdges(bool on);
};
