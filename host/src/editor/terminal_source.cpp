// A person at a terminal: line editing and history through libedit, and
// Ctrl-C taken as a user break while a command runs.
#include <csignal>
#include <cstdlib>
#include <editline/readline.h>

#include "text_encoding.h"
#include "user_break.h"
#include "zcad/console.h"

namespace zcad {

namespace {

class TerminalSource : public InputSource {
public:
    TerminalSource() { installBreakHandler(); }
    std::optional<std::string> readLine(std::string_view prompt) override {
        std::string shown;
        appendUtf8FromCp1252(shown, prompt);
        char* raw = readline(shown.c_str());
        if (!raw) {
            writeOutput("\n");
            return std::nullopt;
        }
        std::string line(raw);
        std::free(raw);
        if (!line.empty()) add_history(line.c_str());
        return cp1252FromUtf8(line);
    }
    bool echoes() const override { return false; }
    bool interactive() const override { return true; }
};

}  // namespace

std::unique_ptr<InputSource> terminalSource() { return std::make_unique<TerminalSource>(); }

}  // namespace zcad
