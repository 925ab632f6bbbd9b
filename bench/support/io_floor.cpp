#include "io_floor.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "best_of.h"
#include "durable_write.h"

namespace {

bool readThrough(const std::string& path, std::vector<char>& block) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    ssize_t got = 0;
    while ((got = ::read(fd, block.data(), block.size())) > 0) {
    }
    ::close(fd);
    return got == 0;
}

}  // namespace

std::string readWhole(const std::string& path) {
    std::error_code failed;
    const auto size = std::filesystem::file_size(path, failed);
    if (failed) return {};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return {};
    std::size_t done = 0;
    for (ssize_t got; done < bytes.size() && (got = ::read(fd, bytes.data() + done, bytes.size() - done)) > 0;) {
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

double durableFloor(const std::vector<std::string>& inputs, std::string_view output, const std::string& scratch,
                    int runs) {
    std::vector<char> block(1 << 20);
    const double floor = bestOf(runs, [&] {
        for (const std::string& input : inputs) {
            if (!readThrough(input, block)) return false;
        }
        return output.empty() || writeDurably(scratch, output);
    });
    std::filesystem::remove(scratch);
    return floor;
}
