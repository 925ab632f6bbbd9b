// The host's command line as callers drive it through acedCommandS: one
// host command active at a time, fed by the words of one call after
// another until it ends; and the same commands typed at the Command prompt.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host_command.h"
#include "word.h"

namespace zcad::commands {

// Runs a command registered by a module; false when there is none of that
// name. Set by whoever owns the command stack, so that acedCommandS reaches
// module commands ("ZRIB") as the host's command line does.
using ModuleCommandRunner = std::function<bool(std::string_view name)>;
void setModuleCommandRunner(ModuleCommandRunner runner);

class CommandProcessor {
public:
    // Feeds the words of one call; returns what the call returns. No words
    // ends the active command.
    int run(const std::vector<Word>& words);
    bool busy() const { return active_ != nullptr; }

private:
    int startCommand(const Word& word);
    std::unique_ptr<HostCommand> active_;
};

CommandProcessor& commandProcessor();

// A line answering a prompt, or nothing when input has run out.
using AnswerSource = std::function<std::optional<std::string>(std::string_view prompt)>;

// Runs a host command typed at the Command prompt, prompting for each word;
// a word that does not answer is asked for again, and the end of input or
// a cancel line cancels. False when `name` is no host command.
bool runHostCommandLine(std::string_view name, const AnswerSource& answers);
bool runHostCommandLine(std::string_view name);  // answers from the console

}  // namespace zcad::commands
