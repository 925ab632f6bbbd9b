// PT2LEV: a TEXT of its elevation beside each selected POINT.
#include <cstdint>
#include <string>
#include <string_view>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "drawing/groups.h"
#include "import/import_progress.h"
#include "levels/level_commands.h"
#include "levels/level_flags.h"
#include "levels/level_selection.h"
#include "levels/level_text.h"
#include "levels/p2l_dialog.h"
#include "settings/settings_record.h"
#include "shell/prompt_dialog.h"
#include "shell/text_maker.h"
#include "shell/za_advice.h"

namespace {

constexpr const char* kVersion = "V3.0.0  (Apr  2013)";

constexpr zadrawing::DrawingTexts kTexts{
    .nothingSelected = "no selection\nUser error\n",
    .rejected = "Failure in getting elemnets acedSSGet() returned RTREJ\nzarvo_AutoCAD user error\n",
    .keyword = "Selection error ... acedSSGet() returned RTKWORD\nZarvo_AutoCAD code error\n",
    .unrecognized = "Selection error ... acedSSGet() returned unrecognized value\nZarvo_AutoCAD user error\n",
    .noLength = "Selection error ... acedSSLength()\nUser error\n",
    .noName = "Selection error ... acedSSName()\nZarvo_AutoCAD user error\n",
    .noList = "Selection error ...  acdbEntGet()\nZarvo_AutoCAD user error\n",
};

// Confirms or changes the run's values; false when the command must end.
bool confirmValues(ZaSettings& run) {
    if (!(run.p2lPreferences & kZaLevelShowDialog)) return true;
    ZaSettings confirmed = run;
    ZConfigDlgPromptP2L dialog(&confirmed, adsw_acadMainWnd());
    int result = 0;
    switch (zashell::runPromptDialog(dialog, result)) {
    case zashell::PromptRun::Confirmed:
        run = confirmed;
        return true;
    case zashell::PromptRun::NotShown:
        return true;
    case zashell::PromptRun::Cancelled:
        break;
    }
    acutPrintf("\n*Cancel*\n");
    return false;
}

// "Create %d at [%8.3f  %8.3f] level %8.3f layer \"%s\" \n"
constexpr ZaMadeLineForm kMadeLine{" at [", "  ", "] level ", " layer \"", 8};

// Labels every point of the set; false when a failure ended the run.
bool labelPoints(const zadrawing::Selection& selection, const ZaSettings& run) {
    const bool current = zaLayerPreference(run.p2lPreferences) == ZaLayerPreference::Current;
    std::string layer = run.p2lLayerName.empty() ? "0" : run.p2lLayerName;
    std::string level;
    std::string line;
    ZaTextMaker texts;
    int index = 0;
    const zadrawing::DrawingFault fault = zadrawing::forEachEntity(selection, [&](const ads_name, const resbuf* list) {
        const int at = index++;
        if (current) {
            const resbuf* group = zadrawing::findGroup(list, 8);
            if (!group) zaAdviceMessage("Cannot get layer\nLayers not defined in drawing\n");
            layer = group ? zadrawing::groupText(list, 8).value_or("0") : std::string_view(run.p2lLayerName);
        }
        const auto location = zadrawing::groupPoint(list, 10);
        if (!location) return true;
        const ZaPoint& point = *location;
        zaFormatLevel(point.z, run.p2lPrecision, level);
        ZaTextRecord text;
        text.text = level.c_str();
        text.point = {point.x + run.p2lXOffset, point.y + run.p2lYOffset, point.z};
        text.height = run.p2lTextHeight;
        text.rotation = run.p2lTextAngle;
        text.layer = layer.c_str();
        if (!texts.make(text)) {
            const std::string failure = "Cannot make the level text \"" + level + "\" on layer \"" + layer +
                                        "\"\nZarvo_AutoCAD creation problem\n";
            zaAdviceMessage(failure.c_str());
            return false;
        }
        zaFormatMadeLine(kMadeLine, at, point, layer, line);
        acutPrintf("%s", line.c_str());
        return true;
    });
    zalevels::sayFault(fault, kTexts);
    return fault == zadrawing::DrawingFault::None;
}

// The values a run used are what it keeps.
void storeSettings(const ZaSettings& run) {
    zaStoreLevelSettings(run.p2lPreferences, zaSettings().p2lPreferences, [&run](ZaSettings& live) {
        live.p2lPrecision = run.p2lPrecision;
        live.p2lXOffset = run.p2lXOffset;
        live.p2lYOffset = run.p2lYOffset;
        live.p2lTextHeight = run.p2lTextHeight;
        live.p2lTextAngle = run.p2lTextAngle;
        live.p2lPreferences = run.p2lPreferences;
        live.p2lLayerName = run.p2lLayerName;
    });
}

}  // namespace

void zaPT2LEV() {
    acutPrintf("\nZARVO Software PT2LEV, ver %s", kVersion);
    ZaSettings run = zaSettings();
    zaAnnounceLayerPreference(zaLayerPreference(run.p2lPreferences), run.p2lLayerName);
    zadrawing::Selection selection("POINT");
    if (!zalevels::chooseSomething(selection, "\nSelect 3D points to produce level text",
                                   "\nNo points selected. No action required.\n", kTexts) ||
        !confirmValues(run)) {
        return;
    }
    const std::int64_t start = zaimport::monotonicMilliseconds();
    if (!labelPoints(selection, run)) return;
    const std::int64_t end = zaimport::monotonicMilliseconds();
    acutPrintf("Pt2Lev %d points complete. in %.2f seconds", selection.size(),
               static_cast<double>(end - start) * 0.001);
    storeSettings(run);
}
