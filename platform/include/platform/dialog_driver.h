// Whoever plays the user: the line protocol of the host's console, or a
// test. Dialogs, message boxes and file dialogs all go through the driver
// in force.
#pragma once

#include <platform/menu.h>

#include <optional>
#include <string>

#pragma GCC visibility push(default)

namespace zplat {

class Dialog;

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    unsigned type = 0;  // MB_ buttons, icon and default button
};

struct FileRequest {
    bool open = true;
    std::string title;
    std::string filter;      // "Text|*.txt|All|*.*||"
    std::string initialDir;  // ends without a separator
    std::string fileName;    // the proposed name, may be empty
    std::string defaultExt;
    unsigned flags = 0;      // OFN_
};

class DialogDriver {
public:
    virtual ~DialogDriver() = default;
    // Plays the user until the dialog has ended; a driver with nothing more
    // to say cancels it.
    virtual void runModal(Dialog& dialog) = 0;
    // The button chosen (IDOK, IDYES, ...).
    virtual int messageBox(const MessageBoxRequest& box) = 0;
    // The name the user gave, or nothing for Cancel.
    virtual std::optional<std::string> askFile(const FileRequest& request) = 0;
    // The id of the menu item chosen, or 0.
    virtual int trackMenu(const Menu& menu) = 0;
    // The question a save dialog asks before it replaces a file: true to
    // replace. Asked as a Yes/No box unless the driver knows better.
    virtual bool confirmReplace(const MessageBoxRequest& question);
};

// The driver in force: the host console's line protocol unless set.
DialogDriver& dialogDriver();
// Returns the previous one; null brings back the default.
DialogDriver* setDialogDriver(DialogDriver* driver);

class ScopedDialogDriver {
public:
    explicit ScopedDialogDriver(DialogDriver& driver) : previous_(setDialogDriver(&driver)) {}
    ~ScopedDialogDriver() { setDialogDriver(previous_); }
    ScopedDialogDriver(const ScopedDialogDriver&) = delete;
    ScopedDialogDriver& operator=(const ScopedDialogDriver&) = delete;

private:
    DialogDriver* previous_;
};

}  // namespace zplat

#pragma GCC visibility pop
