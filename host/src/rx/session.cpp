#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>

#include "arx/rxapi.h"
#include "commands/undo_control.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dwg.h"
#include "zcad/session.h"
#include "zcad/text_edges.h"
#include "session_commands.h"

namespace zcad {

namespace {

void complain(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "zcad: %s\n", message.c_str());
}

// Why a file cannot be written where `path` says, or nothing: its folder
// must exist and take new files, and the name must not be a folder.
std::optional<std::string> unwritable(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) return "the folder " + folder + " does not exist";
    if (!S_ISDIR(status.st_mode)) return folder + " is not a folder";
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return "the folder " + folder + " cannot be written";
    if (::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return path + " is a folder";
    return std::nullopt;
}

// The outputs of the end of the session are checked before any work, so a
// long batch is not lost to a mistyped folder.
bool outputsWritable(const SessionOptions& options) {
    if (isDwgName(options.save)) {
        complain("cannot save to " + options.save + ": zcad writes DXF, not DWG (name the file .dxf)");
        return false;
    }
    if (!options.save.empty()) {
        if (const auto why = unwritable(options.save)) {
            complain("cannot save to " + options.save + ": " + *why);
            return false;
        }
    }
    if (!options.picture.empty()) {
        if (const auto why = unwritable(options.picture)) {
            complain("cannot write the picture " + options.picture + ": " + *why);
            return false;
        }
    }
    return true;
}

bool openDrawing(const std::string& path) {
    if (path.empty()) {
        replaceCurrentDatabase(std::make_unique<Database>());
        return true;
    }
    std::string error, note;
    std::unique_ptr<Database> db = readDrawing(path, note, error);
    if (!db) {
        complain(error);
        return false;
    }
    if (!note.empty()) writeOutput(hostTextOfUtf8(note) + "\n");
    if (const std::string notice = repairNotice(*db); !notice.empty()) complain(path + ": " + notice);
    db->markSaved();
    replaceCurrentDatabase(std::move(db));
    saveTarget().name = note.empty() ? path : dxfNameOf(path);
    return true;
}

bool addScripts(const std::vector<std::string>& scripts) {
    for (const auto& path : scripts) {
        std::string error;
        std::unique_ptr<InputSource> source = scriptSource(path, error);
        if (!source) {
            complain(error);
            return false;
        }
        addInput(std::move(source));
    }
    return true;
}

bool saveDrawing(const SessionOptions& options) {
    if (options.save.empty()) return true;
    notifyModules(AcRx::kSaveMsg);
    std::string error;
    const DxfVersion* version = options.version ? &*options.version : nullptr;
    std::vector<std::string> converted;
    if (writeDxf(options.save, currentDatabase(), version, error, &converted)) {
        for (const auto& line : converted) complain(options.save + " as " + dxfVersionName(*version) + ": " + line);
        return true;
    }
    complain(error);
    return false;
}

// After the save, so that a picture that cannot be written costs no drawing.
bool writeFinalPicture(const SessionOptions& options) {
    if (options.picture.empty()) return true;
    std::string error;
    if (writePicture(currentDatabase(), options.picture, options.pictureOptions, error)) return true;
    complain(error);
    return false;
}

// What the end of the session writes, now that the commands have run.
int finish(const SessionOptions& options) {
    const std::string outputs = options.save.empty() ? options.picture : options.save;
    if (const int signal = endingSignal()) {
        complain(std::string("ended by SIG") + sigabbrev_np(signal) +
                 (outputs.empty() ? std::string() : "; " + outputs + " left as it was"));
        return 128 + signal;
    }
    const std::optional<ScriptFailure>& failure = firstScriptFailure();
    const bool interrupted = failure && failure->fault == ScriptFault::Interrupted;
    if (failure && (interrupted || !options.keepGoing)) {
        if (!outputs.empty()) {
            complain(outputs + " left as it was: the script " + (interrupted ? "was broken off" : "did not run as written"));
        }
        return interrupted ? 128 + SIGINT : kExitScriptWentWrong;
    }
    const bool saved = saveDrawing(options);
    const bool pictured = writeFinalPicture(options);
    if (!saved || !pictured) return kExitNotSaved;
    return failure ? kExitScriptWentWrong : kExitDone;
}

// --audit: the report of the drawing's reading, and nothing written.
int audit(const SessionOptions& options) {
    std::string error, note;
    const std::unique_ptr<Database> db = readDrawing(options.drawing, note, error);
    if (!db) {
        complain(error);
        return kExitNotRead;
    }
    if (!note.empty()) writeOutput(hostTextOfUtf8(note) + "\n");
    std::fputs(repairReport(*db).c_str(), stdout);
    return kExitDone;
}

int run(const SessionOptions& options) {
    if (options.auditOnly) return audit(options);
    if (!outputsWritable(options)) return kExitNotSaved;
    // A DWG's conversion runs in a child: the break key stops it and its
    // scratch files go, where the default action would leave them.
    if (isDwgName(options.drawing)) installSignalHandlers();
    if (!openDrawing(options.drawing)) return kExitNotRead;
    saveTarget().version = options.version;
    saveTarget().atExit = options.save;
    commands::setUndoControl(options.undo ? commands::UndoControl::All : commands::UndoControl::None);
    pictureDefaults() = options.pictureOptions;
    if (!addScripts(options.scripts)) return kExitUsage;
    setScriptRules({.stopAtFirstFailure = !options.keepGoing, .reportOnStandardError = true});
    installSignalHandlers();
    if (options.readStandardInput)
        addInput(isatty(STDIN_FILENO) ? terminalSource(commandNames) : streamSource(STDIN_FILENO));
    for (const auto& path : options.modules) {
        std::string error;
        if (!loadModule(path, error)) {
            complain(error);
            return kExitNoModule;
        }
    }
    runCommandLoop();
    const int status = finish(options);
    notifyModules(AcRx::kPreQuitMsg);
    notifyModules(AcRx::kQuitMsg);
    unloadModules();
    return status;
}

}  // namespace

int runSession(const SessionOptions& options) {
    try {
        return run(options);
    } catch (const std::bad_alloc&) {
        // Reading and saving report it themselves; anywhere else it ends the session.
        complain("not enough memory to go on");
        return kExitScriptWentWrong;
    }
}

}  // namespace zcad
