#include "host_command.h"
#include "zcad/console.h"
#include "zcad/text.h"

namespace zcad::commands {

void printMessage(std::string_view text) {
    writeOutput(text);
    writeOutput("\n");
}

std::string unknownCommandMessage(std::string_view name) {
    return "Unknown command \"" + upperCase(name) + "\".  Type HELP for a list of commands.";
}

Step rejectWord(std::string_view message) {
    printMessage(message);
    return Step::Rejected;
}

}  // namespace zcad::commands
