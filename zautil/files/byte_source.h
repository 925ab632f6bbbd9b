// Where a reader's bytes come from: a file on disk, or memory (tests and
// fuzzing), so that every check runs the same way on both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace zafiles {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The size in bytes, leaving the position at the start; nothing when the
    // source cannot seek.
    virtual std::optional<std::uint64_t> size() = 0;
    // Reads up to out.size() bytes; fewer only at the end of the data or on
    // a failed read.
    virtual std::size_t read(std::span<char> out) = 0;
};

// Null when the path cannot be opened for reading or names a directory.
std::unique_ptr<ByteSource> openFileSource(const std::string& path);

// The bytes must outlive the source.
std::unique_ptr<ByteSource> memorySource(std::span<const char> bytes);

}  // namespace zafiles
