// The job of a job directory, as its oldjob.dat names it: the job name and
// the run character on the first line ("abcdefgh1").
#pragma once

#include <cstddef>
#include <string>

struct ZaDirectoryJob {
    std::string path;        // the directory, the name, ".xx" and the run character
    std::size_t lineLength;  // of the line read; 0 without oldjob.dat
};

// A missing oldjob.dat, or a line too short to hold an eight-character name
// and its run, gives the job "unknownf" of run 1.
ZaDirectoryJob zaDirectoryJob(const std::string& directory);
