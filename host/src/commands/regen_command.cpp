#include "host_command.h"
#include "host_state.h"
#include "zcad/console.h"

namespace zcad::commands {

namespace {

class RegenCommand : public ImmediateCommand {
public:
    Step start() override {
        writeOutput("Regenerating model.\n");
        ++hostState().regenerations;
        return Step::Done;
    }
};

}  // namespace

std::unique_ptr<HostCommand> makeRegenCommand() { return std::make_unique<RegenCommand>(); }

}  // namespace zcad::commands
