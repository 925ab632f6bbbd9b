// -SHADEMODE: how the current viewport is shaded. Only remembered, as
// nothing is displayed.
#include <array>

#include "host_command.h"
#include "host_state.h"
#include "keywords.h"

namespace zcad::commands {

namespace {

constexpr std::array<const char*, 7> kModes = {"2D wireframe", "3D wireframe", "Hidden",       "Flat",
                                               "Gouraud",      "Flat+edges",   "Gouraud+edges"};

class ShadeModeCommand : public HostCommand {
public:
    std::string prompt() const override {
        return "Enter option [2D wireframe/3D wireframe/Hidden/Flat/Gouraud/fLat+edges/gOuraud+edges] <" +
               hostState().shadeMode + ">: ";
    }

    Step feed(const Word& word) override {
        if (word.isEmpty()) return Step::Done;
        const int mode = matchKeyword(word, {"2D", "3D", "Hidden", "Flat", "Gouraud", "fLat+edges", "gOuraud+edges"});
        if (mode < 0) return rejectWord("Invalid option keyword.");
        hostState().shadeMode = kModes[static_cast<std::size_t>(mode)];
        hostState().shaded = mode >= 3;
        return Step::Done;
    }
};

}  // namespace

std::unique_ptr<HostCommand> makeShadeModeCommand() { return std::make_unique<ShadeModeCommand>(); }

}  // namespace zcad::commands
