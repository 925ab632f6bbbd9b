#include "dialogs/breakup_choice.h"

#include <array>
#include <string_view>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "dialogs/cur_out_dlg.h"
#include "shell/resource_scope.h"

namespace {

ZaArcChoice chooseInDialog(ZaUROutOptions& options) {
    const int result = zashell::runDialog<CUROutDlg>(&options);
    if (result == zplat::IDCANCEL) return ZaArcChoice::Cancelled;
    if (result != zplat::IDOK || options.breakup.type == kZaBreakupNone) return ZaArcChoice::LeaveOut;
    zaStoreUROutOptions(options, zaSettings());
    return ZaArcChoice::BreakUp;
}

// The rule's value; an empty answer keeps it. False when cancelled.
bool askValue(const char* prompt, double& value) {
    for (;;) {
        acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
        double answer = 0;
        const int status = acedGetReal(prompt, &answer);
        if (status == RTNONE) return true;
        if (status != RTNORM) return false;
        // The settings hold no other value: a ZCONFIG save would write it
        // and the next load refuse it.
        if (answer >= kZaLeastBreakupValue && answer <= kZaMostBreakupValue) {
            value = answer;
            return true;
        }
        acutPrintf("\nValue must be between 0.00001 and 40000.\n");
    }
}

struct KeywordRule {
    std::string_view keyword;
    int type;
    const char* prompt;
};

constexpr std::array<KeywordRule, 3> kRules{{
    {"Quarterly", kZaBreakupQuarterly, "\nMinimum number of quarterly divisions"},
    {"Chord", kZaBreakupChord, "\nMaximum chord length"},
    {"Flat", kZaBreakupFlatness, "\nMaximum distance from chord mid-point to arc"},
}};

ZaArcChoice chooseOnCommandLine(ZaUROutOptions& options) {
    acutPrintf("\n\n");
    acedInitGet(0, "Quarterly Chord Flat None");
    char keyword[32] = {};
    const int status = acedGetKword(
        "\nQuarterly Division, Chord Division, Flat Factor or None. Do not include circles and arcs. <Flat Factor> : ",
        keyword);
    if (status != RTNORM && status != RTNONE) return ZaArcChoice::Cancelled;
    ZaBreakupOptions& breakup = options.breakup;
    if (status == RTNORM) {
        if (std::string_view(keyword) == "None") {
            breakup.type = kZaBreakupNone;
            return ZaArcChoice::LeaveOut;
        }
        for (const KeywordRule& rule : kRules) {
            if (rule.keyword != keyword) continue;
            ZaBreakupOptions chosen = breakup;
            chosen.type = rule.type;
            if (!askValue(rule.prompt, chosen.value)) return ZaArcChoice::Cancelled;
            breakup = chosen;
        }
    }
    // Enter keeps the rule in force, and with none in force there is
    // nothing to break arcs up by.
    if (breakup.type == kZaBreakupNone) return ZaArcChoice::LeaveOut;
    zaSettings().xyzBreakup = breakup.type;
    zaSettings().xyzRounding = breakup.rounding;
    zaSettings().xyzValue = breakup.value;
    return ZaArcChoice::BreakUp;
}

}  // namespace

ZaArcChoice zaChooseArcBreakup(ZaUROutOptions& options) {
    const ZaSettings& settings = zaSettings();
    if (settings.xyzUseDefaults) {
        return options.breakup.type != kZaBreakupNone ? ZaArcChoice::BreakUp : ZaArcChoice::LeaveOut;
    }
    if (settings.useDialogs) return chooseInDialog(options);
    return chooseOnCommandLine(options);
}

bool zaUroutCircleAndArcOptions(ZaUROutOptions& options) { return zaChooseArcBreakup(options) == ZaArcChoice::BreakUp; }
