// The small files through which the suite's programs learn the current job:
// "curjob" in the installation directory, "oldjob.dat" and "_oldjob.ojd"
// in the job's directory. Lines end in CRLF, as the suite reads them.
#pragma once

#include <string_view>

void WriteOtherOldJobFiles(std::string_view currentJob);
