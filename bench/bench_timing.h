// What the benchmarks that time whole runs share: the best of a few runs,
// and the durable I/O floor they are compared with.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <string>

namespace zbench {

inline double seconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// The best of a few runs: this machine is shared, and the least disturbed
// run is the one that measures our code. -1 when a run fails.
template <typename Step>
double bestOf(int runs, Step step) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (!step()) return -1;
        best = std::min(best, seconds(start));
    }
    return best;
}

// The floor: the bytes written in one pass and made durable.
inline bool writeFloor(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace zbench
