#include "settings/za_env.h"

#include "settings/current_job.h"
#include "settings/install_dir.h"
#include "settings/path_text.h"

ZsAcEnviron::ZsAcEnviron() {
    std::string dir;
    if (zaGetZarvoInstallDir(dir) < 0) return;
    installDir = dir;
    found = true;
    layPath = zaWithSeparator(installDir) + "plot.lay";
    penPath = zaWithSeparator(installDir) + "plot.pen";
    if (zaGetCurrentJob(currentJob) < 0) currentJob.clear();
    currentJobCopy = currentJob;
    currentJobWork = currentJob;
    zaSplitJobPath(currentJob, job);
}
