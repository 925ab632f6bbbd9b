// Input sources in turn, answers echoed where they come from a script,
// output through one sink, and the record of script lines that went wrong.
#include "zcad/console.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iterator>

#include "standard_output.h"
#include "state/session_state.h"
#include "user_break.h"
#include "zcad/text.h"
#include "zcad/text_edges.h"

namespace zcad {

namespace {

class LinesSource : public InputSource {
public:
    LinesSource(std::vector<std::string> lines, std::string name) : lines_(std::move(lines)), name_(std::move(name)) {}
    std::optional<std::string> readLine(std::string_view) override {
        if (next_ >= lines_.size()) return std::nullopt;
        return lines_[next_++];
    }
    std::string name() const override { return name_; }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::string name_;
};

// Standard input that is not a terminal, read as it comes: a pipe may be
// fed slowly, and the break key or the end of the session stop the wait.
class StreamSource : public InputSource {
public:
    explicit StreamSource(int fd) : fd_(fd) {}
    std::optional<std::string> readLine(std::string_view) override {
        for (;;) {
            const std::size_t end = pending_.find('\n');
            if (end != std::string::npos || (ended_ && !pending_.empty())) {
                std::string line = pending_.substr(0, end);
                pending_.erase(0, end == std::string::npos ? pending_.size() : end + 1);
                if (!line.empty() && line.back() == '\r') line.pop_back();
                return line;
            }
            if (ended_) return std::nullopt;
            // Whoever feeds the pipe may wait to read what came before answering.
            std::fflush(stdout);
            if (!waitForInput(fd_)) return std::nullopt;
            char buffer[4096];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n > 0) pending_.append(buffer, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR) ended_ = true;
        }
    }
    bool finished() const override { return ended_; }
    std::string name() const override { return "standard input"; }

private:
    int fd_;
    std::string pending_;
    bool ended_ = false;
};

struct Source {
    std::unique_ptr<InputSource> source;
    int linesRead = 0;
};

struct Input {
    std::deque<Source> sources;
};

std::deque<Source>& sources() { return sessionState<Input>().sources; }

// A line as read, and where from.
struct LineRead {
    std::string source;
    int number = 0;  // 0: none yet
    std::string text;
    bool scripted = false;
};

struct ScriptRun {
    ScriptRules rules;
    std::optional<ScriptFailure> first;
    bool stopped = false;
    LineRead last;     // the line being worked on
    LineRead command;  // the line that started the command in progress
};

ScriptRun& scriptRun() { return sessionState<ScriptRun>(); }

OutputSink& sink() {
    static OutputSink s = writeStandardOutput;
    return s;
}

const char* faultName(ScriptFault fault) {
    switch (fault) {
    case ScriptFault::NotACommand: return "not a command";
    case ScriptFault::Refused: return "answer refused";
    case ScriptFault::RanOut: return "input ran out";
    case ScriptFault::Failed: return "the command failed";
    case ScriptFault::Interrupted: return "interrupted";
    }
    return "";
}

void report(const ScriptFailure& failure) {
    std::string what(trimmed(failure.what));
    for (char& c : what) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    }
    std::string line = "zcad: " + failure.source + ":" + std::to_string(failure.line) + ": \"" +
                       utf8OfHostText(failure.text) + "\": " + faultName(failure.fault);
    if (!what.empty()) line += ": " + utf8OfHostText(what);
    line += "\n";
    std::fflush(stdout);
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

// A script reads no further line once the break key was pressed.
bool scriptBrokenOff(const InputSource& source) {
    if (source.interactive() || !takeBreak()) return false;
    noteScriptFault(ScriptFault::Interrupted, "the break key (Ctrl-C)");
    return true;
}

// Reads the next line from the sources in turn, as host text. Nothing when
// they have all run out, a terminal ended this prompt, or the session reads
// no more.
std::optional<std::string> nextLine(std::string_view prompt) {
    ScriptRun& run = scriptRun();
    auto& queue = sources();
    for (;;) {
        if (run.stopped || endingSignal()) return std::nullopt;
        if (queue.empty()) return std::nullopt;
        Source& front = queue.front();
        InputSource& source = *front.source;
        if (scriptBrokenOff(source)) continue;
        const std::optional<std::string> raw = source.readLine(prompt);
        if (!raw) {
            if (scriptBrokenOff(source)) continue;
            if (!source.finished()) return std::nullopt;
            queue.pop_front();
            continue;
        }
        InputLine line = hostTextOfInput(*raw);
        run.last = {source.name(), ++front.linesRead, line.text, !source.interactive()};
        if (source.echoes()) {
            std::string echoed(prompt);
            echoed += line.text;
            echoed += '\n';
            writeOutput(echoed);
        }
        if (!line.refused) return std::move(line.text);
        const std::string why = "The line holds " + describeCharacter(line.refused) +
                                ", a character Windows-1252, the drawing's code page, cannot hold.";
        writeOutput(why + "\n");
        noteScriptFault(ScriptFault::Refused, why);
    }
}

}  // namespace

std::unique_ptr<InputSource> scriptSource(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open script '" + path + "'";
        return nullptr;
    }
    std::string text{std::istreambuf_iterator<char>(in), {}};
    if (in.bad()) {
        error = "cannot read script '" + path + "'";
        return nullptr;
    }
    // Editors on Windows start UTF-8 files with a byte-order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        at = end + 1;
    }
    return std::make_unique<LinesSource>(std::move(lines), path);
}

std::unique_ptr<InputSource> streamSource(int fd) { return std::make_unique<StreamSource>(fd); }

std::unique_ptr<InputSource> queueSource(std::vector<std::string> lines) {
    return std::make_unique<LinesSource>(std::move(lines), "input");
}

void addInput(std::unique_ptr<InputSource> source) {
    if (source) sources().push_back({std::move(source), 0});
}

void clearInput() { sources().clear(); }

std::optional<std::string> readCommandLine() {
    std::optional<std::string> line = nextLine("Command: ");
    if (line) scriptRun().command = scriptRun().last;
    return line;
}

std::optional<std::string> readAnswer(std::string_view prompt) {
    if (std::optional<std::string> line = nextLine(prompt)) return line;
    ScriptRun& run = scriptRun();
    if (run.stopped || endingSignal()) return std::nullopt;
    std::string cancelled(prompt);
    cancelled += "*Cancel*\n";
    writeOutput(cancelled);
    if (sources().empty()) {
        noteScriptFault(ScriptFault::RanOut,
                        "the command still waited for \"" + std::string(trimmed(prompt)) + "\"");
    }
    return std::nullopt;
}

bool isCancelLine(std::string_view line) {
    line = trimmed(line);
    return line == "*Cancel*" || line == "^C" || line == "*cancel*" || line == "*CANCEL*";
}

bool inputInteractive() {
    const auto& queue = sources();
    return !queue.empty() && queue.front().source->interactive();
}

void writeOutput(std::string_view text) { sink()(text); }

OutputSink setOutputSink(OutputSink newSink) {
    OutputSink previous = std::move(sink());
    sink() = newSink ? std::move(newSink) : OutputSink(writeStandardOutput);
    return previous;
}

void setScriptRules(ScriptRules rules) { scriptRun().rules = rules; }

void noteScriptFault(ScriptFault fault, std::string_view what) {
    ScriptRun& run = scriptRun();
    if (run.stopped) return;
    // Input running out, and the break key, are the command's affair.
    const bool commands = fault == ScriptFault::RanOut || fault == ScriptFault::Interrupted;
    const LineRead& line = commands ? run.command : run.last;
    if (!line.scripted || line.number == 0) return;
    ScriptFailure failure{fault, line.source, line.number, line.text, std::string(what)};
    if (run.rules.reportOnStandardError) report(failure);
    if (!run.first) run.first = std::move(failure);
    // A batch the user broke off stops whatever the rules say.
    if (run.rules.stopAtFirstFailure || fault == ScriptFault::Interrupted) run.stopped = true;
}

const std::optional<ScriptFailure>& firstScriptFailure() { return scriptRun().first; }

bool scriptStopped() { return scriptRun().stopped; }

}  // namespace zcad
