// The host's line protocol: prompts printed, one line read per answer.
// Input comes from sources in turn (scripts, then the terminal or standard
// input, or a test queue); when every source has run out, each answer is a
// cancel, so the host never waits for input that cannot come.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#pragma GCC visibility push(default)

namespace zcad {

class InputSource {
public:
    virtual ~InputSource() = default;
    // One line as it came, without its end: UTF-8, or Windows-1252 from a
    // script written on Windows. Nothing when the source has no line for
    // this prompt.
    virtual std::optional<std::string> readLine(std::string_view prompt) = 0;
    // Nothing more will ever come. A script at its end is finished; a
    // terminal where Ctrl-D ended one prompt is not.
    virtual bool finished() const { return true; }
    // Scripts and queues echo the line after the prompt; a terminal does not.
    virtual bool echoes() const { return true; }
    // A person at a terminal: boxes with only OK wait for Enter, questions
    // that a script is never asked are asked.
    virtual bool interactive() const { return false; }
    // Where the lines come from, for messages: the script's path.
    virtual std::string name() const { return "input"; }
};

// `path` is a file-system name (as given on the command line).
std::unique_ptr<InputSource> scriptSource(const std::string& path, std::string& error);
std::unique_ptr<InputSource> streamSource(int fd);            // plain standard input
// Line editing, history, and Tab completion of these command names and of paths.
using CommandNames = std::function<std::vector<std::string>()>;
std::unique_ptr<InputSource> terminalSource(CommandNames commandNames);
std::unique_ptr<InputSource> queueSource(std::vector<std::string> lines);

// Sources are read in the order added.
void addInput(std::unique_ptr<InputSource> source);
void clearInput();

// The "Command: " prompt. Nothing when input has ended: every source has
// run out, Ctrl-D at a terminal, the session was told to end, or a script
// stopped at a line that went wrong.
std::optional<std::string> readCommandLine();

// A prompt inside a command: prints it, reads one line (echoed after the
// prompt where the source echoes) as host text. Nothing when input has run
// out, which the caller takes as a cancel.
std::optional<std::string> readAnswer(std::string_view prompt);

// A line that cancels whatever is waiting: "*Cancel*" or "^C".
bool isCancelLine(std::string_view line);

// Is the source that will answer next a person at a terminal?
bool inputInteractive();

// Command-line output. Text is single-byte host text; a terminal gets UTF-8.
void writeOutput(std::string_view text);
using OutputSink = std::function<void(std::string_view)>;
OutputSink setOutputSink(OutputSink sink);  // returns the previous one

// What goes wrong with a script line.
enum class ScriptFault {
    NotACommand,  // a line that is not a command where a command is expected
    Refused,      // an answer a prompt refused
    RanOut,       // input ran out in the middle of a command
    Failed,       // the command reported a failure (an alert, an error box)
    Interrupted,  // the break key
};

struct ScriptFailure {
    ScriptFault fault;
    std::string source;  // the script's path
    int line = 0;        // from 1
    std::string text;    // the line, host text
    std::string what;    // what went wrong, host text
};

// How a session takes a script line that goes wrong. By default it goes
// on (a refused answer is asked again) and only remembers the first; the
// zcad program stops at the first and reports each on standard error.
struct ScriptRules {
    bool stopAtFirstFailure = false;
    bool reportOnStandardError = false;
};
void setScriptRules(ScriptRules rules);

// Every failure and refusal a user is shown passes here. It counts against
// the script whose line is being worked on; a line typed at a terminal
// counts against nothing. Under stopAtFirstFailure the session reads no
// further line once one went wrong, so the command in progress unwinds as
// if input had run out.
void noteScriptFault(ScriptFault fault, std::string_view what);
const std::optional<ScriptFailure>& firstScriptFailure();
bool scriptStopped();

// The break key and the signals that end a session; installed by the zcad
// program. Ctrl-C (SIGINT) cancels the prompt or the command in progress;
// SIGTERM and SIGHUP end the session without saving.
void installSignalHandlers();
// Ctrl-C, or a break armed by a test, not yet taken (acedUsrBrk). Also
// true once the session has been told to end, so long work stops.
bool userBreakPending();
// SIGTERM or SIGHUP once received, else 0.
int endingSignal();

}  // namespace zcad

#pragma GCC visibility pop
