// U, UNDO and REDO: the current drawing's journal, one step per command.
#include "host_command.h"
#include "keywords.h"
#include "state/session_state.h"
#include "undo_control.h"
#include "zcad/database.h"
#include "zcad/undo.h"

namespace zcad::commands {

namespace {

struct UndoSettings {
    UndoControl control = UndoControl::All;
};

constexpr const char* kDisabled = "U command disabled. Use UNDO command to turn it on.";

UndoJournal& journal() { return currentDatabase().journal(); }

// Inside a command the step that holds it is still open.
bool refusedInsideCommand() {
    if (!journal().stepOpen() || journal().grouping()) return false;
    printMessage("UNDO and REDO cannot be used inside another command.");
    return true;
}

// Takes back up to `count` steps; stops at a mark, which goes with it.
void undoSteps(long count) {
    Database& db = currentDatabase();
    for (long i = 0; i < count; ++i) {
        if (db.journal().atMark()) {
            db.journal().dropMark();
            printMessage("Mark encountered");
            return;
        }
        const auto name = db.journal().undo(db);
        if (!name) {
            printMessage("Everything has been undone");
            return;
        }
        printMessage("Undone: " + *name);
    }
}

void undoBack() {
    Database& db = currentDatabase();
    while (!db.journal().atMark()) {
        const auto name = db.journal().undo(db);
        if (!name) {
            printMessage("Everything has been undone");
            return;
        }
        printMessage("Undone: " + *name);
    }
    db.journal().dropMark();
    printMessage("Mark encountered");
}

class UCommand : public ImmediateCommand {
public:
    Step start() override {
        if (refusedInsideCommand()) return Step::Failed;
        if (undoControl() == UndoControl::None) {
            printMessage(kDisabled);
            return Step::Failed;
        }
        undoSteps(1);
        return Step::Done;
    }
};

class RedoCommand : public ImmediateCommand {
public:
    Step start() override {
        if (refusedInsideCommand()) return Step::Failed;
        Database& db = currentDatabase();
        const auto name = db.journal().redo(db);
        printMessage(name ? "Redone: " + *name : "Previous command did not undo things");
        return Step::Done;
    }
};

class UndoCommand : public HostCommand {
public:
    Step start() override {
        if (refusedInsideCommand()) return Step::Failed;
        if (undoControl() == UndoControl::None) stage_ = Stage::Control;
        return Step::More;
    }

    std::string prompt() const override {
        switch (stage_) {
        case Stage::Count:
            return "Enter the number of operations to undo or [Auto/Control/BEgin/End/Mark/Back] <1>: ";
        case Stage::Auto:
            return "Enter UNDO Auto mode [ON/OFF] <On>: ";
        case Stage::Control:
            return "Enter an UNDO control option [All/None/One] <All>: ";
        case Stage::Everything:
            return "This will undo everything. OK? [Yes/No] <Y>: ";
        }
        return {};
    }

    Step feed(const Word& word) override {
        switch (stage_) {
        case Stage::Count:
            return count(word);
        case Stage::Auto:
            if (word.isEmpty() || matchKeyword(word, {"ON", "OFF"}) >= 0) return Step::Done;
            return rejectWord("Invalid option keyword.");
        case Stage::Control:
            return control(word);
        case Stage::Everything: {
            const int answer = word.isEmpty() ? 0 : matchKeyword(word, {"Yes", "No"});
            if (answer < 0) return rejectWord("Invalid option keyword.");
            if (answer == 0) undoSteps(static_cast<long>(journal().steps()) + 1);
            return Step::Done;
        }
        }
        return Step::Failed;
    }

private:
    enum class Stage { Count, Auto, Control, Everything };

    Step count(const Word& word) {
        if (word.isEmpty()) {
            undoSteps(1);
            return Step::Done;
        }
        if (const auto n = integerOf(word)) {
            if (*n < 1) return rejectWord("Requires a positive integer.");
            undoSteps(*n);
            return Step::Done;
        }
        Database& db = currentDatabase();
        switch (matchKeyword(word, {"Auto", "Control", "BEgin", "End", "Mark", "Back"})) {
        case 0:
            stage_ = Stage::Auto;
            return Step::More;
        case 1:
            stage_ = Stage::Control;
            return Step::More;
        case 2:
            db.journal().beginGroup(db);
            return Step::Done;
        case 3:
            db.journal().endGroup(db);
            return Step::Done;
        case 4:
            db.journal().mark();
            return Step::Done;
        case 5:
            if (db.journal().hasMark()) {
                undoBack();
                return Step::Done;
            }
            stage_ = Stage::Everything;
            return Step::More;
        default:
            return rejectWord("Requires a positive integer or option keyword.");
        }
    }

    Step control(const Word& word) {
        const int choice = word.isEmpty() ? 0 : matchKeyword(word, {"All", "None", "One"});
        if (choice < 0) return rejectWord("Invalid option keyword.");
        const UndoControl chosen = choice == 0 ? UndoControl::All : choice == 1 ? UndoControl::None : UndoControl::One;
        setUndoControl(chosen);
        Database& db = currentDatabase();
        if (chosen == UndoControl::None) {
            db.journal().clear(db);
        } else {
            db.journal().setLimit(undoLimit(chosen));
        }
        return Step::Done;
    }

    Stage stage_ = Stage::Count;
};

}  // namespace

UndoControl undoControl() { return sessionState<UndoSettings>().control; }

void setUndoControl(UndoControl control) { sessionState<UndoSettings>().control = control; }

std::size_t undoLimit(UndoControl control) { return control == UndoControl::One ? 1 : 0; }

bool isUndoCommand(std::string_view name) { return name == "U" || name == "UNDO" || name == "REDO"; }

std::unique_ptr<HostCommand> makeUCommand() { return std::make_unique<UCommand>(); }
std::unique_ptr<HostCommand> makeUndoCommand() { return std::make_unique<UndoCommand>(); }
std::unique_ptr<HostCommand> makeRedoCommand() { return std::make_unique<RedoCommand>(); }

}  // namespace zcad::commands
