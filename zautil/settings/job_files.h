// The small files through which the suite's programs learn the current job:
// "curjob" in the installation directory, "oldjob.dat" and "_oldjob.ojd"
// in the job's directory. Lines end in CRLF, as the suite reads them.
#pragma once

#include <string_view>

// True when all three were written whole. A curjob that cannot be opened,
// and any file that could not be written or closed, is reported on the
// command line; the job directory's files are passed over silently when
// they cannot be opened, as the suite's own writer passes them over.
bool WriteOtherOldJobFiles(std::string_view currentJob);
