#include "host_command.h"
#include "zcad/console.h"

namespace zcad::commands {

void printMessage(std::string_view text) {
    writeOutput(text);
    writeOutput("\n");
}

Step rejectWord(std::string_view message) {
    printMessage(message);
    return Step::Rejected;
}

}  // namespace zcad::commands
