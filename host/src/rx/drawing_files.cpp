// The drawing's own files: SAVEAS, SAVE and QSAVE, OPEN, and the question
// about unsaved changes that QUIT, EXIT, Ctrl-D and OPEN ask at a terminal.
// A script is never asked: it replaces files and drops changes as written.
#include <unistd.h>

#include <string>

#include "arx/acedads.h"
#include "session_commands.h"
#include "zcad/console.h"
#include "zcad/database.h"
#include "zcad/dwg.h"
#include "zcad/session.h"
#include "zcad/text.h"
#include "zcad/text_edges.h"

namespace zcad {

namespace {

// The drawing's name as the user sees it.
std::string shownName() {
    const std::string& name = saveTarget().name;
    return name.empty() ? std::string("Drawing1.dxf") : hostTextOfUtf8(name);
}

// A path from the line, or asked for: host text, trimmed; nothing when the
// answer is empty or a cancel.
std::optional<std::string> pathFrom(std::string_view argument, std::string_view prompt) {
    std::string path(trimmed(argument));
    if (!path.empty()) return path;
    const std::optional<std::string> answer = readAnswer(prompt);
    if (!answer || isCancelLine(*answer) || trimmed(*answer).empty()) return std::nullopt;
    return std::string(trimmed(*answer));
}

// A keyword answer to a question a person is asked; `fallback` for an empty
// line, nothing for a cancel.
std::optional<std::string> ask(const std::string& question, const char* keywords, const char* fallback) {
    acedInitGet(0, keywords);
    char word[16];
    const int status = acedGetKword(question.c_str(), word, sizeof word);
    if (status == RTNONE) return std::string(fallback);
    if (status != RTNORM) return std::nullopt;
    return std::string(word);
}

bool exists(const std::string& fileSystemPath) { return ::access(fileSystemPath.c_str(), F_OK) == 0; }

// Writes the drawing and makes the file its own; false, having said why,
// when it cannot.
bool writeDrawing(const std::string& fileSystemPath, const std::optional<DxfVersion>& release = std::nullopt) {
    if (isDwgName(fileSystemPath)) {
        const std::string shown = "Not saved: zcad writes DXF, not DWG (name the file .dxf)";
        writeOutput("\n" + shown + "\n");
        noteScriptFault(ScriptFault::Failed, shown);
        return false;
    }
    std::string error;
    const std::optional<DxfVersion>& wanted = release ? release : saveTarget().version;
    const DxfVersion* version = wanted ? &*wanted : nullptr;
    std::vector<std::string> converted;
    if (!writeDxf(fileSystemPath, currentDatabase(), version, error, &converted)) {
        const std::string shown = hostTextOfUtf8(error);
        writeOutput("\n" + shown + "\n");
        noteScriptFault(ScriptFault::Failed, shown);
        return false;
    }
    currentDatabase().markSaved();
    saveTarget().name = fileSystemPath;
    writeOutput("Saved " + shownName() + "\n");
    for (const auto& line : converted) writeOutput("  " + line + "\n");
    return true;
}

// SAVEAS [RELEASE] NAME: a name without an extension gets ".dxf"; an
// existing file is replaced, after asking a person at a terminal. A
// release (R12, R2000, ... R2018) before the name saves in it.
bool saveUnderNewName(std::string_view argument) {
    std::optional<DxfVersion> release;
    argument = trimmed(argument);
    const std::size_t blank = argument.find(' ');
    DxfVersion parsed;
    if (blank != std::string_view::npos && parseDxfVersion(std::string(argument.substr(0, blank)), parsed)) {
        release = parsed;
        argument = argument.substr(blank + 1);
    }
    const std::optional<std::string> typed = pathFrom(argument, "Enter file name: ");
    if (!typed) return false;
    std::string path = *typed;
    const std::size_t name = path.find_last_of('/') + 1;
    if (path.find('.', name) == std::string::npos) path += ".dxf";
    const std::string fileSystemPath = fileSystemName(path);
    if (inputInteractive() && exists(fileSystemPath)) {
        const auto replace = ask(path + " already exists. Do you want to replace it? [Yes/No] <No>: ", "Yes No", "No");
        if (!replace || *replace != "Yes") {
            writeOutput("Not saved.\n");
            return false;
        }
    }
    return writeDrawing(fileSystemPath, release);
}

bool saveUnderOwnName() {
    if (saveTarget().name.empty()) return saveUnderNewName({});
    return writeDrawing(saveTarget().name);
}

enum class Changes { Kept, Dropped, Stay };

// Before the drawing goes (QUIT, OPEN): a person at a terminal with
// unsaved changes is asked; a drawing that --save writes at the end, and
// a script, go on without asking.
Changes settleUnsavedChanges() {
    if (!currentDatabase().hasUnsavedChanges() || !saveTarget().atExit.empty() || !inputInteractive())
        return Changes::Dropped;
    const auto answer = ask("Save changes to " + shownName() + "? [Yes/No/Cancel] <Yes>: ", "Yes No Cancel", "Yes");
    if (!answer || *answer == "Cancel") return Changes::Stay;
    if (*answer == "No") return Changes::Dropped;
    return saveUnderOwnName() ? Changes::Kept : Changes::Stay;
}

}  // namespace

bool saveAsCommand(std::string_view argument) {
    saveUnderNewName(argument);
    return true;
}

bool saveCommand(std::string_view argument) {
    if (!trimmed(argument).empty()) saveUnderNewName(argument);
    else saveUnderOwnName();
    return true;
}

bool openCommand(std::string_view argument) {
    if (settleUnsavedChanges() == Changes::Stay) return true;
    const std::optional<std::string> path = pathFrom(argument, "Enter name of drawing to open: ");
    if (!path) return true;
    const std::string fileSystemPath = fileSystemName(*path);
    std::string error, note;
    std::unique_ptr<Database> db = readDrawing(fileSystemPath, note, error);
    if (!db) {
        const std::string shown = hostTextOfUtf8(error);
        writeOutput("\n" + shown + "\n");
        noteScriptFault(ScriptFault::Failed, shown);
        return true;
    }
    db->markSaved();
    replaceCurrentDatabase(std::move(db));
    saveTarget().name = note.empty() ? fileSystemPath : dxfNameOf(fileSystemPath);
    if (!note.empty()) writeOutput(hostTextOfUtf8(note) + "\n");
    writeOutput("Opened " + (note.empty() ? shownName() : *path + " as " + shownName()) + "\n");
    if (const std::string notice = repairNotice(currentDatabase()); !notice.empty()) writeOutput(notice + "\n");
    return true;
}

bool quitCommand(std::string_view) { return settleUnsavedChanges() == Changes::Stay; }

}  // namespace zcad
