// The environment most commands build first: where the suite is installed,
// its plot tables, and the current job with its parts.
#pragma once

#include "settings/job_path.h"

#include <string>

struct ZsAcEnviron {
    // Looks everything up now. When the installation directory is not
    // found, every text stays empty and found stays false.
    ZsAcEnviron();

    std::string installDir;  // ending in a separator
    std::string currentJob;
    std::string currentJobCopy;  // working copies for the commands
    std::string currentJobWork;
    std::string layPath;  // plot.lay of the installation
    std::string penPath;  // plot.pen of the installation
    bool found = false;
    ZaJobPathParts job;  // the parts of the current job
};
