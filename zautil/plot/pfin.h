// PFIN (PFI): draws a plot file chosen in a file dialog.
#pragma once

#include <string>

#include "settings/job_path.h"

void zaPFIN();

// The name the dialog proposes: the current job as a plan file of its run
// (abcdefgh.xx1 proposes abcdefgh.p11); empty without a job name.
std::string zaProposedPlotFile(const ZaJobPathParts& job);
