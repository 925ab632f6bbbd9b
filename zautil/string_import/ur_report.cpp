#include "string_import/ur_report.h"

#include "arx/acedads.h"
#include "files/last_error.h"
#include "shell/za_advice.h"
#include "strings/ur_format.h"

namespace zastringimport {
namespace {

struct FaultText {
    const char* shortText;  // the last error
    const char* shown;      // the advice
    const char* printed;    // a line before the advice, if any
};

FaultText textOf(URFault fault) {
    switch (fault) {
    case URFault::None: return {"", "", nullptr};
    case URFault::CannotOpen: return {"Cannot open UR file", "Cannot open UR file", "\n Cannot open UR file \n"};
    case URFault::CannotSeek: return {"Cannot seek UR file", "Cannot seek UR file", "\nSeek fails \n"};
    case URFault::BadSize: return {"Bad size for UR file", "Bad size for UR file", "\nWrong size \n"};
    case URFault::CannotRead: return {"Cannot read UR file", "Cannot read UR file", nullptr};
    case URFault::NotUR: return {"Not a UR file", "Not a UR file", nullptr};
    case URFault::CannotReadCount:
        return {"Cannot read UR file (nrPoints)",
                "Cannot read UR file (nrPoints)\nMaybe access to this directory is restricted\n", nullptr};
    case URFault::WrongCount:
        return {"Points incorrect in UR file",
                "\n\rPoints incorrect in UR file\nFile size and  number of points must agree\n", nullptr};
    case URFault::CannotReadJob:
        return {"Cannot read UR file (job)", "Cannot read UR file (job)\nFile may not be correct format\n", nullptr};
    case URFault::CannotReadRun:
        return {"Cannot read UR file (run)",
                "Cannot read UR file (run)\nRead fails in binary mode\nNot Zarvo UR file format\n", nullptr};
    case URFault::ShortRecord:
        return {"Bad or corrupt end to file", "Unexpected EOF on UR file\nMaybe UR file has short record \n", nullptr};
    }
    return {"", "", nullptr};
}

}  // namespace

void reportURFault(URFault fault, std::string& lastError) {
    const FaultText text = textOf(fault);
    if (text.printed) acutPrintf("%s", text.printed);
    zafiles::setLastError(lastError, text.shortText);
    zaAdviceMessage(text.shown);
}

bool openURReporting(URReader& reader, const std::string& path, std::string& lastError) {
    const bool opened = reader.open(path);
    if (const auto& size = reader.size()) {
        acutPrintf("\nPoint records %lld sizeof %d gives file size of %lld bytes\n",
                   static_cast<long long>(size->records), static_cast<int>(zastrings::kURBlockSize),
                   static_cast<long long>(size->bytes));
    }
    if (!opened) {
        reportURFault(reader.fault(), lastError);
        return false;
    }
    acutPrintf("Check file size.");
    return true;
}

}  // namespace zastringimport
