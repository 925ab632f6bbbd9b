#include "host_command.h"
#include "host_state.h"

namespace zcad::commands {

namespace {

// SHADE: a shaded picture of the drawing in the current shading mode.
class ShadeCommand : public ImmediateCommand {
public:
    Step start() override {
        hostState().shaded = true;
        return Step::Done;
    }
};

}  // namespace

std::unique_ptr<HostCommand> makeShadeCommand() { return std::make_unique<ShadeCommand>(); }

}  // namespace zcad::commands
