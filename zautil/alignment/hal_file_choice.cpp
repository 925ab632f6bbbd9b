#include "alignment/hal_file_choice.h"

#include <platform/file_dialog.h>
#include <platform/message_box.h>

#include <cstdio>

#include "alignment/prompt_halout_dlg.h"
#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "files/text_rules.h"
#include "settings/current_job.h"
#include "settings/job_path.h"
#include "shell/resource_scope.h"

namespace {

std::optional<ZaHalTarget> cancelled(const char* why = nullptr) {
    if (why) AfxMessageBox(why);
    acutPrintf("\n*HALOut Cancelled*\n");
    return std::nullopt;
}

// The interval; Enter keeps it. False when cancelled.
bool askInterval(const char* prompt, double& interval) {
    char shown[96];
    std::snprintf(shown, sizeof shown, prompt, interval);
    for (;;) {
        acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
        double answer = 0;
        const int status = acedGetReal(shown, &answer);
        if (status == RTNONE) return true;
        if (status == RTCAN) return false;
        if (status != RTNORM) continue;
        // Wider would not fit the HT line, and the settings hold no more.
        if (answer > kZaMostInterval) {
            acutPrintf("\nValue must be 1000 or less.\n");
            continue;
        }
        interval = zaIntervalInRange(answer);
        return true;
    }
}

// The save-file dialog offers the current job as a HAL file of its run.
std::optional<ZaHalTarget> chooseOnCommandLine(ZaHalIntervals intervals) {
    std::string job;
    ZaJobPathParts parts;
    if (zaGetCurrentJob(job) >= 0) zaSplitJobPath(job, parts);
    const std::string proposed = parts.name.empty() ? std::string() : parts.name + ".h1" + parts.run;
    zplat::FileDialog dialog(false, {}, proposed, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                             "Horizontal Alignment Files (*.h1?)|*.h1?||", adsw_acadMainWnd());
    dialog.setTitle("Export Zarvo Horizontal Alignment (HALOut)");
    dialog.setInitialDir(parts.directory);
    if (dialog.doModal() != zplat::IDOK) return cancelled();
    const std::string extension = dialog.fileExt();
    if (extension.empty()) return cancelled("Please input the full filename including file extension.");
    if (extension.size() < 3 || zafiles::lowerCased(extension.substr(0, 2)) != "h1") {
        return cancelled("The extension entered is not valid.");
    }
    if (zaSettings().restrictFileNameLength && dialog.fileTitle().size() != 8) {
        return cancelled("The filename has to be 8 characters.");
    }
    if (!askInterval("\nEnter interval on straight <%.1f>: ", intervals.straight)) return std::nullopt;
    if (!askInterval("\nEnter interval on curve <%.1f>: ", intervals.curve)) return std::nullopt;
    return ZaHalTarget{dialog.pathName(), intervals};
}

std::optional<ZaHalTarget> chooseInDialog() {
    int result = 0;
    std::string path;
    {
        const zashell::ResourceScope scope;
        ZPromptHALOUTDlg dialog(zaSettings(), adsw_acadMainWnd());
        result = dialog.doModal();
        path = dialog.halPath();
    }
    if (result != zplat::IDOK) {
        acutPrintf("\n*HALOUT Cancelled*\n");
        return std::nullopt;
    }
    return ZaHalTarget{path, zaHalIntervals(zaSettings())};
}

}  // namespace

std::optional<ZaHalTarget> zaChooseHalFile(const ZaHalIntervals& intervals) {
    if (zaSettings().useDialogs) return chooseInDialog();
    return chooseOnCommandLine(intervals);
}
