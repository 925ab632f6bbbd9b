// The line-protocol driver: prints each dialog as a text form and reads one
// line for each thing the user does. End of input cancels. A dialog with
// nothing to choose but OK (an advice, the about box) is acknowledged as a
// box with only OK is: at once from a script, with Enter at a terminal.
#pragma once

#include <platform/dialog_driver.h>

#include <optional>
#include <string>
#include <string_view>

#pragma GCC visibility push(default)

namespace zplat {

class Dialog;

// The console the protocol reads and prints through.
class LineConsole {
public:
    virtual ~LineConsole() = default;
    // One line, or nothing when input has run out.
    virtual std::optional<std::string> readLine(std::string_view prompt) = 0;
    // A person at a terminal (boxes with only OK then wait for Enter).
    virtual bool interactive() const = 0;
    virtual void write(std::string_view text) = 0;
    virtual bool isCancel(std::string_view line) const { return line == "*Cancel*" || line == "^C"; }
    // The line just read does not answer what was asked (told to the user
    // already); a script that must run as written stops at it.
    virtual void refused(std::string_view /*why*/) {}
};

// The host's console (zcad's scripts, terminal and test queues).
LineConsole& hostConsole();

class ProtocolDriver : public DialogDriver {
public:
    explicit ProtocolDriver(LineConsole& console) : console_(console) {}
    void runModal(Dialog& dialog) override;
    int messageBox(const MessageBoxRequest& box) override;
    std::optional<std::string> askFile(const FileRequest& request) override;
    int trackMenu(const Menu& menu) override;
    // A script replaces without being asked: whether the question comes
    // depends on the disk, and a line must not answer it one time in two.
    bool confirmReplace(const MessageBoxRequest& question) override;

private:
    void apply(Dialog& dialog, const std::string& line);
    void refuse(const std::string& why);
    void waitForTimers(Dialog& dialog);
    void acknowledge(Dialog& dialog);

    LineConsole& console_;
    unsigned shown_ = 0;  // boxes, menus and dialogs shown: a form printed before them is out of sight
};

// The text form of a dialog as the protocol prints it.
std::string formatDialog(Dialog& dialog);

}  // namespace zplat

#pragma GCC visibility pop
