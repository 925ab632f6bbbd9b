// An output file written in large blocks, beside its target, and renamed
// over it only when closed whole: a failed or abandoned file leaves the
// previous one as it was. The first failed write, seek, close or rename is
// remembered, so a full disk is reported, never mistaken for success.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace zafiles {

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // Creates the file beside the target; the target is not touched yet.
    // False when it cannot be created, or the target is a directory.
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }

    // False once anything has failed.
    bool append(std::string_view bytes);
    // Rewrites bytes already appended, as a count fixed up after the records.
    bool overwrite(std::uint64_t offset, std::string_view bytes);
    // Writes what waits, closes and puts the file in the target's place;
    // false, with the target as it was, when anything failed since open.
    bool close();
    // Drops what was written; the target stays as it was. A file neither
    // closed nor abandoned is abandoned when the holder goes.
    void abandon();

    bool failed() const { return errorNumber_ != 0; }
    // The reason of the first failure, from the system.
    std::string failureReason() const;

private:
    bool flush();
    bool fail();

    std::FILE* file_ = nullptr;
    std::string target_;
    std::string beside_;
    std::string pending_;
    int errorNumber_ = 0;
};

}  // namespace zafiles
