// Saving is atomic: the drawing is written beside its target, flushed to
// disk, then renamed over it, so a failed save never damages a drawing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "dxf_file_writer.h"
#include "dxf_kept.h"
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

bool writeThrough(int fd, const Database& db, const DxfVersion* version) {
    dxf::FileWriter writer(fd);
    const bool made = dxf::writeDrawing(db, version, [&writer](std::string_view bytes) { return writer.put(bytes); });
    return writer.finish() && made;
}

}  // namespace

bool writeDxf(const std::string& path, const Database& db, const DxfVersion* version, std::string& error) {
    const auto* kept = dynamic_cast<const dxf::DxfKept*>(db.kept.get());
    if (kept && version && *version != kept->version) {
        error = "cannot save " + path + " as " + dxfVersionName(*version) + ": the drawing was read as " +
                dxfVersionName(kept->version) + " and is saved in that release";
        return false;
    }
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = failure(path, "cannot create a file beside it");
        return false;
    }
    const bool ok = ::fchmod(fd, modeFor(path)) == 0 && writeThrough(fd, db, version) && ::fsync(fd) == 0;
    if (!ok) {
        error = failure(path, "cannot write the drawing");
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    if (::close(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        error = failure(path, "cannot replace the file");
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace zcad
