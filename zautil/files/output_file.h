// An output file written in large blocks. The first failed write, seek or
// close is remembered, so a full disk is reported, never mistaken for success.
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

    // Creates or truncates the file. False when it cannot be opened.
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }

    // False once anything has failed.
    bool append(std::string_view bytes);
    // Rewrites bytes already appended, as a count fixed up after the records.
    bool overwrite(std::uint64_t offset, std::string_view bytes);
    // Writes what waits and closes; false when anything failed since open.
    bool close();

    bool failed() const { return errorNumber_ != 0; }
    // The reason of the first failure, from the system.
    std::string failureReason() const;

private:
    bool flush();
    bool fail();

    std::FILE* file_ = nullptr;
    std::string pending_;
    int errorNumber_ = 0;
};

}  // namespace zafiles
