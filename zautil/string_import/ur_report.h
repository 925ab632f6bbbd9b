// What URIN tells the user about the UR file it reads: the size it found,
// and each refusal as a short last-error text and a longer advice.
#pragma once

#include <string>

#include "strings/ur_reader.h"

namespace zastringimport {

using zastrings::URFault;
using zastrings::URReader;

// Opens the file, printing and advising as URIN does; on a refusal the
// last error holds its short text.
bool openURReporting(URReader& reader, const std::string& path, std::string& lastError);

// Why the file is no UR file to read, in a few words beneath a refusal:
// "file not found", "is a directory", "empty", "ends inside record N", or
// what its name lacks when the file itself would do.
std::string urFileReason(const std::string& path);

// A fault found while records are read (a file cut short): advised, with
// its short text as the last error.
void reportURFault(URFault fault, std::string& lastError);

}  // namespace zastringimport
