#include "command_processor.h"

#include "arx/adscodes.h"
#include "host_state.h"
#include "state/session_state.h"
#include "zcad/console.h"
#include "zcad/text.h"

namespace zcad::commands {

namespace {

ModuleCommandRunner& moduleRunner() {
    static ModuleCommandRunner runner;
    return runner;
}

int resultOf(Step step) {
    if (step == Step::Rejected) return RTREJ;
    if (step == Step::Failed) return RTERROR;
    return RTNORM;
}

}  // namespace

void setModuleCommandRunner(ModuleCommandRunner runner) { moduleRunner() = std::move(runner); }

CommandProcessor& commandProcessor() { return sessionState<CommandProcessor>(); }

int CommandProcessor::startCommand(const Word& word) {
    if (word.kind != Word::Kind::Text) {
        printMessage("A command name is expected.");
        return RTREJ;
    }
    // An empty word at the Command prompt has no previous command to repeat.
    if (word.text.empty()) return RTNORM;
    auto command = makeHostCommand(word.text);
    if (!command) {
        // The runner may call back into acedCommandS; nothing is active then.
        if (moduleRunner() && moduleRunner()(word.text)) return RTNORM;
        writeOutput(unknownCommandMessage(word.text) + "\n");
        return RTERROR;
    }
    const Step step = command->start();
    if (step == Step::More) active_ = std::move(command);
    return resultOf(step);
}

int CommandProcessor::run(const std::vector<Word>& words) {
    if (words.empty()) {
        active_.reset();
        return RTNORM;
    }
    for (const Word& word : words) {
        if (word.kind == Word::Kind::Text && isCancelLine(word.text)) {
            active_.reset();
            return RTCAN;
        }
        if (!active_) {
            const int status = startCommand(word);
            if (status != RTNORM) return status;
            continue;
        }
        const Step step = active_->feed(word);
        if (step == Step::More) continue;
        // A rejected word would leave the rest of the call answering the
        // wrong prompts, so the command ends there.
        active_.reset();
        if (step != Step::Done) return resultOf(step);
    }
    return RTNORM;
}

bool runHostCommandLine(std::string_view name, const AnswerSource& answers) {
    auto command = makeHostCommand(name);
    if (!command) return false;
    Step step = command->start();
    while (step == Step::More || step == Step::Rejected) {
        const auto line = answers(command->prompt());
        if (!line || isCancelLine(*line)) {
            writeOutput("*Cancel*\n");
            return true;
        }
        step = command->feed(Word::ofText(*line));
        if (step == Step::Rejected) {
            noteScriptFault(ScriptFault::Refused, "not an answer to \"" + std::string(trimmed(command->prompt())) + "\"");
        }
    }
    if (step == Step::Failed) noteScriptFault(ScriptFault::Failed, upperCase(name) + " could not go on");
    return true;
}

bool runHostCommandLine(std::string_view name) {
    return runHostCommandLine(name, [](std::string_view prompt) { return readAnswer(prompt); });
}

}  // namespace zcad::commands
