// PDMODE typed as a command: the point display mode, kept in the header.
#include "host_command.h"
#include "zcad/database.h"

namespace zcad::commands {

namespace {

// A figure 0 to 4, plus 32 (circle) and/or 64 (square).
bool isPointMode(long mode) { return mode >= 0 && mode <= 100 && (mode & 31) <= 4; }

long currentMode(const Database& db) {
    const HeaderVar* var = db.headerVar("$PDMODE");
    return var && !var->groups.empty() ? static_cast<long>(var->groups.front().integer) : 0;
}

class PdmodeCommand : public HostCommand {
public:
    std::string prompt() const override {
        return "Enter new value for PDMODE <" + std::to_string(currentMode(currentDatabase())) + ">: ";
    }

    Step feed(const Word& word) override {
        if (word.isEmpty()) return Step::Done;
        const auto mode = integerOf(word);
        if (!mode) return rejectWord("Requires an integer value.");
        if (!isPointMode(*mode)) return rejectWord("Invalid value.");
        currentDatabase().setHeaderVar("$PDMODE", {OwnedGroup::integral(70, *mode)});
        return Step::Done;
    }
};

}  // namespace

std::unique_ptr<HostCommand> makePdmodeCommand() { return std::make_unique<PdmodeCommand>(); }

}  // namespace zcad::commands
