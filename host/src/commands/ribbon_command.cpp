// RIBBON and RIBBONCLOSE: the ribbon is only a flag without a window.
#include "host_command.h"
#include "host_state.h"

namespace zcad::commands {

namespace {

class RibbonCommand : public ImmediateCommand {
public:
    explicit RibbonCommand(bool show) : show_(show) {}
    Step start() override {
        hostState().ribbonShown = show_;
        return Step::Done;
    }

private:
    bool show_;
};

}  // namespace

std::unique_ptr<HostCommand> makeRibbonCommand(bool show) { return std::make_unique<RibbonCommand>(show); }

}  // namespace zcad::commands
