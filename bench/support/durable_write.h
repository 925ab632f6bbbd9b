// The durable I/O floor of the benchmarks: bytes written whole and synced
// to the disk, as nothing that keeps a file can beat.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <string_view>

inline bool writeDurably(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced && done == bytes.size();
}
