// File-system work of the store: finding, reading, locking, replacing.
#pragma once

#include <platform/win32.h>

#include <cstdint>
#include <string>

namespace zplat::reg {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = -1;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct FileRead {
    enum class Status { Ok, Missing, Failed, TooLarge, Unchanged };
    Status status = Status::Missing;
    std::string bytes;
    FileIdentity identity;
    std::string error;
};

// Larger files are not a registry store we wrote or a person edited.
inline constexpr std::int64_t kMaxStoreBytes = 16 * 1024 * 1024;

// The store path with a symbolic link followed, so that replacing the file
// replaces the link's target and keeps the link.
std::string resolvedStorePath();
// Unchanged (and nothing read) when the file is still the one known.
FileRead readStoreFile(const std::string& path, const FileIdentity* known = nullptr);

// Copies bytes beside the store (path.damaged, path.damaged.2, ...) unless a
// copy with the same bytes is there already. The copy's name, or empty.
std::string keepAside(const std::string& path, const std::string& bytes);

// The lock that serialises writers between processes: an exclusive flock on
// path.lock, released when the holder ends, however it ends.
class StoreLock {
public:
    StoreLock() = default;
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    ~StoreLock();
    LONG acquire(const std::string& storePath);

private:
    int fd_ = -1;
};

// Writes text beside the store, makes it durable, and renames it over it.
LONG replaceStoreFile(const std::string& path, const std::string& text, FileIdentity& written);

}  // namespace zplat::reg
