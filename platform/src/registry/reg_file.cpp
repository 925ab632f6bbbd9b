#include "reg_file.h"

#include "reg_store.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zplat::reg {

namespace {

std::function<void(std::size_t, std::size_t)> gWriteHook;

FileIdentity identityOf(const struct stat& st) {
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                        static_cast<std::int64_t>(st.st_size),
                        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 +
                            st.st_mtim.tv_nsec};
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool makeDirectories(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const std::string parent = directoryOf(dir);
    if (parent != dir && !makeDirectories(parent)) return false;
    return ::mkdir(dir.c_str(), 0755) == 0 || errno == EEXIST;
}

LONG errorFor(int err) {
    if (err == EACCES || err == EPERM || err == EROFS) return ERROR_ACCESS_DENIED;
    return ERROR_CANTWRITE;
}

bool writeAll(int fd, const std::string& text, bool hooked) {
    constexpr std::size_t kPiece = 4096;
    std::size_t done = 0;
    while (done < text.size()) {
        const std::size_t n = std::min(kPiece, text.size() - done);
        const ssize_t w = ::write(fd, text.data() + done, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(w);
        if (hooked && gWriteHook) gWriteHook(done, text.size());
    }
    return true;
}

bool readAll(int fd, std::string& out) {
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        out.append(buf, static_cast<std::size_t>(n));
        if (static_cast<std::int64_t>(out.size()) > kMaxStoreBytes) return false;
    }
}

void syncDirectory(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool sameFileBytes(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::string have;
    const bool ok = readAll(fd, have);
    ::close(fd);
    return ok && have == bytes;
}

}  // namespace

std::string storePath() {
    if (const char* p = std::getenv("ZARVO_REGISTRY"); p && *p) return p;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x == '/')
        return std::string(x) + "/zarvo/registry.reg";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const struct passwd* pw = ::getpwuid(::getuid());
        home = pw && pw->pw_dir ? pw->pw_dir : "/tmp";
    }
    return std::string(home) + "/.config/zarvo/registry.reg";
}

std::string resolvedStorePath() {
    std::string path = storePath();
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;  // a dangling link: written as a file in its place
    path = real;
    std::free(real);
    return path;
}

FileRead readStoreFile(const std::string& path, const FileIdentity* known) {
    FileRead r;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return r;
        r.status = FileRead::Status::Failed;
        r.error = std::strerror(errno);
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        r.status = FileRead::Status::Failed;
        r.error = "it is not a regular file";
        return r;
    }
    r.identity = identityOf(st);
    if (known && *known == r.identity) {
        ::close(fd);
        r.status = FileRead::Status::Unchanged;
        return r;
    }
    if (st.st_size > kMaxStoreBytes) {
        ::close(fd);
        r.status = FileRead::Status::TooLarge;
        r.error = "it is larger than 16 MiB, too large to be a registry store";
        return r;
    }
    const bool ok = readAll(fd, r.bytes);
    ::close(fd);
    if (!ok) {
        r.status = FileRead::Status::Failed;
        r.error = "reading it failed";
        return r;
    }
    r.status = FileRead::Status::Ok;
    return r;
}

std::string keepAside(const std::string& path, const std::string& bytes) {
    const std::string tmp = path + ".aside.tmp" + std::to_string(::getpid());
    bool written = false;
    for (int n = 1; n < 100; ++n) {
        const std::string name = path + ".damaged" + (n == 1 ? "" : "." + std::to_string(n));
        if (::access(name.c_str(), F_OK) == 0) {
            if (sameFileBytes(name, bytes)) {
                if (written) ::unlink(tmp.c_str());
                return name;
            }
            continue;
        }
        if (!written) {
            const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
            if (fd < 0) return {};
            const bool ok = writeAll(fd, bytes, false) && ::fsync(fd) == 0;
            ::close(fd);
            if (!ok) {
                ::unlink(tmp.c_str());
                return {};
            }
            written = true;
        }
        // link() claims the name only when nobody else has it.
        if (::link(tmp.c_str(), name.c_str()) == 0) {
            ::unlink(tmp.c_str());
            return name;
        }
        if (errno != EEXIST) break;
    }
    if (written) ::unlink(tmp.c_str());
    return {};
}

StoreLock::~StoreLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the flock
}

LONG StoreLock::acquire(const std::string& storePath) {
    if (!makeDirectories(directoryOf(storePath))) return errorFor(errno);
    const std::string lockPath = storePath + ".lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return errorFor(errno);
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) return ERROR_CANTWRITE;
    }
    return ERROR_SUCCESS;
}

LONG replaceStoreFile(const std::string& path, const std::string& text, FileIdentity& written) {
    // One writer at a time holds the lock, so one fixed name serves; a file
    // left there by a writer that died is simply overwritten.
    const std::string tmp = path + ".new";
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) mode = old.st_mode & 07777;
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return errorFor(errno);
    bool ok = writeAll(fd, text, true) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int err = errno;
    struct stat st {};
    ok = ok && ::fstat(fd, &st) == 0;
    ::close(fd);
    if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
        const LONG rc = errorFor(ok ? errno : err);
        ::unlink(tmp.c_str());
        return rc;
    }
    syncDirectory(directoryOf(path));
    written = identityOf(st);
    return ERROR_SUCCESS;
}

void setWriteHook(std::function<void(std::size_t, std::size_t)> hook) {
    gWriteHook = std::move(hook);
}

}  // namespace zplat::reg
