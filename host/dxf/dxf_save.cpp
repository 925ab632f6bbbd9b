// Saving is atomic: the drawing is written beside its target, flushed to
// disk, then renamed over it, so a failed save never damages a drawing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

#include "dxf_file_writer.h"
#include "dxf_kept.h"
#include "dxf_version.h"
#include "dxf_writer.h"
#include "zcad/dxf.h"

namespace zcad {

namespace {

std::string failure(const std::string& path, std::string_view what) {
    return "cannot save " + path + ": " + std::string(what) + " (" + std::strerror(errno) + ")";
}

mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a drawing is written into beside its target. Whatever happens
// while it is written, it is closed, and removed unless it took the
// target's place.
class FileBeside {
public:
    explicit FileBeside(const std::string& target) : path_(target + ".XXXXXX"), fd_(::mkstemp(path_.data())) {}
    ~FileBeside() {
        if (fd_ < 0) return;
        ::close(fd_);
        ::unlink(path_.c_str());
    }
    FileBeside(const FileBeside&) = delete;
    FileBeside& operator=(const FileBeside&) = delete;

    int fd() const { return fd_; }

    bool replace(const std::string& target) {
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) == 0 && ::rename(path_.c_str(), target.c_str()) == 0) return true;
        const int why = errno;
        ::unlink(path_.c_str());
        errno = why;
        return false;
    }

private:
    std::string path_;
    int fd_;
};

bool writeThrough(int fd, const Database& db, const DxfVersion* version, std::vector<std::string>* converted) {
    dxf::PiecePool pool;
    dxf::FileWriter writer(fd, pool);
    const bool made = dxf::writeDrawing(db, version, pool, writer, converted);
    return writer.finish() && made;
}

bool save(const std::string& path, const Database& db, const DxfVersion* version, std::string& error,
          std::vector<std::string>* converted) {
    FileBeside file(path);
    if (file.fd() < 0) {
        error = failure(path, "cannot create a file beside it");
        return false;
    }
    if (::fchmod(file.fd(), modeFor(path)) != 0 || !writeThrough(file.fd(), db, version, converted) ||
        ::fsync(file.fd()) != 0) {
        error = failure(path, "cannot write the drawing");
        return false;
    }
    if (!file.replace(path)) {
        error = failure(path, "cannot replace the file");
        return false;
    }
    return true;
}

}  // namespace

bool writeDxf(const std::string& path, const Database& db, const DxfVersion* version, std::string& error,
              std::vector<std::string>* converted) {
    const auto* kept = dynamic_cast<const dxf::DxfKept*>(db.kept.get());
    if (kept && version && !dxf::convertsTo(*kept, *version)) {
        error = "cannot save " + path + " as " + dxfVersionName(*version) + ": the drawing was read as " +
                dxfVersionName(kept->version) + ", and its blocks are not converted to later releases";
        return false;
    }
    try {
        return save(path, db, version, error, converted);
    } catch (const std::bad_alloc&) {
        error = "cannot save " + path + ": not enough memory to write the drawing";
    } catch (const std::exception& e) {
        error = "cannot save " + path + ": " + e.what();
    }
    return false;
}

}  // namespace zcad
