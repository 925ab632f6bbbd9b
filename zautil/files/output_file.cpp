#include "files/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zafiles {
namespace {

constexpr std::size_t kBlockBytes = 256 * 1024;
// Names tried beside the target before giving up on one of our own.
constexpr int kBesideNames = 64;

namespace fs = std::filesystem;

// "wx" creates the file or fails, so two writers never share one.
std::FILE* createBeside(const std::string& target, std::string& beside) {
    for (int n = 0; n < kBesideNames; ++n) {
        beside = target + ".new~" + std::to_string(::getpid()) + (n == 0 ? "" : "-" + std::to_string(n));
        errno = 0;
        if (std::FILE* file = std::fopen(beside.c_str(), "wbx")) return file;
        if (errno != EEXIST) break;
    }
    beside.clear();
    return nullptr;
}

}  // namespace

OutputFile::~OutputFile() { abandon(); }

bool OutputFile::open(const std::string& path) {
    if (file_) abandon();
    errorNumber_ = 0;
    pending_.clear();
    target_ = path;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) {
        errorNumber_ = EISDIR;
        return false;
    }
    // A device or a pipe is written where it is: renaming over it would
    // put a plain file in its place.
    const bool inPlace = fs::exists(status) && !fs::is_regular_file(status);
    errno = 0;
    file_ = inPlace ? std::fopen(path.c_str(), "wb") : createBeside(path, beside_);
    if (!file_) {
        errorNumber_ = errno ? errno : EIO;
        return false;
    }
    // A replaced file keeps its permissions; a new one has the umask's.
    if (fs::is_regular_file(status)) {
        ::fchmod(::fileno(file_), static_cast<mode_t>(status.permissions()) & 07777);
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
    // On the disk before it takes the old file's name, so a crash leaves
    // one file or the other, never a torn one.
    if (!failed() && !beside_.empty() && ::fsync(::fileno(file_)) != 0) fail();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    pending_.clear();
    pending_.shrink_to_fit();
    if (!closed) fail();
    if (beside_.empty()) return !failed();
    if (!failed() && std::rename(beside_.c_str(), target_.c_str()) != 0) fail();
    if (failed()) std::remove(beside_.c_str());
    beside_.clear();
    return !failed();
}

void OutputFile::abandon() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    pending_.clear();
    if (!beside_.empty()) std::remove(beside_.c_str());
    beside_.clear();
}

std::string OutputFile::failureReason() const { return failed() ? std::strerror(errorNumber_) : std::string{}; }

}  // namespace zafiles
