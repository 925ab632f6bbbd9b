// A person at a terminal: line editing through libedit, history kept in a
// file under the home directory, Tab completion, and the break key. Ctrl-C
// cancels the line being typed ("*Cancel*"); Ctrl-D on an empty line does
// too, except at the Command prompt, where it ends the input for now (the
// session asks about unsaved changes, and the terminal stays).
#include <fcntl.h>
#include <histedit.h>
#include <langinfo.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "completion.h"
#include "user_break.h"
#include "zcad/console.h"
#include "zcad/text_edges.h"

namespace zcad {

namespace {

constexpr int kHistoryLines = 1000;
constexpr int kEmptyReadsOfAGoneTerminal = 3;

// Letters beyond ASCII reach the line editor only under a UTF-8 character
// type; the terminal speaks UTF-8 whatever the environment says.
void useUtf8CharacterType() {
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

std::string historyPath() {
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/.zcad_history" : std::string();
}

// The editor counts characters, not bytes.
int characterCount(std::string_view utf8) {
    int count = 0;
    for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

int terminalColumns() {
    winsize size {};
    return ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

class TerminalSource : public InputSource {
public:
    explicit TerminalSource(CommandNames commandNames) : commandNames_(std::move(commandNames)) {
        useUtf8CharacterType();
        history_ = history_init();
        HistEvent event;
        history(history_, &event, H_SETSIZE, kHistoryLines);
        history(history_, &event, H_SETUNIQUE, 1);
        if (!historyFile_.empty()) history(history_, &event, H_LOAD, historyFile_.c_str());

        editor_ = el_init("zcad", stdin, stdout, stderr);
        el_set(editor_, EL_CLIENTDATA, this);
        el_set(editor_, EL_EDITOR, "emacs");
        el_set(editor_, EL_PROMPT, &TerminalSource::promptOf);
        el_set(editor_, EL_HIST, history, history_);
        el_set(editor_, EL_GETCFN, &TerminalSource::readCharacter);
        // The wide call keeps the names as given; the narrow one copies them and never frees the copies.
        el_wset(editor_, EL_ADDFN, L"zcad-complete", L"Complete a command name or a path", &TerminalSource::onTab);
        el_set(editor_, EL_BIND, "^I", "zcad-complete", nullptr);
        el_source(editor_, nullptr);  // the user's ~/.editrc
    }

    ~TerminalSource() override {
        el_end(editor_);
        history_end(history_);
    }

    std::optional<std::string> readLine(std::string_view prompt) override {
        // The part of a prompt before its last line end is printed; the
        // editor shows the last line.
        const std::size_t lineEnd = prompt.rfind('\n');
        if (lineEnd != std::string_view::npos) writeOutput(prompt.substr(0, lineEnd + 1));
        const std::string_view shown = lineEnd == std::string_view::npos ? prompt : prompt.substr(lineEnd + 1);
        atCommandPrompt_ = shown == "Command: ";
        // A break that came while a command worked without looking
        // cancels the command's next question.
        if (takeBreak()) return cancelled(shown);
        prompt_ = utf8OfHostText(shown);
        el_resize(editor_);  // the window may have changed size since the last line
        int count = 0;
        const char* typed = el_gets(editor_, &count);
        if (!typed || count <= 0) {
            if (gone_ || endingSignal()) return std::nullopt;
            // Ctrl-D cancels a command's question, and ends the session at
            // the Command prompt.
            if (takeBreak() || !atCommandPrompt_) return cancelled({});
            writeOutput("\n");
            return std::nullopt;
        }
        std::string line(typed, static_cast<std::size_t>(count));
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        remember(line);
        return line;
    }

    bool finished() const override { return gone_; }
    bool echoes() const override { return false; }
    bool interactive() const override { return true; }
    std::string name() const override { return "terminal"; }

private:
    std::optional<std::string> cancelled(std::string_view prompt) {
        std::string shown(prompt);
        shown += "*Cancel*\n";
        writeOutput(shown);
        return std::string("*Cancel*");
    }

    // Each line is written to the history file at once, so a session that
    // is killed keeps what was typed.
    void remember(const std::string& line) {
        if (line.empty() || isCancelLine(line)) return;
        HistEvent event;
        history(history_, &event, H_ENTER, line.c_str());
        if (historyFile_.empty()) return;
        const int fd = ::open(historyFile_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0) ::close(fd);
        history(history_, &event, H_SAVE, historyFile_.c_str());
    }

    static TerminalSource& of(EditLine* editor) {
        void* self = nullptr;
        el_get(editor, EL_CLIENTDATA, &self);
        return *static_cast<TerminalSource*>(self);
    }

    static char* promptOf(EditLine* editor) { return of(editor).prompt_.data(); }

    // One character from the terminal. A read cut short by the break key
    // or by the end of the session gives up the line; any other signal
    // reads on.
    static int readCharacter(EditLine* editor, wchar_t* out) {
        TerminalSource& self = of(editor);
        for (;;) {
            if (!waitForInput(STDIN_FILENO)) return -1;
            char byte = 0;
            const ssize_t n = ::read(STDIN_FILENO, &byte, 1);
            if (n == 1) {
                self.emptyReads_ = 0;
                wchar_t character = 0;
                const std::size_t used = std::mbrtowc(&character, &byte, 1, &self.decoding_);
                if (used == static_cast<std::size_t>(-2)) continue;  // more bytes to come
                if (used == static_cast<std::size_t>(-1)) {          // not UTF-8: the byte as it is
                    self.decoding_ = {};
                    character = static_cast<unsigned char>(byte);
                }
                *out = character;
                return 1;
            }
            if (n < 0 && errno == EINTR) {
                if (breakWaiting() || endingSignal()) return -1;
                continue;
            }
            // Nothing to read: Ctrl-D typed ahead, before the editor took
            // the terminal. A terminal that gives nothing again and again,
            // or fails, has gone.
            if (n < 0 || ++self.emptyReads_ >= kEmptyReadsOfAGoneTerminal) self.gone_ = true;
            return n == 0 ? 0 : -1;
        }
    }

    static unsigned char onTab(EditLine* editor, int) {
        TerminalSource& self = of(editor);
        const LineInfo* info = el_line(editor);
        const std::string_view before(info->buffer, static_cast<std::size_t>(info->cursor - info->buffer));
        const Completion found = complete(before, self.atCommandPrompt_, self.commandNames_());
        if (!found.text.empty()) {
            el_deletestr(editor, characterCount(before.substr(before.size() - found.replace)));
            el_insertstr(editor, found.text.c_str());
        }
        if (found.choices.empty()) return found.text.empty() ? CC_REFRESH_BEEP : CC_REFRESH;
        self.list(found.choices);
        return CC_REDISPLAY;
    }

    // The choices in columns under the line, as a shell lists them.
    void list(const std::vector<std::string>& choices) const {
        std::size_t widest = 0;
        for (const std::string& choice : choices) widest = std::max(widest, choice.size());
        const std::size_t columns = std::max<std::size_t>(1, static_cast<std::size_t>(terminalColumns()) / (widest + 2));
        std::string text = "\n";
        for (std::size_t i = 0; i < choices.size(); ++i) {
            text += choices[i];
            const bool endOfRow = (i + 1) % columns == 0 || i + 1 == choices.size();
            text += endOfRow ? std::string("\n") : std::string(widest + 2 - choices[i].size(), ' ');
        }
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
    }

    CommandNames commandNames_;
    std::string historyFile_ = historyPath();
    History* history_ = nullptr;
    EditLine* editor_ = nullptr;
    std::string prompt_;
    bool atCommandPrompt_ = false;
    bool gone_ = false;
    int emptyReads_ = 0;
    std::mbstate_t decoding_ {};
};

}  // namespace

std::unique_ptr<InputSource> terminalSource(CommandNames commandNames) {
    return std::make_unique<TerminalSource>(std::move(commandNames));
}

}  // namespace zcad
