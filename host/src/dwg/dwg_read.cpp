// A DWG drawing read as the DXF the helper converts it to, in a folder of
// its own that goes with the conversion.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "child_process.h"
#include "dwg_report.h"
#include "editor/user_break.h"
#include "zcad/console.h"
#include "zcad/dwg.h"
#include "zcad/dxf.h"

namespace zcad {

namespace {

// The helper's exit statuses that are not a failure inside it.
constexpr int kUnreadable = 2;
constexpr int kNotInstalled = 3;

constexpr const char* kInstall = "run scripts/install-dwg once to install Node.js 20 and the DWG helper";

class ScratchFolder {
public:
    ScratchFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zcad-dwg-XXXXXX";
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchFolder() {
        if (path_.empty()) return;
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::chrono::milliseconds timeLimit(const DwgLimits& limits, std::uintmax_t bytes) {
    const double megabytes = static_cast<double>(bytes) / (1u << 20);
    return limits.base + std::chrono::milliseconds(static_cast<std::chrono::milliseconds::rep>(
                             static_cast<double>(limits.perMegabyte.count()) * megabytes));
}

std::string signalName(int signal) {
    const char* name = sigabbrev_np(signal);
    return name ? std::string("SIG") + name : "signal " + std::to_string(signal);
}

std::string seconds(std::chrono::milliseconds limit) { return std::to_string((limit.count() + 999) / 1000) + " s"; }

// Why the run gave no drawing, or nothing when it gave one.
std::optional<std::string> failureOf(const ChildRun& run, const std::string& path, std::chrono::milliseconds limit) {
    const std::string reason = helperReason(run.err);
    switch (run.end) {
        case ChildRun::End::NotStarted:
            return path + ": cannot open the drawing: the DWG helper could not be started (" +
                   std::strerror(run.status) + ")";
        case ChildRun::End::TimedOut:
            return path + ": cannot open the drawing: the DWG helper took longer than " + seconds(limit) +
                   " and was stopped";
        case ChildRun::End::Stopped:
            return path + ": not opened: the conversion was broken off";
        case ChildRun::End::Signalled:
            return path + ": cannot open the drawing: the DWG helper crashed (" + signalName(run.status) + ")";
        case ChildRun::End::Exited:
            break;
    }
    if (run.status == 0) return std::nullopt;
    if (run.status == kUnreadable)
        return path + ": the DWG helper cannot read the drawing: " + (reason.empty() ? "it gave no reason" : reason);
    if (run.status == kNotInstalled)
        return path + ": cannot open a DWG drawing: " + (reason.empty() ? "the helper cannot run" : reason) + " (" +
               kInstall + ")";
    return path + ": cannot open the drawing: the DWG helper failed (" +
           (reason.empty() ? "exit status " + std::to_string(run.status) : reason) + ")";
}

// Node takes its arguments as UTF-8 and would garble a name that is not:
// the helper is given a link to the drawing under a plain name instead.
std::string plainName(const std::string& path, const std::string& scratch) {
    const std::string link = scratch + "/drawing.dwg";
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::absolute(path, ec);
    if (ec) return path;
    std::filesystem::create_symlink(target, link, ec);
    return ec ? path : link;
}

// The reader's message names the scratch file; the user knows the DWG.
std::string namingTheDrawing(std::string message, const std::string& scratch, const std::string& path) {
    if (message.starts_with(scratch)) message.replace(0, scratch.size(), path + " (converted to DXF)");
    return message;
}

// A DWG under another name: its first bytes name a release, "AC1015".
bool startsLikeDwg(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char start[6] = {};
    const bool read = ::read(fd, start, sizeof start) == static_cast<ssize_t>(sizeof start);
    ::close(fd);
    return read && std::string_view(start, 4) == "AC10" && std::isdigit(static_cast<unsigned char>(start[4])) &&
           std::isdigit(static_cast<unsigned char>(start[5]));
}

// The entities the user can select: the pieces that follow a polyline or
// an insert are part of it.
long drawnEntities(const Database& db) {
    long count = 0;
    for (EntityId id = db.next(kNoEntity); id != kNoEntity; id = db.next(id)) {
        const std::string_view type = db.type(id);
        if (type != "VERTEX" && type != "SEQEND" && type != "ATTRIB") ++count;
    }
    return count;
}

}  // namespace

std::string dxfNameOf(const std::string& path) {
    return isDwgName(path) ? path.substr(0, path.size() - 4) + ".dxf" : path + ".dxf";
}

std::unique_ptr<Database> readDwg(const std::string& path, const DwgHelper& helper, const DwgLimits& limits,
                                  DwgReport& report, std::string& error) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || ::access(path.c_str(), R_OK) != 0) {
        error = path + ": cannot open the drawing";
        return nullptr;
    }
    const std::string script = helper.folder + "/helper.js";
    if (helper.folder.empty() || ::access(script.c_str(), R_OK) != 0) {
        error = path + ": cannot open a DWG drawing: the DWG helper is not installed" +
                (helper.folder.empty() ? std::string() : " in " + helper.folder) + " (" + kInstall + ")";
        return nullptr;
    }
    if (helper.node.empty()) {
        error = path + ": cannot open a DWG drawing: Node.js is not installed (" + kInstall + ")";
        return nullptr;
    }
    const ScratchFolder scratch;
    if (scratch.path().empty()) {
        error = path + ": cannot open the drawing: no scratch folder for the conversion (" + std::strerror(errno) + ")";
        return nullptr;
    }
    const std::string converted = scratch.path() + "/drawing.dxf";
    // Liftoff alone compiles LibreDWG's module in a fraction of the time and
    // memory V8's optimising compiler takes, and runs it fast enough.
    const std::vector<std::string> argv{helper.node, "--liftoff-only", script, plainName(path, scratch.path()),
                                        converted};
    const auto limit = timeLimit(limits, static_cast<std::uintmax_t>(status.st_size));
    const ChildRun run = runChild(argv, limit, limits.stop);
    if (const auto failure = failureOf(run, path, limit)) {
        error = *failure;
        return nullptr;
    }
    if (::stat(converted.c_str(), &status) != 0 || status.st_size == 0) {
        error = path + ": cannot open the drawing: the DWG helper wrote no DXF";
        return nullptr;
    }
    report = parseDwgReport(run.out);
    std::unique_ptr<Database> db = readDxf(converted, error);
    if (!db) {
        error = namingTheDrawing(error, converted, path);
        return nullptr;
    }
    report.entities = drawnEntities(*db);
    return db;
}

std::unique_ptr<Database> readDrawing(const std::string& path, std::string& note, std::string& error) {
    note.clear();
    if (!isDwgName(path) && !startsLikeDwg(path)) return readDxf(path, error);
    DwgLimits limits;
    // A break pressed during the conversion is taken: it stopped the
    // conversion and cancels nothing after it.
    limits.stop = [] { return takeBreak() || endingSignal() != 0; };
    DwgReport report;
    std::unique_ptr<Database> db = readDwg(path, findDwgHelper(), limits, report, error);
    if (db) note = path + ": " + describeDwgReport(report);
    return db;
}

}  // namespace zcad
