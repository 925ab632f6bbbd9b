#include "string_import/ur_report.h"

#include <filesystem>
#include <system_error>

#include "arx/acedads.h"
#include "files/byte_source.h"
#include "files/formatted.h"
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

std::string urFileReason(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return "file not found";
    if (std::filesystem::is_directory(status)) return "is a directory";
    auto source = zafiles::openFileSource(path);
    const auto bytes = source ? source->size() : std::nullopt;
    if (!bytes) return "cannot be read";
    if (*bytes == 0) return "empty";
    if (*bytes < zastrings::kURMinimumSize || *bytes % zastrings::kURBlockSize != 0) {
        // Blocks are whole up to the one the file ends in.
        const auto whole = static_cast<long long>(*bytes / zastrings::kURBlockSize);
        const long long block = whole + 1;
        const long long headerBlocks = zastrings::kURHeaderBlocks;
        if (block <= headerBlocks) return zafiles::formatted("ends inside its header, block %lld", block);
        return zafiles::formatted("ends inside record %lld", block - headerBlocks);
    }
    URReader reader;
    if (!reader.open(std::move(source))) return textOf(reader.fault()).shortText;
    return "the name must have 8 characters and the extension .ur with a run letter or digit";
}

}  // namespace zastringimport
