// The file a string-file writer writes, with what went wrong in the suite's
// short words: "Cannot open output file", or the writer's own "Cannot write
// ... file". Every write is checked, so a full disk or a failed close is
// reported rather than leaving a file that only looks complete.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "files/output_file.h"

namespace zastrings {

class StringFileOutput {
public:
    explicit StringFileOutput(std::string_view cannotWrite) : cannotWrite_(cannotWrite) {}

    // Creates the file beside its target, which a close replaces. False
    // when it cannot be created.
    bool open(const std::string& path);
    bool append(std::string_view bytes) { return file_.append(bytes) || failed(); }
    bool overwrite(std::uint64_t offset, std::string_view bytes) { return file_.overwrite(offset, bytes) || failed(); }
    bool close() { return file_.close() || failed(); }
    void abandon() { file_.abandon(); }
    // A refusal of the writer's own; false.
    bool refuse(std::string_view text);

    const std::string& lastError() const { return lastError_; }
    std::string failureReason() const { return file_.failureReason(); }

private:
    // The first failure names itself; later ones keep its text.
    bool failed();

    zafiles::OutputFile file_;
    std::string_view cannotWrite_;
    std::string lastError_;
};

}  // namespace zastrings
