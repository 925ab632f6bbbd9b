#include "files/byte_source.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace zafiles {
namespace {

class FileSource final : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    ~FileSource() override { std::fclose(file_); }

    std::optional<std::uint64_t> size() override {
        if (fseeko(file_, 0, SEEK_END) != 0) return std::nullopt;
        const off_t end = ftello(file_);
        if (end < 0 || fseeko(file_, 0, SEEK_SET) != 0) return std::nullopt;
        return static_cast<std::uint64_t>(end);
    }

    std::size_t read(std::span<char> out) override { return std::fread(out.data(), 1, out.size(), file_); }

private:
    std::FILE* file_;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const char> bytes) : bytes_(bytes) {}

    std::optional<std::uint64_t> size() override {
        position_ = 0;
        return bytes_.size();
    }

    std::size_t read(std::span<char> out) override {
        const std::size_t count = std::min(out.size(), bytes_.size() - position_);
        if (count) std::memcpy(out.data(), bytes_.data() + position_, count);
        position_ += count;
        return count;
    }

private:
    std::span<const char> bytes_;
    std::size_t position_ = 0;
};

}  // namespace

std::unique_ptr<ByteSource> openFileSource(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    struct stat status {};
    if (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    // Readers take whole blocks themselves; a stdio buffer would only copy twice.
    std::setvbuf(file, nullptr, _IONBF, 0);
    return std::make_unique<FileSource>(file);
}

std::unique_ptr<ByteSource> memorySource(std::span<const char> bytes) { return std::make_unique<MemorySource>(bytes); }

}  // namespace zafiles
