// The HAL export's one dialog: the job the alignment files are written as
// (working directory, job name, run), the two files that makes, and the
// cross-section intervals. Ok writes the intervals into the settings (not
// the registry) and leaves the job fields for the command.
#pragma once

#include <platform/dialog.h>

#include <string>

#include "settings/settings_record.h"

class ZPromptHALOUTDlg : public zplat::Dialog {
public:
    static constexpr int kBrowse = 1051;
    static constexpr int kDirectory = 1075;
    static constexpr int kJobName = 1076;
    static constexpr int kRun = 1077;
    static constexpr int kStatus = 1126;
    static constexpr int kHalFile = 1136;
    static constexpr int kRvFile = 1137;
    static constexpr int kIntervals = 1140;
    static constexpr int kStraight = 1141;
    static constexpr int kCurve = 1142;

    explicit ZPromptHALOUTDlg(ZaSettings& settings, HWND parent = nullptr);

    const std::string& directory() const { return directory_; }
    const std::string& jobName() const { return jobName_; }
    const std::string& run() const { return run_; }
    // The HAL file of the job fields: directory, name, ".h1" and the run.
    std::string halPath() const;

protected:
    bool onInitDialog() override;
    void doDataExchange(zplat::DataExchange& dx) override;
    void onOK() override;

private:
    void browse();
    void showFileNames();

    ZaSettings& settings_;
    std::string directory_;
    std::string jobName_;
    std::string run_;
    double straight_ = 0;
    double curve_ = 0;
};

// Does a file's extension name an alignment file of a run: "h1" or "rv"
// and one letter or digit?
bool zaIsAlignmentExtension(std::string_view extension);
