#include "commands/command_processor.h"
#include "zcad/session.h"

namespace zcad {

bool runHostCommandLine(const std::string& name) { return commands::runHostCommandLine(name); }

}  // namespace zcad
