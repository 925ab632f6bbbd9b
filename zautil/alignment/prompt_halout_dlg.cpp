#include "alignment/prompt_halout_dlg.h"

#include <platform/data_exchange.h>
#include <platform/file_dialog.h>
#include <platform/message_box.h>

#include <cstdio>

#include "alignment/hal_intervals.h"
#include "files/text_rules.h"
#include "settings/current_job.h"
#include "controls/cza_file_name.h"
#include "controls/edit_za_run_number.h"
#include "settings/job_path.h"
#include "controls/number_box.h"

namespace {

constexpr const char* kAlignmentFilter =
    "Horizontal Alignment Files (*.h1?)|*.h1?|Vertical Alignment Files (*.rv?)|*.rv?||";

std::string fileOfJob(const std::string& directory, const std::string& name, const char* type,
                      const std::string& run) {
    const std::string file = name + "." + type + run;
    return directory.empty() ? file : zaWithSeparator(directory) + file;
}

// The job's directory as the field shows it: without a closing separator,
// unless it is the root.
std::string shownDirectory(std::string directory) {
    while (directory.size() > 1 && zaIsPathSeparator(directory.back())) directory.pop_back();
    return directory;
}

std::string minimumHint(const char* text) {
    char hint[160];
    std::snprintf(hint, sizeof hint, text, kZaLeastInterval);
    return hint;
}

void addIntervalBox(zplat::Dialog& dialog, int id, std::string label) {
    dialog.add<CNumberBox>(id, std::move(label)).setNoSign(true);
}

}  // namespace

bool zaIsAlignmentExtension(std::string_view extension) {
    if (extension.size() != 3) return false;
    const std::string type = zafiles::lowerCased(extension.substr(0, 2));
    const char run = zafiles::lowerAscii(extension[2]);
    return (type == "h1" || type == "rv") && ((run >= '0' && run <= '9') || (run >= 'a' && run <= 'z'));
}

ZPromptHALOUTDlg::ZPromptHALOUTDlg(ZaSettings& settings, HWND parent)
    : Dialog("AutoCAD to Zarvo: Export Horizontal Alignment", parent), settings_(settings) {
    const ZaHalIntervals intervals = zaHalIntervals(settings);
    straight_ = intervals.straight;
    curve_ = intervals.curve;

    addEdit(kDirectory, "Working Directory");
    add<CzaFileName>(kJobName, "Current Job Name");
    add<CEditZaRunNumber>(kRun, "Run");
    addButton(kBrowse, "&Browse");
    addEdit(kHalFile, "Horizontal Alignment File").setReadOnly(true);
    addEdit(kRvFile, "Vertical Alignment File").setReadOnly(true);
    addGroupBox(kIntervals, "Intervals");
    addIntervalBox(*this, kStraight, "Interval On Straight");
    addIntervalBox(*this, kCurve, "Interval On Curve");
    addButton(zplat::IDOK, "OK");
    addButton(zplat::IDCANCEL, "Cancel");
    addStatusLine(kStatus, "Export Zarvo horizontal and vertical alignment files");

    setFocusHint(kDirectory, "Enter a valid working directory for the current job");
    setFocusHint(kRun, "Enter a valid run number for the current job (1 alphanumeric character)");
    setFocusHint(kStraight,
                 minimumHint("Enter the distance between cross-sections on the straight (Minimum is %.1f)"));
    setFocusHint(kCurve, minimumHint("Enter the distance between cross-sections on the curve (Minimum is %.1f)"));
    onClicked(kBrowse, [this] { browse(); });
    for (const int field : {kDirectory, kJobName, kRun}) {
        on(field, zplat::Notify::Changed, [this] { showFileNames(); });
    }
}

std::string ZPromptHALOUTDlg::halPath() const { return fileOfJob(directory_, jobName_, "h1", run_); }

bool ZPromptHALOUTDlg::onInitDialog() {
    // The short-name rule as it stands when the dialog opens.
    itemAs<CzaFileName>(kJobName)->setLimit(zaJobNameLimit());
    setFocusHint(kJobName, zaJobNameStatusText());
    std::string job;
    if (zaGetCurrentJob(job) >= 0) {
        ZaJobPathParts parts;
        zaSplitJobPath(job, parts);
        directory_ = shownDirectory(parts.directory);
        jobName_ = parts.name;
        run_ = parts.run;
    }
    const bool asked = !settings_.halUseDefaults;
    for (const int id : {kIntervals, kStraight, kCurve}) enableItem(id, asked);
    updateData(false);
    showFileNames();
    return true;
}

void ZPromptHALOUTDlg::doDataExchange(zplat::DataExchange& dx) {
    zplat::ddxText(dx, kDirectory, directory_);
    zplat::ddxText(dx, kJobName, jobName_);
    zplat::ddxText(dx, kRun, run_);
    zplat::ddxText(dx, kStraight, straight_);
    zplat::ddvMinMax(dx, kStraight, straight_, kZaLeastInterval, kZaMostInterval);
    zplat::ddxText(dx, kCurve, curve_);
    zplat::ddvMinMax(dx, kCurve, curve_, kZaLeastInterval, kZaMostInterval);
}

void ZPromptHALOUTDlg::showFileNames() {
    const std::string directory = itemText(kDirectory);
    const std::string name = itemText(kJobName);
    const std::string run = itemText(kRun);
    setItemText(kHalFile, fileOfJob(directory, name, "h1", run));
    setItemText(kRvFile, fileOfJob(directory, name, "rv", run));
}

void ZPromptHALOUTDlg::browse() {
    const std::string proposed = fileOfJob(itemText(kDirectory), itemText(kJobName), "h1", itemText(kRun));
    zplat::FileDialog dialog(true, {}, proposed, OFN_HIDEREADONLY, kAlignmentFilter, hwnd());
    if (dialog.doModal() != zplat::IDOK) return;
    const std::string extension = dialog.fileExt();
    if (!zaIsAlignmentExtension(extension)) {
        AfxMessageBox(
            "The filename specified has an invalid extension\nMust be of the format <jobname>.<h1 OR rv><run "
            "number>\n\nWhere <run number> is a single alphanumeric character.");
        return;
    }
    setItemText(kDirectory, dialog.folderPath());
    setItemText(kJobName, dialog.fileTitle());
    setItemText(kRun, extension.substr(2));
}

void ZPromptHALOUTDlg::onOK() {
    if (!updateData(true)) return;
    // Blank fields would make a file named ".h1" or one in no known place.
    const int blank = directory_.empty() ? kDirectory : jobName_.empty() ? kJobName : run_.empty() ? kRun : 0;
    if (blank != 0) {
        AfxMessageBox("Enter the working directory, job name and run of the alignment files.");
        gotoControl(blank);
        return;
    }
    settings_.halStraightInterval = straight_;
    settings_.halCurveInterval = curve_;
    endDialog(zplat::IDOK);
}
