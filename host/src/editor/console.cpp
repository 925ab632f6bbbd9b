// Input sources in turn, answers echoed where they come from a script, and
// output through one sink.
#include "zcad/console.h"

#include <deque>
#include <fstream>
#include <unistd.h>

#include "state/session_state.h"
#include "text_encoding.h"
#include "zcad/text.h"

namespace zcad {

namespace {

class LinesSource : public InputSource {
public:
    explicit LinesSource(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    std::optional<std::string> readLine(std::string_view) override {
        if (next_ >= lines_.size()) return std::nullopt;
        return lines_[next_++];
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

class StreamSource : public InputSource {
public:
    explicit StreamSource(std::FILE* in) : in_(in) {}
    std::optional<std::string> readLine(std::string_view) override {
        std::string line;
        int c;
        bool any = false;
        while ((c = std::fgetc(in_)) != EOF) {
            any = true;
            if (c == '\n') break;
            line.push_back(static_cast<char>(c));
        }
        if (!any) return std::nullopt;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return cp1252FromUtf8(line);
    }

private:
    std::FILE* in_;
};

struct Input {
    std::deque<std::unique_ptr<InputSource>> sources;
};

std::deque<std::unique_ptr<InputSource>>& sources() { return sessionState<Input>().sources; }

void writeStdout(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    appendUtf8FromCp1252(utf8, text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

OutputSink& sink() {
    static OutputSink s = writeStdout;
    return s;
}

}  // namespace

std::unique_ptr<InputSource> scriptSource(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open script '" + path + "'";
        return nullptr;
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(cp1252FromUtf8(line));
    }
    return std::make_unique<LinesSource>(std::move(lines));
}

std::unique_ptr<InputSource> streamSource(std::FILE* in) { return std::make_unique<StreamSource>(in); }

std::unique_ptr<InputSource> queueSource(std::vector<std::string> lines) {
    return std::make_unique<LinesSource>(std::move(lines));
}

void addInput(std::unique_ptr<InputSource> source) {
    if (source) sources().push_back(std::move(source));
}

void clearInput() { sources().clear(); }

std::optional<std::string> readAnswer(std::string_view prompt) {
    auto& queue = sources();
    while (!queue.empty()) {
        InputSource& source = *queue.front();
        if (std::optional<std::string> line = source.readLine(prompt)) {
            if (source.echoes()) {
                std::string echoed(prompt);
                echoed += *line;
                echoed += '\n';
                writeOutput(echoed);
            }
            return line;
        }
        queue.pop_front();
    }
    std::string cancelled(prompt);
    cancelled += "*Cancel*\n";
    writeOutput(cancelled);
    return std::nullopt;
}

bool isCancelLine(std::string_view line) {
    line = trimmed(line);
    return line == "*Cancel*" || line == "^C" || line == "*cancel*" || line == "*CANCEL*";
}

bool inputInteractive() {
    const auto& queue = sources();
    return !queue.empty() && queue.front()->interactive();
}

void writeOutput(std::string_view text) { sink()(text); }

OutputSink setOutputSink(OutputSink newSink) {
    OutputSink previous = std::move(sink());
    sink() = newSink ? std::move(newSink) : OutputSink(writeStdout);
    return previous;
}

}  // namespace zcad
