// PELEV: the host's own CHANGE sets the elevation of a selection, or its
// MOVE shifts the selection along z, so the host's rules and undo apply.
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "arx/acedads.h"
#include "levels/level_commands.h"
#include "levels/level_selection.h"

namespace {

constexpr zadrawing::DrawingTexts kTexts{
    .rejected = "Selection error ... acedSSGet() returned RTREJ\nZarvo_AutoCAD creation problem\n",
    .keyword = "Selection error .. acedSSGet() returned RTKWORD\n\nZarvo_AutoCAD creation problem\n",
    .unrecognized = "Selection error ... acedSSGet() returned unrecognized value\nZarvo_AutoCAD creation problem\n",
    .noLength = "Selection error ... acedSSLength()\nZarvo_AutoCAD user error\n",
};

// False when there is nothing to elevate; an empty answer is only printed.
bool choose(zadrawing::Selection& selection) {
    const zadrawing::DrawingFault fault = selection.choose();
    if (fault == zadrawing::DrawingFault::NothingSelected) acutPrintf("no selection");
    zalevels::sayFault(fault, kTexts);
    return fault == zadrawing::DrawingFault::None && selection.size() > 0;
}

enum class Mode { Add, Set, Minus };

std::optional<Mode> askMode() {
    char reply[16] = "";
    acedInitGet(0, "Add Set Minus");
    const int status = acedGetKword("Enter mode [Add/Set/Minus]:", reply);
    if (status == RTCAN) return std::nullopt;
    if (status == RTNORM && std::string_view(reply) == "Set") return Mode::Set;
    if (status == RTNORM && std::string_view(reply) == "Minus") return Mode::Minus;
    return Mode::Add;
}

// Enter gives 0; a cancel ends the command, as changing every elevation to
// 0 is not what a user who backs out expects.
std::optional<double> askValue(const char* prompt) {
    double value = 0;
    const int status = acedGetReal(prompt, &value);
    if (status == RTNONE) return 0.0;
    if (status != RTNORM) return std::nullopt;
    return value;
}

int setElevation(double elevation) {
    return acedCommandS(RTSTR, "change", RTSTR, "p", RTSTR, "", RTSTR, "properties", RTSTR, "e", RTREAL, elevation,
                        RTSTR, "", RTNONE);
}

// The shift as the drawing shows lengths, so it moves by what the user sees.
// Nothing when it cannot be written whole in the point the MOVE is given:
// a cut number would move by another amount, or to no finite place.
std::optional<std::string> shiftPoint(double shift) {
    constexpr std::size_t kPointLimit = 37;
    if (!std::isfinite(shift)) return std::nullopt;
    char number[64] = "";
    if (acdbRToS(shift, 2, -1, number) != RTNORM) return std::nullopt;
    std::string to = "0.0,0.0," + std::string(number);
    if (to.size() > kPointLimit) return std::nullopt;
    return to;
}

int shiftElevation(const std::string& to) {
    return acedCommandS(RTSTR, "move", RTSTR, "p", RTSTR, "", RTSTR, "0.0,0.0,0.0", RTSTR, to.c_str(), RTNONE);
}

void refuseLevel(double value) {
    acutPrintf("\nElevation %g refused: it gives no finite level the drawing can hold. Nothing changed.\n", value);
}

void reportCommand(int status) {
    switch (status) {
    case RTNORM:
        acutPrintf("\nDone.\n");
        return;
    case RTCAN:
        acutPrintf("\n*Cancel*\n");
        return;
    case RTREJ:
        acutPrintf("\nCommand rejected.\n");
        return;
    case RTERROR:
        acutPrintf("An unspecified error has occurred.");
        return;
    default:
        return;
    }
}

void elevate() {
    acutPrintf("\nZARVO Software Polyline Elevate V3.0.0 (2013)\n");
    zadrawing::Selection selection;
    if (!choose(selection)) return;
    const auto mode = askMode();
    if (!mode) return;
    if (*mode == Mode::Set) {
        const auto elevation = askValue("\nNew elevation : ");
        if (!elevation) return (void)acutPrintf("\n*Cancel*\n");
        if (!std::isfinite(*elevation)) return refuseLevel(*elevation);
        return reportCommand(setElevation(*elevation));
    }
    const auto change = askValue("\nChange in elevation : ");
    if (!change) return (void)acutPrintf("\n*Cancel*\n");
    const double shift = *mode == Mode::Minus ? -*change : *change;
    const auto to = shiftPoint(shift);
    if (!to) return refuseLevel(shift);
    reportCommand(shiftElevation(*to));
}

}  // namespace

void zaPELEV() {
    elevate();
    acedRetVoid();
}
