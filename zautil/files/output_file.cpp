#include "files/output_file.h"

#include <cerrno>
#include <cstring>

namespace zafiles {
namespace {

constexpr std::size_t kBlockBytes = 256 * 1024;

}  // namespace

OutputFile::~OutputFile() {
    if (file_) std::fclose(file_);
}

bool OutputFile::open(const std::string& path) {
    if (file_) close();
    errorNumber_ = 0;
    pending_.clear();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) {
        errorNumber_ = errno ? errno : EIO;
        return false;
    }
    // Blocks are gathered here, so each write reaches the system at once and
    // its failure is seen at once.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    pending_.reserve(kBlockBytes);
    return true;
}

bool OutputFile::fail() {
    if (!errorNumber_) errorNumber_ = errno ? errno : EIO;
    return false;
}

bool OutputFile::flush() {
    if (failed() || !file_) return false;
    if (pending_.empty()) return true;
    errno = 0;
    const bool whole = std::fwrite(pending_.data(), 1, pending_.size(), file_) == pending_.size();
    pending_.clear();
    return whole || fail();
}

bool OutputFile::append(std::string_view bytes) {
    if (failed() || !file_) return false;
    pending_.append(bytes);
    if (pending_.size() < kBlockBytes) return true;
    return flush();
}

bool OutputFile::overwrite(std::uint64_t offset, std::string_view bytes) {
    if (!flush()) return false;
    errno = 0;
    if (fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0) return fail();
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return fail();
    if (fseeko(file_, 0, SEEK_END) != 0) return fail();
    return true;
}

bool OutputFile::close() {
    if (!file_) return !failed();
    flush();
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    pending_.clear();
    pending_.shrink_to_fit();
    if (!closed) fail();
    return !failed();
}

std::string OutputFile::failureReason() const { return failed() ? std::strerror(errorNumber_) : std::string{}; }

}  // namespace zafiles
