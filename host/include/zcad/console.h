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
    // One line without its end, or nothing when the source has run out.
    virtual std::optional<std::string> readLine(std::string_view prompt) = 0;
    // Scripts and queues echo the line after the prompt; a terminal does not.
    virtual bool echoes() const { return true; }
    // A person at a terminal: boxes with only OK wait for Enter.
    virtual bool interactive() const { return false; }
};

std::unique_ptr<InputSource> scriptSource(const std::string& path, std::string& error);
std::unique_ptr<InputSource> streamSource(std::FILE* in);     // plain standard input
std::unique_ptr<InputSource> terminalSource();                // line editing and history
std::unique_ptr<InputSource> queueSource(std::vector<std::string> lines);

// Sources are read in the order added.
void addInput(std::unique_ptr<InputSource> source);
void clearInput();

// Prints the prompt, reads one line (echoed after the prompt where the
// source echoes). Nothing when input has run out.
std::optional<std::string> readAnswer(std::string_view prompt);

// A line that cancels whatever is waiting: "*Cancel*" or "^C".
bool isCancelLine(std::string_view line);

// Is the source that will answer next a person at a terminal?
bool inputInteractive();

// Command-line output. Text is single-byte host text; a terminal gets UTF-8.
void writeOutput(std::string_view text);
using OutputSink = std::function<void(std::string_view)>;
OutputSink setOutputSink(OutputSink sink);  // returns the previous one

// Ctrl-C at a terminal, or a break armed by a test.
bool userBreakPending();

}  // namespace zcad

#pragma GCC visibility pop
