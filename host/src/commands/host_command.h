// A host command run word by word: it states what it waits for, takes one
// word at a time and says where it stands after each.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "word.h"

namespace zcad {
enum class PictureFormat;
}

namespace zcad::commands {

enum class Step {
    More,      // the word was taken; more are wanted
    Done,      // the command has finished
    Rejected,  // the word does not answer the prompt; a message was printed and nothing changed
    Failed,    // the command could not go on; a message was printed
};

class HostCommand {
public:
    virtual ~HostCommand() = default;
    // Runs what the command does before its first prompt.
    virtual Step start() { return Step::More; }
    virtual std::string prompt() const = 0;
    virtual Step feed(const Word& word) = 0;
};

// A command that does all its work as it starts and takes no words.
class ImmediateCommand : public HostCommand {
public:
    std::string prompt() const override { return {}; }
    Step feed(const Word&) override { return Step::Done; }
};

// The command of that name ("zoom", "_.MOVE", "-layer"), or null.
std::unique_ptr<HostCommand> makeHostCommand(std::string_view name);

// Every host command with a line on what it does, for HELP.
struct CommandSummary {
    std::string_view name;
    std::string_view summary;
};
std::vector<CommandSummary> hostCommands();

// One factory per command, each in its own file.
std::unique_ptr<HostCommand> makeLayerCommand();
std::unique_ptr<HostCommand> makeZoomCommand();
std::unique_ptr<HostCommand> makePdmodeCommand();
std::unique_ptr<HostCommand> makeMoveCommand();
std::unique_ptr<HostCommand> makeChangeCommand();
std::unique_ptr<HostCommand> makeShadeModeCommand();
std::unique_ptr<HostCommand> makeShadeCommand();
std::unique_ptr<HostCommand> makeRibbonCommand(bool show);
std::unique_ptr<HostCommand> makeNetloadCommand();
std::unique_ptr<HostCommand> makeRegenCommand();
std::unique_ptr<HostCommand> makePictureCommand(PictureFormat format);  // host/render
std::unique_ptr<HostCommand> makeEraseCommand();
std::unique_ptr<HostCommand> makeListCommand();
std::unique_ptr<HostCommand> makeIdCommand();
std::unique_ptr<HostCommand> makeDistCommand();
std::unique_ptr<HostCommand> makeAreaCommand();
std::unique_ptr<HostCommand> makeCountCommand();
std::unique_ptr<HostCommand> makeOopsCommand();
std::unique_ptr<HostCommand> makeUCommand();
std::unique_ptr<HostCommand> makeUndoCommand();
std::unique_ptr<HostCommand> makeRedoCommand();

// Shared prompt answers.
void printMessage(std::string_view text);  // one line on the command line
Step rejectWord(std::string_view message);
// What the Command prompt says to a name it does not know.
std::string unknownCommandMessage(std::string_view name);

}  // namespace zcad::commands
